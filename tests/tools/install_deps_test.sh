#!/bin/sh
# The installer's choice on a machine that starts 32-bit programs, with stand-ins for apt-get,
# dpkg, dpkg-query and sleep: where the :i386 install fails after its retries, it says so in one
# line, installs the rest, and exits 0, so that the Windows tests take the 64-bit build
# (tools/wine-32-bit.sh then answers no); where it succeeds, 32-bit Wine is installed.
# usage: install_deps_test.sh SOURCE_DIR
set -u
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "install_deps_test: $*"
    [ -f "$work/out" ] && cat "$work/out"
    exit 1
}

# A copy of the tools, on a machine that starts 32-bit programs.
mkdir -p "$work/tools" "$work/bin"
cp "$source/tools/install-deps.sh" "$source/tools/wine-32-bit.sh" "$work/tools/"
printf '#!/bin/sh\nexit 0\n' > "$work/tools/runs-32-bit.sh"
# Packages are installed when apt-get installs them; an :i386 one fails while the machine says so.
cat > "$work/bin/apt-get" <<'STANDIN'
#!/bin/sh
echo "apt-get $*" >> "$STANDIN_LOG"
[ "$1" = update ] && exit 0
shift
for package in "$@"; do
    case $package in
    -*) ;;
    *:i386) if [ -f "$STANDIN_I386_FAILS" ]; then
            echo "The following packages have unmet dependencies: $package"
            exit 100
        fi
        echo "$package" >> "$STANDIN_INSTALLED" ;;
    *) echo "$package" >> "$STANDIN_INSTALLED" ;;
    esac
done
STANDIN
cat > "$work/bin/dpkg-query" <<'STANDIN'
#!/bin/sh
package=$(eval echo "\${$#}")
grep -qx "$package" "$STANDIN_INSTALLED" 2> /dev/null && echo "install ok installed"
STANDIN
printf '#!/bin/sh\nexit 0\n' > "$work/bin/dpkg"
printf '#!/bin/sh\nexit 0\n' > "$work/bin/sleep"
printf '#!/bin/sh\necho 0\n' > "$work/bin/id"
chmod +x "$work/bin/"* "$work/tools/"*
export PATH="$work/bin:$PATH" STANDIN_LOG="$work/log" STANDIN_INSTALLED="$work/installed"
export STANDIN_I386_FAILS="$work/i386-fails"

for case in fails passes; do
    : > "$work/log"
    : > "$work/installed"
    rm -f "$work/i386-fails"
    [ "$case" = fails ] && touch "$work/i386-fails"
    "$work/tools/install-deps.sh" test > "$work/out" 2>&1 || fail "$case: exit status $?"
    grep -qx "wine" "$work/installed" || fail "$case: the 64-bit packages were not installed"
    said=$(grep -c "32-bit Wine cannot be installed here" "$work/out")
    tries=$(grep -c "install .*wine32:i386" "$work/log")
    if [ "$case" = fails ]; then
        [ "$said" = 1 ] || fail "fails: said $said times that 32-bit Wine cannot be installed"
        [ "$tries" = 3 ] || fail "fails: tried the :i386 install $tries times, not 3"
        ! grep -q "unmet dependencies" "$work/out" || fail "fails: apt-get's page was shown"
        ! "$work/tools/wine-32-bit.sh" || fail "fails: the 32-bit Wine tests were chosen"
    else
        [ "$said" = 0 ] || fail "passes: said that 32-bit Wine cannot be installed"
        "$work/tools/wine-32-bit.sh" || fail "passes: the 32-bit Wine tests were not chosen"
    fi
done
echo "the :i386 install failing falls back to the 64-bit build in one line; passing, takes 32-bit Wine"
