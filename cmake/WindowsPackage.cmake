# The Windows zip (included from Install.cmake): one flat folder that a site
# copies beside its host program, plus the header, the Java classes, the
# module definition, an import library and README.txt.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_win win64)
  set(VARANDA_WINDOWS_NAME "64-bit Windows")
  set(_dlltool_machine i386:x86-64)
  set(_host_def ${VARANDA_GEN_DIR}/varanda_host64.def)
  set(_dlltool_kill)
else()
  set(_win win32)
  set(VARANDA_WINDOWS_NAME "32-bit Windows")
  set(_dlltool_machine i386)
  set(_host_def ${VARANDA_GEN_DIR}/varanda_host.def)
  set(_dlltool_kill -k)
endif()

# Varanda.lib, for MSVC and mingw linkers alike, made from the module
# definition of the operations (the JNI functions are for the virtual machine
# only and stay out of it): stdcall names on 32-bit Windows, plain ones on
# 64-bit Windows.
get_filename_component(_cc_name ${CMAKE_C_COMPILER} NAME)
string(REGEX REPLACE "-gcc.*$" "" _triple "${_cc_name}")
find_program(VARANDA_DLLTOOL NAMES ${_triple}-dlltool dlltool REQUIRED)
set(VARANDA_IMPORT_LIB ${CMAKE_BINARY_DIR}/Varanda.lib)
add_custom_command(
  OUTPUT ${VARANDA_IMPORT_LIB}
  COMMAND ${VARANDA_DLLTOOL} -m ${_dlltool_machine} ${_dlltool_kill}
          -d ${_host_def} -D Varanda.dll -l ${VARANDA_IMPORT_LIB}
  DEPENDS ${_host_def}
  COMMENT "Making the import library Varanda.lib"
  VERBATIM)
add_custom_target(varanda_import_lib ALL DEPENDS ${VARANDA_IMPORT_LIB})

install(FILES $<TARGET_FILE:varanda> DESTINATION .)
foreach(_b IN LISTS VARANDA_BACKENDS)
  install(FILES $<TARGET_FILE:${_b}> DESTINATION .)
endforeach()
if(TARGET varanda-tool)
  install(FILES $<TARGET_FILE:varanda-tool> DESTINATION .)
endif()
install(FILES ${VARANDA_PUBLIC_HEADERS} ${VARANDA_IMPORT_LIB} DESTINATION .)
install(FILES ${_host_def} DESTINATION . RENAME Varanda.def)
if(TARGET varanda_java)
  install(FILES ${VARANDA_JAR} DESTINATION .)
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/package/README-windows.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
install(FILES ${VARANDA_DOCS} DESTINATION docs)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/api DESTINATION docs)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME varanda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME varanda-${PROJECT_VERSION}-${_win})
include(CPack)
