# The Windows program as it is shipped: resources compiled into velmaro.exe,
# the DLLs and plugins it needs beside it, and an NSIS installer and a zip
# made by CPack. Included by Packaging.cmake when building for Windows.

enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# ---- Resources -------------------------------------------------------------
# One icon file per icon group, packed from the group's renders.
set(VELMARO_ICON_DIR "${PROJECT_BINARY_DIR}/icons")
set(velmaro_icon_files "")
foreach(group 128 157 158 172 184)
    file(GLOB renders "${PROJECT_SOURCE_DIR}/src/res/images/icon_${group}_*.png")
    set(ico "${VELMARO_ICON_DIR}/icon_${group}.ico")
    add_custom_command(OUTPUT "${ico}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${VELMARO_ICON_DIR}"
        COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/packaging/windows/make-ico.py"
                "${ico}" ${renders}
        DEPENDS ${renders} "${PROJECT_SOURCE_DIR}/packaging/windows/make-ico.py"
        VERBATIM)
    list(APPEND velmaro_icon_files "${ico}")
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/velmaro.rc.in"
               "${PROJECT_BINARY_DIR}/velmaro.rc" @ONLY)
target_sources(velmaro PRIVATE "${PROJECT_BINARY_DIR}/velmaro.rc")
add_custom_target(velmaro_icons DEPENDS ${velmaro_icon_files})
add_dependencies(velmaro velmaro_icons)
set_source_files_properties("${PROJECT_BINARY_DIR}/velmaro.rc" TARGET_DIRECTORY velmaro
                            PROPERTIES OBJECT_DEPENDS "${velmaro_icon_files}")

# ---- What the program loads beside it -------------------------------------
# Qt's libraries, the windows platform plugin and the native style, and the
# compiler's runtime, copied stripped into deploy/ (their symbols are half
# their size and serve nobody here).
set(VELMARO_DEPLOY_DIR "${PROJECT_BINARY_DIR}/deploy")
set(velmaro_deployed "")
function(velmaro_deploy source subdir)
    get_filename_component(name "${source}" NAME)
    if(name MATCHES "^\\$<")
        message(FATAL_ERROR "velmaro_deploy: give the file name of ${source}")
    endif()
    set(target_file "${VELMARO_DEPLOY_DIR}/${subdir}/${name}")
    add_custom_command(OUTPUT "${target_file}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${VELMARO_DEPLOY_DIR}/${subdir}"
        COMMAND "${CMAKE_STRIP}" --strip-unneeded -o "${target_file}" "${source}"
        DEPENDS "${source}" VERBATIM)
    install(FILES "${target_file}" DESTINATION "${subdir}")
    set(velmaro_deployed ${velmaro_deployed} "${target_file}" PARENT_SCOPE)
endfunction()

foreach(module Core Gui Widgets)
    get_target_property(dll Qt6::${module} IMPORTED_LOCATION_RELEASE)
    velmaro_deploy("${dll}" .)
endforeach()
get_target_property(dll Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
velmaro_deploy("${dll}" platforms)
get_target_property(dll Qt6::QWindowsVistaStylePlugin IMPORTED_LOCATION_RELEASE)
velmaro_deploy("${dll}" styles)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime}
                    OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
        message(FATAL_ERROR "The compiler's runtime ${runtime} is not found")
    endif()
    velmaro_deploy("${dll}" .)
endforeach()
add_custom_target(velmaro_deploy ALL DEPENDS ${velmaro_deployed})

# Every DLL that the program, a library or a plugin imports must be in the
# package or be part of Windows; checked before CPack packs anything, and by
# a test on an install of the build.
set(velmaro_check_script "${PROJECT_BINARY_DIR}/CheckPackageImports.cmake")
file(WRITE "${velmaro_check_script}"
     "# Run by CPack on the folder it is about to pack.\n"
     "set(OBJDUMP \"${CMAKE_OBJDUMP}\")\n"
     "set(TREE \"\${CPACK_TEMPORARY_INSTALL_DIRECTORY}\")\n"
     "include(\"${PROJECT_SOURCE_DIR}/cmake/CheckWindowsImports.cmake\")\n")
set(CPACK_PRE_BUILD_SCRIPTS "${velmaro_check_script}")

if(VELMARO_BUILD_TESTS)
    add_test(NAME packaging.windows_imports
             COMMAND "${CMAKE_COMMAND}" -D "BUILD_DIR=${PROJECT_BINARY_DIR}"
                     -D "TREE=${PROJECT_BINARY_DIR}/install-tree" -D "OBJDUMP=${CMAKE_OBJDUMP}"
                     -P "${PROJECT_SOURCE_DIR}/cmake/CheckWindowsImports.cmake")
endif()

# ---- Installer and zip -------------------------------------------------------
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_FILE_NAME "velmaro-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velmaro")
set(CPACK_PACKAGE_EXECUTABLES "velmaro;Velmaro")
# Debian's NSIS makes a 32-bit installer by default, which a 64-bit-only
# Windows (or Wine prefix) cannot start; the program goes into the 64-bit
# Program Files. The installer's own version information comes along (in a
# file of its own: CPack would split quoted values here).
# The uninstaller takes the vendor's key along with the program's when no other
# program of the vendor's is left under it: CPack's own removes only the
# program's and leaves an empty vendor key behind. It takes the user's setting
# of the program too (the language chosen in the window menu, which the
# program keeps under Software\Oskelta\Velmaro, src/res/language.cpp).
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_VERSION}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!insertmacro VelmaroRemoveRegistryKeys")
file(WRITE "${PROJECT_BINARY_DIR}/installer.nsh"
     "Target amd64-unicode\n"
     "!macro VelmaroRemoveRegistryKeys\n"
     "  DeleteRegKey SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\"\n"
     "  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"\n"
     "  DeleteRegKey HKCU \"Software\\Oskelta\\Velmaro\"\n"
     "  DeleteRegKey /ifempty HKCU \"Software\\Oskelta\"\n"
     "!macroend\n"
     "VIProductVersion ${PROJECT_VERSION}.0\n"
     "VIAddVersionKey ProductName Velmaro\n"
     "VIAddVersionKey ProductVersion ${PROJECT_VERSION}\n"
     "VIAddVersionKey FileVersion ${PROJECT_VERSION}\n"
     "VIAddVersionKey FileDescription \"Velmaro ${PROJECT_VERSION} Setup\"\n"
     "VIAddVersionKey CompanyName \"${CPACK_PACKAGE_VENDOR}\"\n"
     "VIAddVersionKey LegalCopyright \"${CPACK_PACKAGE_VENDOR}\"\n")
set(CPACK_NSIS_DEFINES "!include ${PROJECT_BINARY_DIR}/installer.nsh")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Velmaro ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Velmaro ${PROJECT_VERSION}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALLED_ICON_NAME "velmaro.exe")
set(CPACK_NSIS_MUI_ICON "${VELMARO_ICON_DIR}/icon_128.ico")
set(CPACK_NSIS_MUI_UNIICON "${VELMARO_ICON_DIR}/icon_128.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
