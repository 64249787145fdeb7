#!/usr/bin/env bash
# The installer package of one Windows tree, step by step (each a test of its own):
#   package_test.sh build   WIDTH TREE   scripts/package: this tree's package, one of a higher
#                                        version, and the other width's package
#   package_test.sh tables  WIDTH TREE   their tables read with msiinfo, and the .zip
#   package_test.sh signing WIDTH TREE   a package signed with a certificate made here, from a
#                                        tree of its own built signed (build/winWIDTH-signed, at
#                                        the depth of the others so that ccache serves it)
#   package_test.sh install WIDTH TREE   install, upgrade, downgrade and uninstall under Wine in
#                                        a prefix of its own (package_wine_tests.exe)
# Everything else goes to TREE/package-test.
set -uo pipefail
mode=$1 width=$2 tree=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$tree/package-test
packages=$work/packages
unset HVX_SIGN_CERT HVX_SIGN_KEY

version=$(cat "$tree/version.txt")
IFS=. read -r major minor patch <<< "$version"
newer="$major.$minor.$((patch + 1))"
other=$((width == 32 ? 64 : 32))
name_of() {  # width version
  echo "HVX40Service-$2$([ "$1" = 64 ] && echo -x64)"
}
package=$packages/$(name_of "$width" "$version").msi
newer_package=$packages/$(name_of "$width" "$newer").msi
other_package=$packages/$(name_of "$other" "$version").msi
# The higher version packaged again: the same version under another product code.
rebuilt_package=$packages/rebuilt/$(name_of "$width" "$newer").msi
upgrade_code="{4E6EB8E5-DCB7-46ED-8C7F-F5258838441D}"

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
# expect WHAT WANTED GOT
expect() {
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# One column of a table's rows whose first column is the key (msiinfo writes CRLF lines).
column_of() {  # package table key column
  msiinfo export "$1" "$2" | sed 's/\r$//' | awk -F '\t' -v key="$3" -v col="$4" '$1 == key { print $col }'
}

build_packages() {
  rm -rf "$packages"
  local log
  log=$(mktemp)
  "$root/scripts/package" --width "$width" --build-dir "$tree" --no-build --out "$packages" > "$log" 2>&1 ||
    fail "scripts/package of $tree: $(cat "$log")"
  expect "the one line of an unsigned package" \
    "package: not signed (HVX_SIGN_CERT and HVX_SIGN_KEY name no certificate)" "$(grep 'not signed' "$log")"
  expect "what scripts/package prints" 3 "$(wc -l < "$log")"
  "$root/scripts/package" --width "$width" --build-dir "$tree" --no-build --out "$packages" \
    --version "$newer" > "$log" 2>&1 || fail "scripts/package --version $newer: $(cat "$log")"
  "$root/scripts/package" --width "$width" --build-dir "$tree" --no-build --out "$packages/rebuilt" \
    --version "$newer" > "$log" 2>&1 || fail "scripts/package of the rebuilt package: $(cat "$log")"
  [ "$(column_of "$newer_package" Property ProductCode 2)" != "$(column_of "$rebuilt_package" Property ProductCode 2)" ] ||
    fail "a rebuilt package has the same product code"
  "$root/scripts/package" --width "$other" --build-dir "$root/build/win$other" --no-build \
    --out "$packages" > "$log" 2>&1 || fail "scripts/package --width $other: $(cat "$log")"
  "$root/scripts/package" --width "$width" --build-dir "$tree" --no-build --out "$packages" \
    --version 1.2 > "$log" 2>&1 && fail "a version of two numbers was taken"
  grep -q "must be three numbers" "$log" || fail "a bad version is not named: $(cat "$log")"
  rm -f "$log"
  for file in "$package" "$newer_package" "$other_package" "${package%.msi}.zip"; do
    [ -s "$file" ] || fail "$file is missing"
  done
}

check_tables() {  # package width version
  local msi=$1 w=$2 v=$3
  expect "$msi: ProductName" "HVX-40 Service" "$(column_of "$msi" Property ProductName 2)"
  expect "$msi: ProductVersion" "$v" "$(column_of "$msi" Property ProductVersion 2)"
  expect "$msi: Manufacturer" "Varnel QZ Corporation" "$(column_of "$msi" Property Manufacturer 2)"
  expect "$msi: UpgradeCode" "$upgrade_code" "$(column_of "$msi" Property UpgradeCode 2)"
  expect "$msi: per machine" 1 "$(column_of "$msi" Property ALLUSERS 2)"
  expect "$msi: platform" "$([ "$w" = 64 ] && echo x64 || echo Intel);1033" \
    "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')"
  expect "$msi: program folder" \
    "$([ "$w" = 64 ] && echo ProgramFiles64Folder || echo ProgramFilesFolder)" \
    "$(column_of "$msi" Directory MakerFolder 2)"
  # 256: a 64-bit component, whose files and registry values are not redirected.
  expect "$msi: components of the width" "$([ "$w" = 64 ] && echo 256 || echo 0)" \
    "$(msiinfo export "$msi" Component | sed 's/\r$//' | tail -n +4 | awk -F '\t' '{ print int($4 / 256) % 2 * 256 }' | sort -u)"
  # Older versions are upgraded keeping the features, a rebuilt one of the same version too
  # (1 migrate features, 256 and 512 minimum and maximum inclusive), newer ones only detected (2).
  expect "$msi: upgrade searches" \
    "$(printf '%s\n' "$upgrade_code||$v|1|WIX_UPGRADE_DETECTED" "$upgrade_code|$v|$v|769|SAMEVERSIONFOUND" \
      "$upgrade_code|$v||2|WIX_DOWNGRADE_DETECTED" | sort)" \
    "$(msiinfo export "$msi" Upgrade | sed 's/\r$//' | tail -n +4 | awk -F '\t' '{ print $1 "|" $2 "|" $3 "|" $5 "|" $7 }' | sort)"
  expect "$msi: the training simulator is off by default" 2 "$(column_of "$msi" Feature TrainingSimulator 6)"
  expect "$msi: within the service feature" Service "$(column_of "$msi" Feature TrainingSimulator 2)"
  expect "$msi: features" "$(printf '%s\n' Emulator Launcher TrainingShortcut)" \
    "$(msiinfo export "$msi" FeatureComponents | sed 's/\r$//' | awk -F '\t' '$1 == "TrainingSimulator" { print $2 }' | sort)"
  expect "$msi: shortcuts" \
    "$(printf '%s\n' "HVX-40 Service|[INSTALLDIR]HVX40MEK.exe|" \
      "HVX-40 Training simulator|[INSTALLDIR]HVX40Training.exe|" \
      "HVX-40 command prompt|[$([ "$w" = 64 ] && echo System64Folder || echo SystemFolder)]cmd.exe|/k hvx40ctl --help" | sort)" \
    "$(msiinfo export "$msi" Shortcut | sed 's/\r$//' | tail -n +4 | awk -F '\t' '{ print $3 "|" $5 "|" $6 }' | sort)"
  expect "$msi: files" "$(printf '%s\n' HVX40MEK.exe HVX40ServiceAPI.dll HVX40Training.exe hvx40ctl.exe hvx40ctl.txt hvx40sim.exe | sort)" \
    "$(msiinfo export "$msi" File | sed 's/\r$//' | tail -n +4 | cut -f 3 | sort)"
  expect "$msi: the running programs' check" "SetupActions|RefuseWhileProgramsRun" \
    "$(msiinfo export "$msi" CustomAction | sed 's/\r$//' | awk -F '\t' '$1 == "RefuseWhileProgramsRun" { print $3 "|" $4 }')"
  case "$(column_of "$msi" LaunchCondition 'NOT WIX_DOWNGRADE_DETECTED' 2)" in
    "A newer version of HVX-40 Service is installed on this computer."*) ;;
    *) fail "$msi: the downgrade has no message" ;;
  esac
}

