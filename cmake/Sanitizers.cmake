# Instrumented builds.
#
# VELMARO_SANITIZE: AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer on every target, with GCC or Clang. Undefined
# behaviour stops the program (no recovery), so a finding fails the test that
# hit it instead of scrolling past in its output.
#
# VELMARO_FUZZ: the same sanitizers plus libFuzzer's coverage instrumentation
# for the libraries, and the fuzz targets in fuzz/. Clang only: GCC has no
# libFuzzer. Build just the fuzz targets (the `fuzz` presets do): the window
# libraries would compile, but nothing fuzzes them.

if(VELMARO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMARO_FUZZ needs clang++ (libFuzzer); use the `fuzz` preset")
endif()

if(VELMARO_SANITIZE OR VELMARO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "The sanitizers need GCC or Clang")
    endif()
    set(VELMARO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # Clang's "undefined" already covers a double converted to an integer
        # that cannot hold it; GCC needs it named.
        list(APPEND VELMARO_SANITIZER_FLAGS -fsanitize=float-cast-overflow)
    endif()
    add_compile_options(${VELMARO_SANITIZER_FLAGS} -fno-omit-frame-pointer)
    add_link_options(${VELMARO_SANITIZER_FLAGS})
endif()

if(VELMARO_FUZZ)
    # Coverage feedback in every library; only the fuzz targets link the
    # fuzzing engine itself (-fsanitize=fuzzer, in fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
