#!/usr/bin/env bash
# Packages release builds of the Windows programs: for each ARCH=BUILD_DIR
# (win32 or win64, a configured and built release tree), a portable zip
#   OUT/Tamble-VERSION-ARCH.zip        (one folder Tamble-VERSION/)
# and a per-user installer
#   OUT/Tamble-VERSION-setup-ARCH.exe  (packaging/tamble.nsi)
# from stripped copies of Tamble.exe, Tamblewiz.exe, Tamblecore.dll and
# tamblecli.exe, with packaging/README-dist.txt as README.txt.
#   make-dist.sh OUT win32=build/win32 win64=build/win64
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ $# -lt 2 ]; then
  echo "usage: $0 OUT ARCH=BUILD_DIR..." >&2
  exit 2
fi
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift

programs=(Tamble.exe Tamblewiz.exe Tamblecore.dll tamblecli.exe)

cache_value() { sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt"; }

for pair in "$@"; do
  arch=${pair%%=*}
  build=${pair#*=}
  case "$arch" in win32 | win64) ;; *) echo "make-dist: unknown architecture $arch" >&2; exit 2 ;; esac
  [ -f "$build/CMakeCache.txt" ] || { echo "make-dist: $build is not a build folder" >&2; exit 1; }
  version=$(cache_value "$build" CMAKE_PROJECT_VERSION)
  strip=$(cache_value "$build" CMAKE_STRIP)
  type=$(cache_value "$build" CMAKE_BUILD_TYPE)
  [ "$type" = Release ] || { echo "make-dist: $build is a $type build, not Release" >&2; exit 1; }

  name=Tamble-$version
  stage=$out/stage-$arch
  rm -rf "$stage"
  mkdir -p "$stage/$name"
  for program in "${programs[@]}"; do
    cp "$build/bin/$program" "$stage/$name/$program"
    "$strip" --strip-all "$stage/$name/$program"
  done
  # UTF-8 with a byte-order mark and CRLF: Notepad shows both languages on
  # any Windows, whatever its code page.
  {
    printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/g" -e 's/$/\r/' \
      "$root/packaging/README-dist.txt"
  } >"$stage/$name/README.txt"
  touch -d "@${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}" \
    "$stage/$name" "$stage/$name"/*

  zipfile=$out/$name-$arch.zip
  rm -f "$zipfile"
  (cd "$stage" && zip -q -X -r "$zipfile" "$name")

  setup=$out/$name-setup-$arch.exe
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DARCH="$arch" \
    -DFILES="$stage/$name" -DOUTFILE="$setup" "$root/packaging/tamble.nsi"

  echo "$arch: $zipfile"
  echo "$arch: $setup"
  for program in "${programs[@]}"; do
    printf '  %-15s %9d bytes, %9d stripped\n' "$program" \
      "$(stat -c %s "$build/bin/$program")" "$(stat -c %s "$stage/$name/$program")"
  done
  rm -rf "$stage"
done
