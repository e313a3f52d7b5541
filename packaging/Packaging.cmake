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

install(FILES ${T2Q_PACKAGING_DIR}/linux/tavrin2qt-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tavrin2qt.xml)

# The AppStream id wants a reverse domain name; the project has none of its own yet.
set(T2Q_APP_ID "org.example.tavrin2qt" CACHE STRING "AppStream component id (reverse domain name)")
set(T2Q_SCREENSHOT_URL "https://tavrin2qt.example.org/screenshots/main-window.png" CACHE STRING
    "Where software centres fetch the screenshot from (made by scripts/screenshots)")
set(T2Q_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${T2Q_APP_ID}.metainfo.xml)
configure_file(${T2Q_PACKAGING_DIR}/linux/tavrin2qt.metainfo.xml.in ${T2Q_METAINFO} @ONLY)
install(FILES ${T2Q_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_CONTACT "tavrin2qt maintainers <tavrin2qt@example.invalid>" CACHE STRING
    "Maintainer of the Debian package")

# Manual pages and the changelog are compressed as Debian wants them: gzip -9, without a time stamp.
find_program(T2Q_GZIP gzip REQUIRED)
set(T2Q_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/doc)
set(T2Q_COMPRESSED_DOCS)
function(t2q_compressed_doc source)
    add_custom_command(OUTPUT ${source}.gz
        COMMAND ${T2Q_GZIP} -9nkf ${source}
        DEPENDS ${source}
        VERBATIM)
    set(T2Q_COMPRESSED_DOCS ${T2Q_COMPRESSED_DOCS} ${source}.gz PARENT_SCOPE)
endfunction()

foreach(program tavrin2qt tavrin2qt-cli tavrin-flash)
    configure_file(${T2Q_PACKAGING_DIR}/linux/man/${program}.1.in ${T2Q_DOC_DIR}/${program}.1 @ONLY)
    t2q_compressed_doc(${T2Q_DOC_DIR}/${program}.1)
    install(FILES ${T2Q_DOC_DIR}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

execute_process(COMMAND env LC_ALL=C date -u -R -d "${T2Q_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE T2Q_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${T2Q_PACKAGING_DIR}/linux/debian/changelog.in ${T2Q_DOC_DIR}/changelog @ONLY)
t2q_compressed_doc(${T2Q_DOC_DIR}/changelog)
add_custom_target(t2q_compressed_docs ALL DEPENDS ${T2Q_COMPRESSED_DOCS})
install(FILES ${T2Q_DOC_DIR}/changelog.gz ${T2Q_PACKAGING_DIR}/linux/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(BUILD_TESTING)
    add_test(NAME tst_maintainerscripts
        COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/tst_maintainerscripts.sh ${T2Q_PACKAGING_DIR}/linux/debian)
    find_program(T2Q_DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(T2Q_DESKTOP_FILE_VALIDATE)
        add_test(NAME tst_desktopentry
            COMMAND ${T2Q_DESKTOP_FILE_VALIDATE} ${T2Q_PACKAGING_DIR}/linux/tavrin2qt.desktop)
        # Hints (two main categories, say) leave the exit status at 0: any output is a failure.
        set_tests_properties(tst_desktopentry PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    endif()
    find_program(T2Q_APPSTREAMCLI appstreamcli)
    if(T2Q_APPSTREAMCLI)
        add_test(NAME tst_metainfo COMMAND ${T2Q_APPSTREAMCLI} validate --no-net --pedantic ${T2Q_METAINFO})
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
