# Checks a folder of the Windows program for DLLs it would miss at run time,
# and its programs for Windows' exploit mitigations:
#   cmake -D TREE=<folder> -D OBJDUMP=<mingw objdump> [-D BUILD_DIR=<build>]
#         -P CheckWindowsImports.cmake
# With BUILD_DIR the build is installed into TREE first. Every DLL that
# velmaro.exe, a DLL or a plugin imports must lie in the folder beside
# velmaro.exe (where Windows looks first) or be one of Windows' own
# (packaging/windows/system-dlls.txt); the plugins the program loads by name
# must be there. Both programs must be marked for address-space layout
# randomisation with 64-bit entropy and for data execution prevention. Fails
# naming each missing file and each missing mark.

cmake_minimum_required(VERSION 3.25)

set(programs velmaro.exe velmaro-convert.exe)
set(required ${programs} platforms/qwindows.dll styles/qwindowsvistastyle.dll)
# The DllCharacteristics flags objdump -p names.
set(mitigations DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA)

if(BUILD_DIR)
    file(REMOVE_RECURSE "${TREE}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}"
                    OUTPUT_QUIET RESULT_VARIABLE installed)
    if(NOT installed EQUAL 0)
        message(FATAL_ERROR "cmake --install failed (${installed})")
    endif()
endif()

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/system-dlls.txt" system_dlls
     REGEX "^[^#]")
list(TRANSFORM system_dlls TOLOWER)

set(failures "")
foreach(file IN LISTS required)
    if(NOT EXISTS "${TREE}/${file}")
        list(APPEND failures "missing: ${file}")
    endif()
endforeach()

file(GLOB beside RELATIVE "${TREE}" "${TREE}/*.dll")
list(TRANSFORM beside TOLOWER)
file(GLOB_RECURSE binaries RELATIVE "${TREE}" "${TREE}/*.exe" "${TREE}/*.dll")
foreach(binary IN LISTS binaries)
    execute_process(COMMAND "${OBJDUMP}" -p "${TREE}/${binary}"
                    OUTPUT_VARIABLE dump RESULT_VARIABLE dumped)
    if(NOT dumped EQUAL 0)
        list(APPEND failures "${binary}: ${OBJDUMP} failed")
        continue()
    endif()
    if(binary IN_LIST programs)
        foreach(flag IN LISTS mitigations)
            if(NOT dump MATCHES "\n[\t ]+${flag}\n")
                list(APPEND failures "${binary} is not marked ${flag}")
            endif()
        endforeach()
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "DLL Name: " "" dll "${import}")
        string(STRIP "${dll}" dll)
        string(TOLOWER "${dll}" lower)
        if(lower IN_LIST beside OR lower IN_LIST system_dlls OR lower MATCHES "^api-ms-win-")
            continue()
        endif()
        list(APPEND failures "${binary} needs ${dll}, which is not in the package")
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The Windows package would not start or lacks a mitigation:\n  ${text}")
endif()
list(LENGTH binaries count)
list(JOIN mitigations ", " marks)
message(STATUS "All imports of ${count} programs and DLLs are in the package or in Windows; "
               "both programs are marked ${marks}")
