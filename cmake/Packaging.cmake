# Installing the converter as a desktop program, and packaging it with CPack.
#
# The program itself is installed by src/app. On Linux and the other freedesktop
# systems this adds its menu entry, its icon in the hicolor theme, its
# software-centre entry (all named by the application id below), its manual
# page, and a Debian package. On Windows, WindowsPackaging.cmake adds the program's resources,
# the DLLs it needs, an installer and a zip. Nothing here has been tried on
# macOS: there only the program is installed and CPack keeps its defaults.

set(VELMARO_APP_ID "example.oskelta.Velmaro")
set(VELMARO_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set(VELMARO_DESKTOP_FILE "${VELMARO_PACKAGING_DIR}/${VELMARO_APP_ID}.desktop")
set(VELMARO_METAINFO_FILE "${VELMARO_PACKAGING_DIR}/${VELMARO_APP_ID}.metainfo.xml")
# Pixel sizes of the application icon's renders (src/res/images/icon_128_<n>.png)
# that go into the icon theme.
set(VELMARO_ICON_SIZES 16 32 48 64 128 256)

# The software-centre entry lists the releases newest first; the newest must be
# the version being built, or software centres would show a stale one.
file(READ "${VELMARO_METAINFO_FILE}" velmaro_metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" velmaro_newest_release "${velmaro_metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${VELMARO_METAINFO_FILE}: the newest release is "
                        "\"${CMAKE_MATCH_1}\", the project is ${PROJECT_VERSION}; "
                        "add a <release> entry for ${PROJECT_VERSION}")
endif()

if(UNIX AND NOT APPLE)
    install(FILES "${VELMARO_DESKTOP_FILE}"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
    install(FILES "${VELMARO_METAINFO_FILE}"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
    foreach(size IN LISTS VELMARO_ICON_SIZES)
        install(FILES "${PROJECT_SOURCE_DIR}/src/res/images/icon_128_${size}.png"
                DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps"
                RENAME "${VELMARO_APP_ID}.png")
    endforeach()
    # The large drawing holds no text, so it scales without the program's fonts.
    install(FILES "${PROJECT_SOURCE_DIR}/src/res/art/icon_128.svg"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps"
            RENAME "${VELMARO_APP_ID}.svg")
    install(FILES "${VELMARO_PACKAGING_DIR}/copyright"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/velmaro")
    # The program's manual page: its options (the language of a run) and the
    # one setting it keeps.
    install(FILES "${VELMARO_PACKAGING_DIR}/velmaro.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endif()

# ---- Package -------------------------------------------------------------
set(CPACK_PACKAGE_NAME "velmaro")
set(CPACK_PACKAGE_VENDOR "Oskelta Instruments Co., Ltd.")
set(CPACK_PACKAGE_CONTACT "Oskelta Instruments Co., Ltd. <velmaro@oskelta.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.oskelta.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for thermal and process engineers")
# The long description as the package manager shows it, in lines of under 80.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velmaro converts pressure, temperature, mass and volume flow, the outputs\n"
    "of thermocouples (types S, R, B, K, N, E, J, T by ITS-90) and resistance\n"
    "thermometers (Pt100, Pt10, Cu100, Cu50), and 17 further quantities from\n"
    "length to surface tension. Typing into the field of one unit updates every\n"
    "other unit of the same quantity at once. The interface is in Simplified\n"
    "Chinese and in English, as the desktop's language or the window menu\n"
    "chooses. The console program velmaro-convert gives the same conversions,\n"
    "sensor values and ITS-90 reference tables to scripts.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION "science")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    # Libraries are found from the binary; what it loads at run time is not:
    # Qt's platform plugins, and the faces the windows are drawn in.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, fonts-liberation2")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
elseif(WIN32)
    include(cmake/WindowsPackaging.cmake)
endif()

include(CPack)

# ---- Checks of the desktop files -----------------------------------------
if(VELMARO_BUILD_TESTS AND UNIX AND NOT APPLE)
    find_program(VELMARO_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(VELMARO_APPSTREAMCLI appstreamcli)
    if(VELMARO_DESKTOP_FILE_VALIDATE)
        add_test(NAME packaging.desktop_entry_valid
                 COMMAND "${VELMARO_DESKTOP_FILE_VALIDATE}" "${VELMARO_DESKTOP_FILE}")
    endif()
    if(VELMARO_APPSTREAMCLI)
        add_test(NAME packaging.metainfo_valid
                 COMMAND "${VELMARO_APPSTREAMCLI}" validate --no-net "${VELMARO_METAINFO_FILE}")
    endif()
    # Installs into a folder of the build tree and checks that every file lands
    # where desktops look for it and that the entries refer to each other.
    add_test(NAME packaging.install_tree
             COMMAND "${CMAKE_COMMAND}"
                     -D "BUILD_DIR=${PROJECT_BINARY_DIR}"
                     -D "TREE=${PROJECT_BINARY_DIR}/install-tree"
                     -D "APP_ID=${VELMARO_APP_ID}"
                     -D "ICON_SIZES=${VELMARO_ICON_SIZES}"
                     -D "APPSTREAMCLI=${VELMARO_APPSTREAMCLI}"
                     -D "MAN_PAGE=$<BOOL:${VELMARO_HELP2MAN}>"
                     -P "${PROJECT_SOURCE_DIR}/cmake/CheckInstallTree.cmake")
endif()
