#!/usr/bin/env bash
# What scripts/clang-env tells of a machine's clang: nothing where it builds and links with the
# tree's sanitizers, one reason where clang or its runtime libraries are missing. The compiler is
# overridden with stubs, so no row depends on this machine.
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A compiler that links everything, and one that compiles but cannot link the sanitizers.
printf '#!/usr/bin/env bash\ncat >/dev/null\nexit 0\n' > "$work/links"
printf '#!/usr/bin/env bash\ncat >/dev/null\necho "cannot find libclang_rt.asan" >&2\nexit 1\n' \
  > "$work/no-runtime"
chmod +x "$work/links" "$work/no-runtime"

expect() {
  local got
  got=$(source "$root/scripts/clang-env" && HVX_CLANGXX=$1 hvx_why_no_clang "$2")
  if [ "$got" = "$3" ]; then
    echo "ok: $1 $2"
  else
    echo "FAILED: $1 $2"
    echo "  expected: $3"
    echo "  got:      $got"
    failures=$((failures + 1))
  fi
}

#      compiler               tree      reason
expect "$work/links"          sanitize  ""
expect "$work/links"          fuzz      ""
expect "$work/missing"        sanitize  "clang is not installed"
expect "$work/no-runtime"     sanitize  "clang's runtime libraries (-fsanitize=address,undefined) are not installed"
expect "$work/no-runtime"     fuzz      "clang's runtime libraries (-fsanitize=fuzzer,address,undefined) are not installed"

[ "$failures" -eq 0 ]
