include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS wayband wayband_headless EXPORT waybandTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/wayband DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The headless host's headers and the parts of the host contract they build on: the
# platform's types, the host interfaces and the tooltip display (the icon page's designer
# builds on the library's internals and stays behind). The text engine and the
# image codecs stay inside the library.
set(WAYBAND_INTERNAL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/wayband/internal)
install(DIRECTORY hosts/headless DESTINATION ${WAYBAND_INTERNAL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h" PATTERN "icon_page_designer.h" EXCLUDE)
install(DIRECTORY src/platform DESTINATION ${WAYBAND_INTERNAL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h" PATTERN "text" EXCLUDE PATTERN "image_codecs" EXCLUDE)
install(FILES src/platform/text/logical_font.h
        DESTINATION ${WAYBAND_INTERNAL_INCLUDEDIR}/platform/text)
install(EXPORT waybandTargets NAMESPACE wayband::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)
# The Qt host is the package's component "qt": its own export set, which
# find_package(wayband COMPONENTS qt) loads after finding Qt 6 Widgets.
if(TARGET wayband_qt)
  install(TARGETS wayband_qt EXPORT waybandQtTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY hosts/qt DESTINATION ${WAYBAND_INTERNAL_INCLUDEDIR}
          FILES_MATCHING PATTERN "*.h")
  install(EXPORT waybandQtTargets NAMESPACE wayband::
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)
endif()

configure_package_config_file(cmake/waybandConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/waybandConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/waybandConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/waybandConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/waybandConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/wayband)

# pkg-config: a static library needs its text libraries on every link, a shared one only
# its own; a sanitized library needs the sanitizer runtimes.
if(BUILD_SHARED_LIBS)
  set(WAYBAND_PC_REQUIRES_KIND "Requires.private")
else()
  set(WAYBAND_PC_REQUIRES_KIND "Requires")
endif()
set(WAYBAND_PC_LINK_FLAGS "")
if(WAYBAND_SANITIZE)
  list(JOIN WAYBAND_SANITIZE_FLAGS " " WAYBAND_PC_LINK_FLAGS)
endif()
# The files find the prefix from their own place, so an install tree can be moved or
# installed with --prefix.
file(RELATIVE_PATH WAYBAND_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" WAYBAND_PC_TO_PREFIX "${WAYBAND_PC_TO_PREFIX}")
foreach(pc IN ITEMS wayband wayband-headless)
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
