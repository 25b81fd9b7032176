# Win32 test programs run under Wine in a session of their own inside the
# build tree: a scratch prefix (never the user's ~/.wine), a virtual display,
# a sound server and test drives; see scripts/wine-session.sh. The 64-bit
# build's tests carry the suffix "_64", so that one ctest can run both trees.
set(CHIMELO_WINE_SESSION ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_SOURCE_DIR}/scripts/in-wine.sh ${CHIMELO_WINE_SESSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CHIMELO_TEST_SUFFIX _64)
endif()
set(CHIMELO_WINE_FIXTURE wine${CHIMELO_TEST_SUFFIX})

if(CHIMELO_TESTS)
  # Tests that need Wine require this fixture: the session starts before the
  # first of them and stops after the last, pass or fail.
  add_test(NAME wine-session-start${CHIMELO_TEST_SUFFIX}
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh start ${CHIMELO_WINE_SESSION}
            ${CMAKE_SYSTEM_PROCESSOR})
  set_tests_properties(wine-session-start${CHIMELO_TEST_SUFFIX} PROPERTIES
    FIXTURES_SETUP ${CHIMELO_WINE_FIXTURE})
  add_test(NAME wine-session-stop${CHIMELO_TEST_SUFFIX}
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh stop ${CHIMELO_WINE_SESSION})
  set_tests_properties(wine-session-stop${CHIMELO_TEST_SUFFIX} PROPERTIES
    FIXTURES_CLEANUP ${CHIMELO_WINE_FIXTURE})
endif()

# A GoogleTest program that runs under Wine as one test. One Wine session
# at a time: the end-to-end tests measure time and capture sound.
function(chimelo_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE chimelo_win32 GTest::gtest_main)
  chimelo_warnings(${name})
  add_test(NAME ${name}${CHIMELO_TEST_SUFFIX} COMMAND ${name})
  set_tests_properties(${name}${CHIMELO_TEST_SUFFIX} PROPERTIES
    FIXTURES_REQUIRED ${CHIMELO_WINE_FIXTURE} RESOURCE_LOCK wine-session)
endfunction()
