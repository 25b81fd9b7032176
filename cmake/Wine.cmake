# Win32 test programs run under Wine, in a scratch prefix inside the build
# tree, never the user's own. Every wine call gets a time limit: a program
# that hangs fails its test instead of stalling the run.
set(CHIMELO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CHIMELO_WINE_ENV
  WINEPREFIX=${CHIMELO_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${CHIMELO_WINE_ENV} timeout -k 5 600 wine)

if(CHIMELO_TESTS)
  # Tests that need Wine require this fixture: the prefix is prepared first
  # and its wineserver is stopped after the last of them, pass or fail.
  add_test(NAME wine-prefix
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh ${CHIMELO_WINEPREFIX})
  set_tests_properties(wine-prefix PROPERTIES FIXTURES_SETUP wine)
  add_test(NAME wine-stop
    COMMAND env ${CHIMELO_WINE_ENV} sh -c "wineserver -k; exit 0")
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# A GoogleTest program that runs under Wine as one test.
function(chimelo_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE chimelo_win32 GTest::gtest_main)
  chimelo_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wineprefix)
endfunction()
