# GoogleTest for the tests of the link, the back-ends, corvo-sim and the
# end-to-end suites: the system's on Linux; on Windows the targets that
# tests/ builds from the GoogleTest sources.
if(NOT DEFINED CORVO_GTEST_LIBS)
  if(WIN32)
    set(CORVO_GTEST_LIBS gtest gtest_main)
  else()
    find_package(GTest REQUIRED)
    set(CORVO_GTEST_LIBS GTest::gtest GTest::gtest_main)
  endif()
endif()

# corvo_add_gtest(TEST TARGET TIMEOUT SOURCES ... LIBS ...): a test program
# in the current binary folder and its CTest entry (under the cross-compiling
# emulator on Windows).
function(corvo_add_gtest test target timeout)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} ${CORVO_GTEST_LIBS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(WIN32)
    add_test(NAME ${test} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "WINEDEBUG=-all" TIMEOUT ${timeout})
  else()
    add_test(NAME ${test} COMMAND ${target})
    set_tests_properties(${test} PROPERTIES TIMEOUT ${timeout})
  endif()
endfunction()
