#!/bin/sh
# Installs what the named make targets need and the machine lacks, from Debian's packages, and
# nothing that is already there. As root it runs apt-get itself, otherwise through sudo; with
# neither it says what to install and stops.
# usage: install-deps.sh TARGET...   (a make target: run, test, bench, fuzz, dist, screenshot,
#                                     format, tidy, or a build: linux, win32, win64, memcheck)
set -eu

# What each target needs, beyond git and make.
preview="cmake g++ zlib1g-dev libbz2-dev liblzma-dev"
# The Linux tests hold the reading of mail against GMime's.
oracle="pkg-config libgmime-3.0-dev"
windows="g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686"
windows64="g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64"
wine="wine xvfb xauth locales"
# 32-bit Wine only where 32-bit programs can start at all: elsewhere it is of no use. It is
# installed apart, and last: its i386 packages are the ones a mirror caught mid-sync cannot serve,
# and without them the Windows tests take the 64-bit build, as where no 32-bit program starts.
here=$(dirname "$0")
wine32=""
packages=""
for target in "$@"; do
    case $target in
    run) packages="$packages $preview" ;;
    linux) packages="$packages $preview $oracle libgtest-dev" ;;
    win32) packages="$packages cmake $windows googletest python3" ;;
    win64) packages="$packages cmake $windows64 googletest python3 wine64 xvfb xauth locales" ;;
    memcheck) packages="$packages $preview valgrind" ;;
    bench)
        packages="$packages $preview libbenchmark-dev valgrind"
        packages="$packages $windows googletest $wine python3"
        wine32="wine32:i386"
        ;;
    fuzz) packages="$packages $preview clang libclang-rt-14-dev" ;;
    dist) packages="$packages cmake $windows python3" ;;
    test)
        packages="$packages $preview $oracle libgtest-dev googletest clang libclang-rt-14-dev valgrind"
        packages="$packages $windows $wine python3"
        wine32="wine32:i386"
        ;;
    screenshot)
        packages="$packages cmake $windows googletest $wine python3 fontconfig"
        packages="$packages fonts-ipafont-gothic"
        wine32="wine32:i386"
        ;;
    format) packages="$packages clang-format" ;;
    tidy) packages="$packages $preview $oracle libgtest-dev clang-tidy python3" ;;
    *)
        echo "install-deps.sh: unknown target $target" >&2
        exit 2
        ;;
    esac
done

missing_of() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done | sort -u | tr '\n' ' '
}
missing=$(missing_of $packages)
if [ -n "$wine32" ] && "$here/runs-32-bit.sh"; then
    missing32=$(missing_of $wine32)
else
    missing32=""
fi
[ -z "$missing$missing32" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo > /dev/null 2>&1; then
    sudo="sudo"
else
    case $missing32 in *:i386*) arch="dpkg --add-architecture i386 && " ;; *) arch="" ;; esac
    echo "These packages are missing: $missing$missing32; install them as root with:" \
        "${arch}apt-get update && apt-get install --no-install-recommends $missing$missing32" >&2
    exit 1
fi

# A mirror caught mid-sync fails the update for one index; the lists already there still serve,
# except for packages that must match a newer version from that index: then a later try passes.
install() {
    $sudo apt-get update -q ||
        echo "install-deps.sh: apt-get update failed; installing from the lists there are" >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@"
}

# Installs the packages, trying twice more after a pause; false when it cannot.
install_with_retries() {
    for pause in 30 60 0; do
        install "$@" && return 0
        [ "$pause" = 0 ] && break
        echo "install-deps.sh: the install failed (a package mirror in the middle of an update?);" \
            "trying again in $pause s" >&2
        sleep "$pause"
    done
    return 1
}

if [ -n "$missing" ]; then
    echo "Installing: $missing"
    # shellcheck disable=SC2086 # one word a package
    if ! install_with_retries $missing; then
        echo "install-deps.sh: could not install: $missing. If apt-get says \"Mirror sync in" \
            "progress\" above, the package mirror is being updated: try again later." >&2
        exit 1
    fi
fi
if [ -n "$missing32" ]; then
    echo "Installing: $missing32"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    log=$(mktemp)
    # shellcheck disable=SC2086 # one word a package
    if ! install_with_retries $missing32 > "$log" 2>&1; then
        echo "install-deps.sh: 32-bit Wine cannot be installed here (the i386 package lists" \
            "cannot be fetched or its packages not satisfied; apt-get's words are in $log):" \
            "the Windows tests run on the 64-bit build instead."
        exit 0
    fi
    rm -f "$log"
fi
