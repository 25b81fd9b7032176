# Win32 test programs run under Wine in a session of their own inside the
# build tree: a scratch prefix (never the user's ~/.wine), a virtual display
# and a sound server; see scripts/wine-session.sh.
set(CHIMELO_WINE_SESSION ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_SOURCE_DIR}/scripts/in-wine.sh ${CHIMELO_WINE_SESSION})

if(CHIMELO_TESTS)
  # Tests that need Wine require this fixture: the session starts before the
  # first of them and stops after the last, pass or fail.
  add_test(NAME wine-session-start
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh start ${CHIMELO_WINE_SESSION})
  set_tests_properties(wine-session-start PROPERTIES FIXTURES_SETUP wine)
  add_test(NAME wine-session-stop
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh stop ${CHIMELO_WINE_SESSION})
  set_tests_properties(wine-session-stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# A GoogleTest program that runs under Wine as one test.
function(chimelo_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE chimelo_win32 GTest::gtest_main)
  chimelo_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-session)
endfunction()
