# What each system's package holds, and how CPack makes it (scripts/package):
# on Linux a Debian package for /usr, on Windows a zip with the two programs
# and a read-me beside them, where the image file is to go.

set(CPACK_PACKAGE_NAME z5t8-updater)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Z5T8 updater maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "firmware updater for the Z5T8 phone")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# A package needs only the two programs built, not the whole tree (tools,
# demos, benchmarks): installing then builds nothing by itself.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

if(WIN32)
  install(TARGETS z5t8-updater z5t8-flash RUNTIME DESTINATION .)
  # Notepad on older Windows reads a text file as UTF-8 only with the byte
  # order mark the source keeps, and wants CR LF line ends.
  set(readme ${CMAKE_BINARY_DIR}/package/README.txt)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt.in ${readme} @ONLY NEWLINE_STYLE WIN32)
  install(FILES ${readme} DESTINATION .)

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)
else()
  include(GNUInstallDirs)
  install(TARGETS z5t8-updater z5t8-flash RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/z5t8-updater.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/z5t8-updater.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
  # The software catalogue's entry, under a reverse-domain name of no real domain.
  set(metainfo ${CMAKE_BINARY_DIR}/package/invalid.z5t8_updater.Updater.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/resources/invalid.z5t8_updater.Updater.metainfo.xml.in ${metainfo} @ONLY)
  install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/z5t8-updater)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(Z5T8_PACKAGE_MAINTAINER "Z5T8 updater maintainers <maintainers@z5t8-updater.invalid>"
    CACHE STRING "The Debian package's Maintainer field")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${Z5T8_PACKAGE_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Updates the firmware of a Z5T8 phone (Taiwan build) over the phone's USB data
cable from the image file in the working folder. z5t8-updater is a small
skinned window in Traditional Chinese; z5t8-flash runs the same update on
the command line.")
  # The libraries come from dpkg-shlibdeps; the fonts are what the window's
  # texts are matched to: a Ming face and the rounded face for the Chinese
  # texts, DejaVu for the Latin ones.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-cwtex-yen, fonts-dejavu-core")
endif()

include(CPack)
