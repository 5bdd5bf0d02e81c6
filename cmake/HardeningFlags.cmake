# Release builds for Linux (and so the Debian package) are compiled and linked
# with Debian's hardening flags, as dpkg-buildflags gives them for a package
# that asks for all of them: the stack protector, _FORTIFY_SOURCE, format
# string checks, full RELRO with immediate binding, and position-independent
# executables (which Debian's compiler makes by default; dpkg-buildflags adds
# the flags where it does not). The optimisation level stays CMake's and the
# release carries no debug information. scripts/check-hardening.sh checks the
# packaged binaries with hardening-check.

if(NOT CMAKE_BUILD_TYPE STREQUAL "Release" OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"
   OR VELMARO_SANITIZE OR VELMARO_FUZZ)
    return()
endif()

find_program(VELMARO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VELMARO_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (package dpkg-dev) gives a Linux release its "
                        "hardening flags; install it (scripts/install-deps.sh)")
endif()

foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" "${VELMARO_DPKG_BUILDFLAGS}" --get ${kind}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(velmaro_${kind} ${flags})
endforeach()
add_compile_options(${velmaro_CPPFLAGS} ${velmaro_CXXFLAGS})
add_link_options(${velmaro_LDFLAGS})
message(STATUS "Hardening flags from dpkg-buildflags: ${velmaro_CPPFLAGS} ${velmaro_CXXFLAGS} "
               "${velmaro_LDFLAGS}")