check_zip() {
  local zip=${package%.msi}.zip top
  top=$(basename "${package%.msi}")
  expect "$zip: files" "$(printf "$top/%s\n" HVX40MEK.exe HVX40ServiceAPI.dll HVX40Training.exe hvx40ctl.exe hvx40ctl.txt hvx40sim.exe | sort)" \
    "$(unzip -Z1 "$zip" | sort)"
  cmp -s <(unzip -p "$zip" "$top/HVX40MEK.exe") "$tree/bin/HVX40MEK.exe" || fail "$zip: HVX40MEK.exe is not the built one"
  unzip -p "$zip" "$top/hvx40ctl.txt" | head -n 1 | grep -q $'\r$' || fail "$zip: hvx40ctl.txt lacks Windows line ends"
}

# The bytes of a file in hex, on one line.
hex_of() {
  od -An -v -tx1 "$1" | tr -d ' \n'
}

check_signing() {
  local signing=$work/signing
  rm -rf "$signing"
  mkdir -p "$signing/files"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=HVX-40 package test" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$signing/key.pem" -out "$signing/cert.pem" \
    >/dev/null 2>&1 || { fail "openssl made no certificate"; return; }
  local log=$signing/package.log
  if ! HVX_SIGN_CERT=$signing/cert.pem HVX_SIGN_KEY=$signing/key.pem "$root/scripts/package" \
      --width "$width" --build-dir "$root/build/win$width-signed" --out "$signing" > "$log" 2>&1; then
    fail "signed scripts/package: $(cat "$log")"
    return
  fi
  grep -q 'not signed' "$log" && fail "a signed package says it is not signed"
  local name msi zip
  name=$(name_of "$width" "$version")
  msi=$signing/$name.msi zip=$signing/$name.zip
  unzip -q -o "$zip" -d "$signing/files"
  for file in "$msi" "$signing/files/$name"/*.exe "$signing/files/$name"/*.dll; do
    osslsigncode verify -CAfile "$signing/cert.pem" -in "$file" > "$log" 2>&1 ||
      fail "$(basename "$file") is not signed: $(tail -n 3 "$log")"
  done
  # The tool carries the signed library, so the copy it writes out is signed too.
  hex_of "$signing/files/$name/HVX40ServiceAPI.dll" > "$signing/library.hex"
  hex_of "$signing/files/$name/HVX40MEK.exe" | grep -qF -f "$signing/library.hex" ||
    fail "the tool does not carry the signed library"
}

install_and_remove() {
  source "$root/scripts/wine-env" || exit 1
  hvx_use_width "$width"
  # A prefix of its own, fresh each run, without menu entries on the host.
  export WINEPREFIX=$work/wineprefix$width
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
  trap hvx_stop_wine EXIT
  rm -rf "$WINEPREFIX"
  hvx_start_display
  hvx_prepare_prefix
  # Through the chosen loader: Debian's winepath script runs the 32-bit one wherever wine32 is
  # installed, even on a kernel that cannot execute it.
  HVX_PACKAGE=$("$HVX_WINE" winepath -w "$package") HVX_PACKAGE_VERSION=$version \
  HVX_NEWER_PACKAGE=$("$HVX_WINE" winepath -w "$newer_package") HVX_NEWER_PACKAGE_VERSION=$newer \
  HVX_REBUILT_PACKAGE=$("$HVX_WINE" winepath -w "$rebuilt_package") \
    "$HVX_WINE" "$tree/bin/package_wine_tests.exe" --gtest_color=no || fail "package_wine_tests"
}

case "$mode" in
  build) build_packages ;;
  tables)
    check_tables "$package" "$width" "$version"
    check_tables "$newer_package" "$width" "$newer"
    check_tables "$other_package" "$other" "$version"
    check_zip ;;
  signing) check_signing ;;
  install) install_and_remove ;;
  *) echo "usage: package_test.sh build|tables|signing|install WIDTH TREE" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo "package $mode: passed" || echo "package $mode: $failures failed"
[ "$failures" -eq 0 ]
