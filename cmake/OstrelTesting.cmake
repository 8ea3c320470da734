include(GoogleTest)

# ostrel_add_gtest(<name> SOURCES ... [LIBS ...])
# Natively every test case becomes a ctest test; under Wine each program runs as one test,
# since listing the cases would start Wine once more per program.
function(ostrel_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
