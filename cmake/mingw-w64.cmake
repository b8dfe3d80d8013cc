# Cross-builds the Windows programs and tests on Debian with its mingw-w64 (the posix thread
# model, for std::thread and std::mutex), and runs what it builds under Wine:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#   ctest --test-dir build-windows        # each test through wine
#
# Everything is linked statically (libgcc, libstdc++, winpthread), so an .exe needs only
# Windows' own DLLs: `x86_64-w64-mingw32-objdump -p zmatch.exe | grep 'DLL Name'`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZCHART_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZCHART_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZCHART_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZCHART_MINGW_TRIPLE}-windres)

# Headers and libraries from the target's root only; programs (the host's tools) from the
# host. pkg-config must not hand the host's libraries to a Windows build either.
set(CMAKE_FIND_ROOT_PATH /usr/${ZCHART_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/${ZCHART_MINGW_TRIPLE}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Libraries found in the root are linked statically too (zlib, which the tests read back
# our PNG with: Debian's libz-mingw-w64-dev).
set(ZLIB_USE_STATIC_LIBS ON)

# ctest and gtest_discover_tests start each Windows executable through Wine. The caller
# chooses the prefix (WINEPREFIX) and quiets Wine's own log (WINEDEBUG=-all).
find_program(ZCHART_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZCHART_WINE})
