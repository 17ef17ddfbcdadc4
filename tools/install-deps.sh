#!/bin/sh
# Installs what the build and the tests need and the machine lacks: CMake, GoogleTest and GMime
# for the Linux build, clang's libFuzzer and valgrind for the memory checks, mingw-w64 (i686) for
# the Windows DLL, and 32-bit Wine with a virtual display to run the Windows tests. Installs
# nothing that is already there.
set -eu

missing=""
need() {
    dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null | grep -q '^install ok installed$' ||
        missing="$missing $1"
}
for package in cmake make g++ pkg-config libgtest-dev libbenchmark-dev googletest \
    libgmime-3.0-dev clang libclang-rt-14-dev valgrind \
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth; do
    need "$package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
# 32-bit Wine comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
