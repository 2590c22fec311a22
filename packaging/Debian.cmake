# The Debian package: `cpack -G DEB` in the build folder writes orlun_<version>_amd64.deb with
# everything the install rules put under /usr. The libraries' packages (Qt 6, the Swiss
# Ephemeris, libical) are found by dpkg-shlibdeps; the ephemeris files and the CJK font the
# pictures are drawn with are named here. Debian wants the manual pages and the changelog
# compressed and the copyright in its own format.
set(ORLUN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orlun)
set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${changelog_gz}
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog ${changelog_gz}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
  VERBATIM)
add_custom_target(orlun_changelog ALL DEPENDS ${changelog_gz})
install(FILES debian/copyright ${changelog_gz} DESTINATION ${ORLUN_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orlun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmor Systems")
set(CPACK_PACKAGE_CONTACT "Velmor Systems <packages@velmorsystems.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calendar calculator for the Chinese lunisolar calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Orlun holds one moment and shows it at once in eight calendars and day\n"
    "counts: the Chinese lunar and solar calendars of China, Vietnam or Japan,\n"
    "the Common Era and Julian calendars, the Zodozizidu Zidevuze and the Julian\n"
    "dates, with the sexagenary names, the Moon's phase and age, for the years\n"
    "-3000 to 3000. It moves by calendar units, searches for moons, solar terms\n"
    "and element-animal days, lists festivals and lunar anniversaries and draws\n"
    "a lunar month as a calendar. The package holds the window (orlun) and the\n"
    "command line (orlun-cli).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmor Systems <packages@velmorsystems.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-standard-data, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/CPackTools.cmake)
include(CPack)
