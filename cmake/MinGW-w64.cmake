# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads flavour): C, C++ and
# the resource compiler. The static Qt for Windows is built with this file (scripts/
# build-windows-qt.sh) and its qt.toolchain.cmake chain-loads it for the project's Windows build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
find_program(TARQ_MINGW_CC NAMES x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-gcc REQUIRED)
find_program(TARQ_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++ REQUIRED)
find_program(TARQ_MINGW_RC NAMES x86_64-w64-mingw32-windres REQUIRED)
set(CMAKE_C_COMPILER ${TARQ_MINGW_CC})
set(CMAKE_CXX_COMPILER ${TARQ_MINGW_CXX})
set(CMAKE_RC_COMPILER ${TARQ_MINGW_RC})
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Programs link statically (the MinGW runtime inside, nothing to ship beside them), and the
# programs the build runs, and the tests, run through Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
