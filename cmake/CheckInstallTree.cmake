# Installs the build into TREE and checks the desktop program's files there:
#   cmake -D BUILD_DIR=... -D TREE=... -D APP_ID=... -D "ICON_SIZES=16;32;..."
#         [-D APPSTREAMCLI=/usr/bin/appstreamcli] [-D MAN_PAGE=1] -P CheckInstallTree.cmake
# Run by the test packaging.install_tree.

file(REMOVE_RECURSE "${TREE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}"
                OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${installed})")
endif()

set(failures "")

set(desktop "${TREE}/share/applications/${APP_ID}.desktop")
set(metainfo "${TREE}/share/metainfo/${APP_ID}.metainfo.xml")
set(console_files "${TREE}/bin/velmaro-convert")
if(MAN_PAGE)
    list(APPEND console_files "${TREE}/share/man/man1/velmaro-convert.1")
endif()
foreach(file IN ITEMS "${TREE}/bin/velmaro" "${TREE}/share/man/man1/velmaro.1" "${desktop}" "${metainfo}"
                      "${TREE}/share/icons/hicolor/scalable/apps/${APP_ID}.svg" ${console_files})
    if(NOT EXISTS "${file}")
        list(APPEND failures "missing: ${file}")
    endif()
endforeach()

# Each icon must be a PNG of the size its folder names: a theme scales by the
# folder, so a misplaced render shows blurred or cut.
foreach(size IN LISTS ICON_SIZES)
    set(icon "${TREE}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${icon}")
        list(APPEND failures "missing: ${icon}")
        continue()
    endif()
    # PNG signature (8 bytes), IHDR length and tag (8), width and height (4 + 4, big-endian).
    file(READ "${icon}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        list(APPEND failures "not a PNG: ${icon}")
    elseif(NOT (width EQUAL size AND height EQUAL size))
        list(APPEND failures "${icon} is ${width} x ${height}, not ${size} x ${size}")
    endif()
endforeach()

# The menu entry names the installed program and icon.
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
    file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
    if(NOT icon_line STREQUAL "Icon=${APP_ID}")
        list(APPEND failures "${desktop}: ${icon_line}, not Icon=${APP_ID}")
    endif()
    string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" program "${exec_line}")
    if(NOT EXISTS "${TREE}/bin/${program}")
        list(APPEND failures "${desktop}: Exec names ${program}, which is not installed")
    endif()
endif()

# The software-centre entry, read as a desktop would read it from the tree.
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${TREE}"
                    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE valid)
    if(NOT valid EQUAL 0)
        list(APPEND failures "appstreamcli validate-tree:\n${report}")
    endif()
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install tree ${TREE}:\n  ${text}")
endif()
message(STATUS "install tree ${TREE}: complete")
