# Cross build for Windows x86_64 with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
# Programs are linked statically, so they run without the compiler's DLLs; they run
# here under Wine (wine64), which CTest and the build use to start them.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
