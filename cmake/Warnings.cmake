# The compiler warnings every target of the project is built with. Each target links
# vignetta_warnings PRIVATE, so the options apply to our own sources only: Qt, GoogleTest and
# Google Benchmark headers come in as system headers and stay quiet.
add_library(vignetta_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(vignetta_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wcast-align -Wformat=2 -Wimplicit-fallthrough)
endif()
# Off by default: a newer compiler may bring new warnings, and a build should not fail for them.
option(VIGNETTA_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(VIGNETTA_WARNINGS_AS_ERRORS)
    target_compile_options(vignetta_warnings INTERFACE -Werror)
endif()
