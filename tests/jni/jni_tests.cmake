# Included from tests/CMakeLists.txt.

# Every native method of the two Java classes is exported (on 32-bit Windows
# with its stdcall decoration), and no other JNI function.
add_test(NAME jni_exports
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/jni/check_jni_exports.py
                 $<TARGET_FILE:varanda> ${VARANDA_FRESH_DIR}/java)

# The committed header, Java classes and reference pages are what the
# operation lists give (compared with the fresh copies of the build, so a
# stale commit fails).
add_test(NAME generated_sources_current
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/jni/check_generated.sh ${VARANDA_FRESH_DIR} ${CMAKE_SOURCE_DIR}
                 include/varanda.h include/varanda_codes.h java/Varanda.java java/com/melbrosa/Varanda.java docs/api
                 bindings/python/varanda/_operations.py bindings/csharp/Varanda.cs)

# The generator's Java forms, on operation lists of the test's own.
add_test(NAME java_forms
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/jni/java_forms_test.py ${CMAKE_SOURCE_DIR}/cmake)
# These read files only: they run on any machine, also in the Windows builds.
if(WIN32)
  set_tests_properties(jni_exports generated_sources_current java_forms PROPERTIES LABELS no-wine)
endif()

# A host that ends with the SDK still loaded, as a virtual machine does: the
# library's teardown must not crash the ending process. Type 9 leaves the TCP
# COM transport in place, type 1 the TCP library.
add_executable(exit_with_sdk_loaded jni/exit_with_sdk_loaded.c)
target_include_directories(exit_with_sdk_loaded PRIVATE ${CMAKE_SOURCE_DIR}/include)
set_target_properties(exit_with_sdk_loaded PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FAKES_DIR})
add_dependencies(exit_with_sdk_loaded varanda_test_sdk_copies ${VARANDA_FAKES})
if(NOT WIN32)
  target_link_libraries(exit_with_sdk_loaded PRIVATE dl)
endif()
foreach(type 1 9)
  add_test(NAME exit_with_sdk_loaded_${type}
           COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:exit_with_sdk_loaded> ${type}
           WORKING_DIRECTORY ${FAKES_DIR})
  if(WIN32)
    set_tests_properties(exit_with_sdk_loaded_${type} PROPERTIES ENVIRONMENT "WINEDEBUG=-all"
                                                                 FIXTURES_REQUIRED fake_com)
  else()
    set_tests_properties(exit_with_sdk_loaded_${type} PROPERTIES ENVIRONMENT "LD_LIBRARY_PATH=${FAKES_DIR}")
  endif()
endforeach()

# The Java test program, run in a real virtual machine against the fakes
# (Linux only: no Windows virtual machine under Wine). The sanitizer build
# skips it: an instrumented library cannot be loaded into the JVM.
if(WIN32 OR NOT Java_JAVA_EXECUTABLE OR NOT TARGET varanda_java)
  return()
endif()

add_library(varanda_jni_fakes SHARED jni/fake_backends_jni.cpp support/fake_backend.cpp)
target_include_directories(varanda_jni_fakes PRIVATE support ${CMAKE_SOURCE_DIR}/hostkit ${VARANDA_JNI_INCLUDE_DIRS})
set_target_properties(varanda_jni_fakes PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${FAKES_DIR})
target_link_libraries(varanda_jni_fakes PRIVATE dl)

set(_jt ${CMAKE_CURRENT_BINARY_DIR}/jni-test-classes)
set(_java_tests ${CMAKE_CURRENT_SOURCE_DIR}/jni/VarandaJniTest.java ${CMAKE_CURRENT_SOURCE_DIR}/jni/FakeBackends.java)
add_custom_command(
  OUTPUT ${_jt}/VarandaJniTest.class
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_jt}
  COMMAND ${Java_JAVAC_EXECUTABLE} -encoding UTF-8 -Xlint:all -Werror -cp ${VARANDA_JAR} -d ${_jt} ${_java_tests}
  DEPENDS ${_java_tests} ${VARANDA_JAR}
  COMMENT "Compiling the Java test"
  VERBATIM)
add_custom_target(varanda_jni_test ALL DEPENDS ${_jt}/VarandaJniTest.class)
add_dependencies(varanda_jni_test varanda_java varanda_jni_fakes varanda_tests)

add_test(NAME jvm
         COMMAND ${Java_JAVA_EXECUTABLE} -Xcheck:jni -Djava.library.path=${FAKES_DIR}
                 -cp ${VARANDA_JAR}:${_jt} VarandaJniTest
         WORKING_DIRECTORY ${FAKES_DIR})
set_tests_properties(jvm PROPERTIES
  LABELS no-sanitize TIMEOUT 300
  ENVIRONMENT "LD_LIBRARY_PATH=${FAKES_DIR}"
  PASS_REGULAR_EXPRESSION " passed, 0 failed"
  FAIL_REGULAR_EXPRESSION "WARNING in native method|FATAL ERROR|FAILED")
if(VARANDA_SANITIZE)
  set_tests_properties(jvm PROPERTIES DISABLED TRUE)
endif()
