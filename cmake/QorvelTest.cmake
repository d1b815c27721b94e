# qorvel_add_test(name SOURCES ... LIBRARIES ... [TIMEOUT seconds] [REAL_INPUT]): one GoogleTest
# executable registered as one CTest test (starting Wine per test case is slow). REAL_INPUT
# marks tests that move the real mouse or press real keys: they take turns, never in parallel.
function(qorvel_add_test name)
  cmake_parse_arguments(T "REAL_INPUT" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gtest qorvel_test_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_REAL_INPUT)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK real_input)
  endif()
endfunction()
