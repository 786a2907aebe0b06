# Compile options shared by every target of the project: warnings are errors,
# and the sanitizer build instruments everything (library, tests, tools).
add_library(wayband_warnings INTERFACE)
target_compile_options(wayband_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)

if(WAYBAND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

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
