#!/usr/bin/env bash
# scripts/setup against stub apt-get, dpkg and dpkg-query first on PATH: a package index that
# keeps failing, a 32-bit Wine that cannot be installed, clang that cannot be installed, and a
# base install that fails.
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin"
# The stubs keep the installed packages, the foreign architectures and every call in $STUB.
cat > "$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
pkg=${@: -1}
grep -qxF "$pkg" "$STUB/installed" 2>/dev/null && printf 'install ok installed'
exit 0
EOF
cat > "$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
echo "dpkg $*" >> "$STUB/calls"
case $1 in
  --print-foreign-architectures) cat "$STUB/arch" 2>/dev/null ;;
  --add-architecture) echo "$2" >> "$STUB/arch" ;;
esac
EOF
cat > "$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >> "$STUB/calls"
case $1 in
  update)
    n=$(cat "$STUB/update-failures" 2>/dev/null || echo 0)
    [ "$n" -gt 0 ] || exit 0
    echo $((n - 1)) > "$STUB/update-failures"
    exit 100 ;;
  install)
    shift
    pkgs=()
    for a in "$@"; do [ "${a#-}" = "$a" ] && pkgs+=("$a"); done
    for p in "${pkgs[@]}"; do
      grep -qxF "$p" "$STUB/broken" 2>/dev/null && { echo "E: held broken packages"; exit 100; }
    done
    printf '%s\n' "${pkgs[@]}" >> "$STUB/installed" ;;
esac
EOF
printf '#!/usr/bin/env bash\nexec "$@"\n' > "$work/bin/sudo"
chmod +x "$work/bin/"*

# run_setup <case> [args]: a set-up on the stubs of that case; sets out (its output) and rc.
run_setup() {
  export STUB="$work/$1"
  shift
  out=$(PATH="$work/bin:$PATH" HVX_SETUP_MARKER="$STUB/marker" \
    HVX_SETUP_CLANG_MARKER="$STUB/clang-marker" HVX_SETUP_UPDATE_PAUSE=0 \
    "$root/scripts/setup" "$@" 2>&1)
  rc=$?
}

check() {
  if eval "$2"; then
    echo "ok: $1"
  else
    echo "FAILED: $1"
    echo "  output: $out"
    echo "  calls:  $(tr '\n' ';' < "$STUB/calls" 2>/dev/null)"
    failures=$((failures + 1))
  fi
}
calls() { grep -c "^$1" "$STUB/calls" 2>/dev/null; }

# A fresh machine whose i386 index keeps failing and whose 32-bit Wine cannot be had.
mkdir -p "$work/no32" && echo 99 > "$work/no32/update-failures" && echo wine32:i386 > "$work/no32/broken"
run_setup no32
check "a failing update and a failing 32-bit install still end the set-up well" '[ "$rc" -eq 0 ]'
check "the update is tried four times, then one warning line" \
  '[ "$(calls "apt-get update")" -eq 4 ] && [ "$(grep -c "warning: apt-get update failed 4 times" <<< "$out")" -eq 1 ]'
check "the base packages are installed without the 32-bit Wine" \
  'grep -qx wine64 "$STUB/installed" && grep -qx cmake "$STUB/installed" && ! grep -qx wine32:i386 "$STUB/installed"'
check "the i386 architecture is added before the update" \
  '[ "$(head -n 1 "$STUB/calls")" = "dpkg --print-foreign-architectures" ] && sed -n 2p "$STUB/calls" | grep -qx "dpkg --add-architecture i386"'
check "one line says what failed and that the 64-bit build runs instead" \
  'grep -qx "setup: installing wine32:i386 failed; the 64-bit build will run instead (scripts/setup --retry-32 tries again)" <<< "$out"'
check "the failure is remembered" '[ -e "$STUB/marker" ]'
: > "$STUB/calls"
run_setup no32
check "a later run returns at once" '[ "$rc" -eq 0 ] && [ ! -s "$STUB/calls" ] && [ -z "$out" ]'
run_setup no32 --retry-32
check "--retry-32 tries the 32-bit Wine again" \
  '[ "$rc" -eq 0 ] && grep -q "apt-get install .*wine32:i386" "$STUB/calls" && [ -e "$STUB/marker" ]'
rm "$STUB/broken"
run_setup no32 --retry-32
check "--retry-32 that succeeds forgets the failure" '[ "$rc" -eq 0 ] && [ ! -e "$STUB/marker" ] && grep -qx wine32:i386 "$STUB/installed"'

# An update that fails once is tried again and the 32-bit Wine comes with the rest.
mkdir -p "$work/flaky" && echo 1 > "$work/flaky/update-failures"
run_setup flaky
check "an update that fails once is tried again without a warning" \
  '[ "$rc" -eq 0 ] && [ "$(calls "apt-get update")" -eq 2 ] && ! grep -q warning <<< "$out"'
check "where everything installs, the 32-bit Wine is installed and nothing is remembered" \
  'grep -qx wine32:i386 "$STUB/installed" && [ ! -e "$STUB/marker" ]'
: > "$STUB/calls"
run_setup flaky
check "where everything is installed, the set-up returns at once" '[ "$rc" -eq 0 ] && [ ! -s "$STUB/calls" ]'

# Clang that cannot be had: everything else is installed, one line tells, the failure is
# remembered apart from the 32-bit Wine's.
mkdir -p "$work/noclang" && echo libclang-rt-dev > "$work/noclang/broken"
run_setup noclang
check "a failing clang install still ends the set-up well, everything else installed" \
  '[ "$rc" -eq 0 ] && grep -qx cmake "$STUB/installed" && grep -qx wine32:i386 "$STUB/installed"'
check "one line says what failed and that the sanitizer tests and fuzzing are skipped" \
  'grep -qx "setup: installing clang libclang-rt-dev llvm failed; the sanitizer tests and fuzzing are skipped (scripts/setup --retry-clang tries again)" <<< "$out"'
check "the clang failure is remembered, and no 32-bit one" \
  '[ -e "$STUB/clang-marker" ] && [ ! -e "$STUB/marker" ]'
: > "$STUB/calls"
run_setup noclang
check "a later run returns at once" '[ "$rc" -eq 0 ] && [ ! -s "$STUB/calls" ] && [ -z "$out" ]'
rm "$STUB/broken"
run_setup noclang --retry-clang
check "--retry-clang that succeeds forgets the failure" \
  '[ "$rc" -eq 0 ] && [ ! -e "$STUB/clang-marker" ] && grep -qx llvm "$STUB/installed"'

# A base package that cannot be installed fails the set-up and names what was asked.
mkdir -p "$work/nobase" && echo g++ > "$work/nobase/broken"
run_setup nobase
check "a failed base install fails the set-up and names the packages" \
  '[ "$rc" -ne 0 ] && grep -q "setup: FAILED to install .*cmake.*g++.*wine64" <<< "$out"'

[ "$failures" -eq 0 ]
