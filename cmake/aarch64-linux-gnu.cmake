# Cross build for 64-bit Arm Linux with Debian's cross compiler
# (g++-aarch64-linux-gnu); the programs and tests run under qemu-aarch64
# (qemu-user), so ctest works as on the build machine:
#   cmake -S . -B build-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
#         -DKOLVANE_UI=OFF -DKOLVANE_GTEST_SOURCE=/usr/src/googletest
# scripts/cross_test.sh does all of it.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# The target's libraries and headers come from the cross toolchain's own tree;
# programs the build runs (python3, sh) come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs (and the test discovery) run through the emulator, which finds
# the target's dynamic loader and C++ library under the same tree. The loader
# is told to take the C library from there too: left to the build machine's
# /etc/ld.so.cache it takes the machine's own arm64 libraries where Debian's
# multiarch libc6:arm64 is installed, and a C library of another build than
# the loader hangs at the first thread.
find_program(KOLVANE_QEMU_AARCH64 qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KOLVANE_QEMU_AARCH64} -L /usr/aarch64-linux-gnu -E
                                  LD_LIBRARY_PATH=/usr/aarch64-linux-gnu/lib)

# ERFA for the target: Debian's multiarch package liberfa-dev:arm64
# (scripts/setup.sh installs it), linked statically, so nothing of it is
# loaded at run time. Its header is the same for every processor and lies
# among the build machine's headers, so it is searched only after the
# target's own.
set(KOLVANE_ERFA_LIBRARY /usr/lib/aarch64-linux-gnu/liberfa.a CACHE FILEPATH "ERFA for aarch64")
set(KOLVANE_ERFA_HEADERS_AFTER /usr/include CACHE PATH "Folder of erfa.h")
