#!/usr/bin/env bash
# End-to-end tests of the Windows engine under wine: the Linux engine answers
# every scripted scenario first, and the Windows driver then checks that the
# Windows engine answers the same bytes (apart from CR LF and nps) over
# Windows pipes, plus the searches that "stop", "quit" and the clock end.
#
# Run from the repository root after `make build windows`:
#   tests/windows/run_tests.sh [LINUX_ENGINE]
#
# The exe under test is build-windows/morvane.exe, the 32-bit program. Where
# this machine cannot execute 32-bit code at all (so 32-bit wine cannot
# start), the same sources are built as a 64-bit Windows program in
# build-windows64 and that one is tested under 64-bit wine instead.
set -euo pipefail

linux_engine=${1:-build/morvane}
jobs=${JOBS:-$(nproc)}

fail() { echo "test-windows: $*" >&2; exit 1; }

[ -x "$linux_engine" ] || fail "no Linux engine at $linux_engine (run make build)"
[ -f build-windows/morvane.exe ] || fail "no build-windows/morvane.exe (run make windows)"

# The exe a Windows user gets: a 32-bit console program that needs no DLL
# beyond the system's own.
exe_info=$(i686-w64-mingw32-objdump -p build-windows/morvane.exe)
grep -q "^Magic.*010b" <<<"$exe_info" || fail "morvane.exe is not a 32-bit PE program"
grep -q "^Subsystem.*(Windows CUI)" <<<"$exe_info" || fail "morvane.exe is not a console program"
grep -q "large address aware" <<<"$exe_info" || fail "morvane.exe is not large-address aware"
dlls=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$exe_info" | sort -u | tr '\n' ' ')
for dll in $dlls; do
    case $dll in
        kernel32.dll | msvcrt.dll) ;;
        *) fail "morvane.exe needs $dll; the runtimes must be linked statically" ;;
    esac
done
echo "morvane.exe: 32-bit console program, imports only: $dlls"

# Pick the build under test and the wine loader that runs it.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    build=build-windows
    prefix=i686-w64-mingw32
    wine=/usr/lib/wine/wine
elif [ -x /usr/lib/wine/wine64 ]; then
    echo "test-windows: this machine cannot execute 32-bit code; testing the same sources built as a 64-bit exe"
    build=build-windows64
    prefix=x86_64-w64-mingw32
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine  # as Debian's wine wrapper does where only wine64 runs
    cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j "$jobs" --target morvane
else
    fail "wine is not installed"
fi

"$prefix-g++" -std=c++20 -O2 -Wall -Wextra -static -o "$build/wintest.exe" \
    tests/windows/wintest.cpp tests/windows/engine_pipe.cpp

# A private wine prefix, set up without questions: no display, no Mono or
# Gecko installers, no debug chatter.
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineserver=/usr/lib/wine/wineserver
stop_wineserver() { "$wineserver" -k >/dev/null 2>&1 || true; }
trap stop_wineserver EXIT
# Create or update the prefix and wait until wine has finished setting it up.
"$wine" wineboot.exe --init </dev/null >/dev/null 2>&1 || true
"$wineserver" -w

work=$build/wintest-cases
rm -rf "$work"
mkdir -p "$work"
"$wine" "$build/wintest.exe" write "Z:$PWD/$work" </dev/null

# The Linux engine's replies are the expected ones.
while read -r name; do
    status=0
    timeout 120 "$linux_engine" <"$work/$name.in" >"$work/$name.out" || status=$?
    echo "$status" >"$work/$name.code"
done <"$work/list.txt"

"$wine" "$build/wintest.exe" run "Z:$PWD/$build/morvane.exe" "Z:$PWD/$work" </dev/null
