# Cross-building the Windows program on Linux with Debian's MinGW-w64
# (g++-mingw-w64-x86-64):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#   cmake --build build-windows -j2
#
# The programs come out as build-windows/skinbuilder.exe and
# build-windows/skinbuilder_tests.exe; with Wine installed, ctest runs the
# tests under it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The compilers of the "posix" thread model: GoogleTest needs std::mutex,
# which the "win32" model's C++ library (GCC 12) lacks. Its threads library
# is linked in statically like the rest.
set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW tree only, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config is the host's; it must not offer the host's libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${MINGW_PREFIX}/lib/pkgconfig)

# The C++ and GCC run-time libraries go into the programs themselves, so an
# .exe runs on any Windows (and under Wine) without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the test binary under Wine when Wine is there, in a Wine
# folder (prefix) of the build's own, so nothing depends on ~/.wine. Wine's
# own messages are off, and a new prefix installs neither Mono nor Gecko
# (nothing here needs .NET or a browser; their installers would ask).
find_program(WINE_PROGRAM NAMES wine)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
      "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d" ${WINE_PROGRAM})
endif()
