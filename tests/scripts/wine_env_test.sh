#!/usr/bin/env bash
# The width scripts/wine-env chooses: the 32-bit build where this machine runs 32-bit programs
# and has 32-bit Wine, the 64-bit build with its own loader and prefix where either is missing,
# and what HVX_WINDOWS forces. Both probes are overridden, so no row depends on this machine.
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

# choose <HVX_WINDOWS> <kernel probe> <32-bit Wine probe>: prints
# "widths|reason|build|loader|prefix|arch", or "refused: <message>".
choose() {
  (
    unset HVX_WINDOWS
    [ -n "$1" ] && export HVX_WINDOWS=$1
    export HVX_32BIT_PROBE=$2 HVX_WINE32_PROBE=$3 HVX_ROOT=/r
    message=$(source "$root/scripts/wine-env" 2>&1 >/dev/null) || { echo "refused: $message"; exit 0; }
    source "$root/scripts/wine-env"
    echo "$hvx_widths|$hvx_width_reason|$hvx_build|$HVX_WINE|$WINEPREFIX|$WINEARCH"
  )
}

expect() {
  local got
  got=$(choose "$1" "$2" "$3")
  if [ "$got" = "$4" ]; then
    echo "ok: HVX_WINDOWS='$1' kernel=$2 wine32=$3"
  else
    echo "FAILED: HVX_WINDOWS='$1' kernel=$2 wine32=$3"
    echo "  expected: $4"
    echo "  got:      $got"
    failures=$((failures + 1))
  fi
}

w32="build/win32|wine|/r/build/wineprefix32|win32"
w64="build/win64|/usr/lib/wine/wine64|/r/build/wineprefix64|win64"
#      HVX_WINDOWS kernel wine32
expect ""   true  true  "32|this machine can run 32-bit programs and has 32-bit Wine|$w32"
expect ""   false true  "64|this machine cannot run 32-bit programs|$w64"
expect ""   true  false "64|32-bit Wine is not installed|$w64"
expect ""   false false "64|this machine cannot run 32-bit programs|$w64"
expect 64   true  true  "64|chosen with HVX_WINDOWS=64|$w64"
expect 64   true  false "64|chosen with HVX_WINDOWS=64|$w64"
expect 32   true  true  "32|chosen with HVX_WINDOWS=32|$w32"
expect both true  true  "32 64|chosen with HVX_WINDOWS=both|$w32"
expect 32   true  false "refused: HVX_WINDOWS=32 cannot run here: 32-bit Wine is not installed"
expect both true  false "refused: HVX_WINDOWS=both cannot run here: 32-bit Wine is not installed"
expect 32   false true  "refused: HVX_WINDOWS=32 cannot run here: this machine cannot run 32-bit programs"
expect 86   true  true  "refused: HVX_WINDOWS must be 32, 64 or both (it is '86')"

[ "$failures" -eq 0 ]
