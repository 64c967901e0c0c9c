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
