# Desktop integration for "cmake --install", and the Debian package that "cpack" makes from a
# configured tree (scripts/package does both).
if(NOT (UNIX AND NOT APPLE))
    return()
endif()

set(T2Q_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d only: under another prefix (/usr/local)
# the rule is installed but inactive, so point this at an absolute path there.
set(T2Q_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Where the udev rule is installed: relative to the install prefix, or absolute")
install(FILES ${T2Q_PACKAGING_DIR}/linux/70-tavrin.rules DESTINATION ${T2Q_UDEV_RULES_DIR})
install(FILES ${T2Q_PACKAGING_DIR}/linux/tavrin2qt.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${T2Q_PACKAGING_DIR}/linux/icons/tavrin2qt.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 32 48 64 128 256)
    install(FILES ${T2Q_PACKAGING_DIR}/linux/icons/tavrin2qt-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME tavrin2qt.png)
endforeach()

if(BUILD_TESTING)
    add_test(NAME tst_maintainerscripts
        COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/tst_maintainerscripts.sh ${T2Q_PACKAGING_DIR}/linux/debian)
    find_program(T2Q_DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(T2Q_DESKTOP_FILE_VALIDATE)
        add_test(NAME tst_desktopentry
            COMMAND ${T2Q_DESKTOP_FILE_VALIDATE} ${T2Q_PACKAGING_DIR}/linux/tavrin2qt.desktop)
    endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin2qt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# One line each, as the control file shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Configures the Tavrin family of USB call-station transmitters: Tavrin II,"
    "Dalen Tavrin and Dalen Tavrin - 2 Button. It reads a device's settings into"
    "a form, writes them back, keeps them in configuration files, programs pagers"
    "through the device and upgrades its firmware."
    ""
    "The package installs a udev rule that gives the logged-in user access to"
    "the devices.")
set(CPACK_PACKAGE_CONTACT "tavrin2qt maintainers <tavrin2qt@example.invalid>" CACHE STRING
    "Maintainer of the Debian package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are only a recommendation of
# libqt6gui6, and without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# dfu-programmer does the flashing for tavrin-flash; Qt's translations translate standard buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dfu-programmer, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${T2Q_PACKAGING_DIR}/linux/debian/postinst ${T2Q_PACKAGING_DIR}/linux/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
