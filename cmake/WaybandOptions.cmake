# Warnings of the project's own targets. They are build-only usage requirements: nothing
# installed or consumed carries them, and they are errors only where WAYBAND_WERROR says so
# (on when Wayband is the top-level project, off when another project adds it).
add_library(wayband_warnings INTERFACE)
target_compile_options(wayband_warnings INTERFACE -Wall -Wextra -Wpedantic
                                                  $<$<BOOL:${WAYBAND_WERROR}>:-Werror>)

# The sanitizer build instruments the library, and its usage requirements carry the flags to
# everything that links it: the project's tests and tools, a program that adds the project
# with add_subdirectory, and one that finds the installed package (the exported target and
# wayband.pc both ask for the sanitizer runtimes at link time).
set(WAYBAND_SANITIZE_FLAGS -fsanitize=address,undefined)
set(WAYBAND_SANITIZE_COMPILE_FLAGS ${WAYBAND_SANITIZE_FLAGS} -fno-omit-frame-pointer
                                   -fno-sanitize-recover=undefined)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
  set(CMAKE_C_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

if(WAYBAND_FUZZ)
  # Instrument the library for coverage so the fuzzers can steer into it.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
