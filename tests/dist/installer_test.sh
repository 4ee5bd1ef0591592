#!/usr/bin/env bash
# The package of one Windows build, as a user gets it: the zip holds the
# four programs and the README in one folder; the installer, run silently
# under Wine, installs them for the user alone with a Start-menu shortcut
# and an uninstall entry; the installed tool runs; uninstalling removes the
# programs and keeps the user's settings and data folder, unless asked.
#   installer_test.sh BUILD_DIR win32|win64
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
arch=$2
wine_run=$root/scripts/wine-run.sh
export WINEPREFIX=${TAMBLE_WINEPREFIX:-$root/build/wineprefix}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { if eval "$1"; then echo "ok: $2"; else fail "$2"; fi; }

# Polls a condition every tenth of a second, for up to a minute unless told
# (an uninstaller copies itself away and returns at once).
wait_for() {
  for _ in $(seq "${2:-600}"); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

"$root/scripts/make-dist.sh" "$work/out" "$arch=$build" >"$work/dist.log"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
name=Tamble-$version
zipfile=$work/out/$name-$arch.zip
setup=$work/out/$name-setup-$arch.exe

# The zip: exactly the programs and the README, in one folder.
expected=$(printf '%s\n' "$name/" "$name/README.txt" "$name/Tamble.exe" "$name/Tamblecore.dll" \
  "$name/Tamblewiz.exe" "$name/tamblecli.exe")
listed=$(unzip -Z1 "$zipfile" | LC_ALL=C sort)
check '[ "$listed" = "$(LC_ALL=C sort <<<"$expected")" ]' "the zip holds $name/ with the five files"
unzip -q "$zipfile" -d "$work/unpacked"
check '[ "$(head -c3 "$work/unpacked/$name/README.txt" | od -An -tx1 | tr -d " ")" = efbbbf ]' \
  "README.txt is UTF-8 with a byte-order mark"
check 'grep -q "Tamble $version ($arch)" "$work/unpacked/$name/README.txt"' "README.txt names the version"
objdump=$(sed -n 's/^CMAKE_OBJDUMP:[A-Z]*=//p' "$build/CMakeCache.txt")
for program in Tamble.exe Tamblewiz.exe Tamblecore.dll tamblecli.exe; do
  check '"$objdump" -t "$work/unpacked/$name/$program" | grep -q "no symbols"' \
    "$program in the zip is stripped"
done

# Where the installer should put the programs: the user's own program folder.
"$wine_run" cmd /c echo %LOCALAPPDATA% >"$work/local.txt" 2>/dev/null
local_app=$(tr -d '\r\n' <"$work/local.txt")
inst_win="$local_app\\Programs\\Tamble"
inst=$("$wine_run" winepath -u "$inst_win" 2>/dev/null | tr -d '\r\n')
inst=${inst%/}
case "$inst" in
  "$WINEPREFIX"/*/Programs/Tamble) ;;
  *) echo "FAIL: the user's program folder is not found (LOCALAPPDATA=$local_app)"; exit 1 ;;
esac
rm -rf "$inst" # a run that failed halfway
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamble'
shortcut_exists() { [ -n "$(find "$WINEPREFIX/drive_c/users" -path '*Programs/Tamble/Tamble.lnk' 2>/dev/null)" ]; }
installed() {
  [ -f "$inst/Tamble.exe" ] && [ -f "$inst/Tamblewiz.exe" ] && [ -f "$inst/Tamblecore.dll" ] &&
    [ -f "$inst/tamblecli.exe" ] && [ -f "$inst/Uninstall.exe" ]
}
registered() { "$wine_run" reg query "$key" /v InstallLocation >"$work/reg.txt" 2>/dev/null; }

"$wine_run" "$setup" /S
check installed "a silent install puts the programs and the uninstaller in $inst_win"
check 'cmp -s "$inst/Tamble.exe" "$work/unpacked/$name/Tamble.exe"' "the installed programs are the zip's"
check shortcut_exists "the Start menu holds Tamble\\Tamble.lnk"
check 'registered && grep -qF "$inst_win" "$work/reg.txt"' "the uninstall entry is the user's and names the folder"
"$wine_run" "$inst/tamblecli.exe" --help >"$work/help.txt" 2>&1 || true
check 'grep -q "tamblecli" "$work/help.txt"' "the installed tamblecli.exe runs"

# A start after the set-up (IniVersion 11): Tamble writes its settings and
# makes its data folder beside itself.
printf '[Com]\r\nIniVersion=11\r\n' >"$inst/Tamble.ini"
(
  status=0
  timeout 300 "$wine_run" "$inst/Tamble.exe" || status=$?
  echo "$status" >"$work/tamble.status"
) &
check 'wait_for "grep -q \"^DataFolder=.*DataFolder\" \"$inst/Tamble.ini\" && [ -d \"$inst/DataFolder\" ]"' \
  "the installed Tamble.exe starts and writes its settings and data folder beside itself"
# Closed by its own means, as a user would: the window is asked to close.
check '"$wine_run" "$build/bin/tamble_snap.exe" close Tamble.exe 7 >/dev/null 2>&1 &&
  wait_for "[ -f \"$work/tamble.status\" ]" && [ "$(cat "$work/tamble.status")" = 0 ]' \
  "Tamble.exe closes with exit code 0"
wait
check 'grep -q "^WinPos=" "$inst/Tamble.ini"' "and keeps its window's place in Tamble.ini"

# The user's macros, as the programs would leave them.
printf 'abc' >"$inst/DataFolder/mine.txt"

"$wine_run" "$inst/Uninstall.exe" /S
check 'wait_for "[ ! -e \"$inst/Uninstall.exe\" ] && [ ! -e \"$inst/Tamble.exe\" ]"' \
  "a silent uninstall removes the programs"
check '! shortcut_exists && ! registered' "and the shortcut and the uninstall entry"
check '[ "$(cat "$inst/DataFolder/mine.txt" 2>/dev/null)" = abc ] && [ -f "$inst/Tamble.ini" ]' \
  "and keeps the settings and the data folder"
check '[ ! -e "$inst/tamblecli.exe" ] && [ ! -e "$inst/README.txt" ]' "and leaves nothing else of its own"

"$wine_run" "$setup" /S
check 'installed && [ -f "$inst/DataFolder/mine.txt" ]' "installing again keeps the data folder"
"$wine_run" "$inst/Uninstall.exe" /S /REMOVEDATA
check 'wait_for "[ ! -e \"$inst\" ]"' "uninstalling with /REMOVEDATA removes the settings, the data folder and the folder"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all package checks passed"
