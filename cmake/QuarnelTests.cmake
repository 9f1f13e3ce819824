# Registers a GoogleTest program with ctest: each test on its own where the
# program runs here, the whole program as one test where it runs under an
# emulator (listing its tests there would start the emulator at build time).
function(quarnel_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN})
  endif()
endfunction()

# Tests that run Windows programs under Wine share the build folder's own
# prefix, and keep Wine's own messages out of their output.
set(QUARNEL_WINE_ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix;WINEDEBUG=-all")
