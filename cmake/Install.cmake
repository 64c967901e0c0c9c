# Install rules and packages. `cmake --install build --prefix P` gives a host
# everything it needs under P; scripts/package.sh turns the same rules into a
# Debian package (Linux build) or a zip (Windows builds).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VARANDA_BACKENDS corvo_2k corvo_tcp corvo_tcp_com corvo_serial_com)
set(VARANDA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/varanda)
set(VARANDA_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/include/varanda.h ${CMAKE_SOURCE_DIR}/include/varanda_codes.h
                           ${CMAKE_SOURCE_DIR}/include/varanda_record.h)
set(VARANDA_DOCS ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/hosts.md ${CMAKE_SOURCE_DIR}/docs/corvo-sim.md
                 ${CMAKE_SOURCE_DIR}/docs/link-protocol.md)

if(WIN32)
  include(cmake/WindowsPackage.cmake)
  return()
endif()

# The SDK with its back-ends beside it: the SDK's RUNPATH ($ORIGIN) finds them.
install(TARGETS varanda EXPORT VarandaTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Runtime)
install(TARGETS ${VARANDA_BACKENDS} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${VARANDA_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS corvo-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command-line tool, once it is part of the build (whichever of these
# names its target has).
if(TARGET varanda-tool)
  install(TARGETS varanda-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET varanda_java)
  install(FILES ${VARANDA_JAR} DESTINATION ${CMAKE_INSTALL_DATADIR}/java)
endif()
install(FILES ${VARANDA_DOCS} DESTINATION ${VARANDA_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/api DESTINATION ${VARANDA_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${VARANDA_DOC_DIR}/examples
        PATTERN smoke_host.c EXCLUDE)

# find_package(Varanda): the imported target Varanda::varanda.
set(_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Varanda)
install(EXPORT VarandaTargets NAMESPACE Varanda:: DESTINATION ${_cmake_dir})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/package/VarandaConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/VarandaConfig.cmake INSTALL_DESTINATION ${_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VarandaConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VarandaConfig.cmake ${CMAKE_BINARY_DIR}/VarandaConfigVersion.cmake
        DESTINATION ${_cmake_dir})

# pkg-config: relocatable (the prefix is found from the file's own place).
file(RELATIVE_PATH _pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" _pc_to_prefix "${_pc_to_prefix}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/package/varanda.pc.in ${CMAKE_BINARY_DIR}/varanda.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/varanda.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varanda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varanda SDK")
set(CPACK_PACKAGE_CONTACT "Varanda SDK developers <sdk@varanda.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Varanda SDK: drives Corvo time-clock and access-control terminals")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12)")
if(VARANDA_COLLECTOR_DEPENDS)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${VARANDA_COLLECTOR_DEPENDS}")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "default-jre-headless, pkg-config")
include(CPack)
