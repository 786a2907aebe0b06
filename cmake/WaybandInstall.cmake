include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS wayband EXPORT waybandTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/wayband DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT waybandTargets NAMESPACE wayband::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)

configure_package_config_file(cmake/waybandConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/waybandConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/waybandConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/waybandConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/waybandConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)

configure_file(cmake/wayband.pc.in ${CMAKE_CURRENT_BINARY_DIR}/wayband.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/wayband.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
