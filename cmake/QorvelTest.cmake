# qorvel_add_test(name SOURCES ... LIBRARIES ... [TIMEOUT seconds]): one GoogleTest
# executable registered as one CTest test (starting Wine per test case is slow).
function(qorvel_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gtest qorvel_test_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()
