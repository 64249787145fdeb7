#!/usr/bin/env bash
# The width scripts/wine-env chooses: the 32-bit build where this machine runs 32-bit programs,
# the 64-bit build with its own loader and prefix where it cannot, and what HVX_WINDOWS forces.
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

# choose <HVX_WINDOWS> <probe>: prints "widths|reason|build|loader|prefix|arch" or "refused".
choose() {
  (
    unset HVX_WINDOWS
    [ -n "$1" ] && export HVX_WINDOWS=$1
    export HVX_32BIT_PROBE=$2 HVX_ROOT=/r
    source "$root/scripts/wine-env" 2>/dev/null || { echo refused; exit 0; }
    echo "$hvx_widths|$hvx_width_reason|$hvx_build|$HVX_WINE|$WINEPREFIX|$WINEARCH"
  )
}

expect() {
  local got
  got=$(choose "$1" "$2")
  if [ "$got" = "$3" ]; then
    echo "ok: HVX_WINDOWS='$1' probe=$2"
  else
    echo "FAILED: HVX_WINDOWS='$1' probe=$2"
    echo "  expected: $3"
    echo "  got:      $got"
    failures=$((failures + 1))
  fi
}

w32="build/win32|wine|/r/build/wineprefix32|win32"
w64="build/win64|/usr/lib/wine/wine64|/r/build/wineprefix64|win64"
expect "" true "32|this machine can run 32-bit programs|$w32"
expect "" false "64|this machine cannot run 32-bit programs|$w64"
expect 64 true "64|chosen with HVX_WINDOWS=64|$w64"
expect 32 false "32|chosen with HVX_WINDOWS=32|$w32"
expect both false "32 64|chosen with HVX_WINDOWS=both|$w32"
expect 86 true "refused"

[ "$failures" -eq 0 ]
