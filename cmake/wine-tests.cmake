# Test registration for the Windows build, whose tests run under Wine. Every
# start of a program under Wine costs about a second (more on a busy machine),
# so each test program is one ctest test that runs all its cases in one go,
# instead of one start to list the cases and one per case. GoogleTest's own
# output still names every case that fails.
function(gtest_discover_tests target)
  cmake_parse_arguments(arg "" "WORKING_DIRECTORY;TEST_PREFIX;TEST_SUFFIX" "EXTRA_ARGS;PROPERTIES" ${ARGN})
  set(name ${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX})
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_test(NAME ${name} COMMAND ${target} --gtest_brief=1 ${arg_EXTRA_ARGS}
           WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  if(arg_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${arg_PROPERTIES})
  endif()
endfunction()
