#!/usr/bin/env bash
# Installs from Debian's packages what the build and the tests need.
# Safe to run again: it only installs what is missing.
#   install-deps.sh            everything: native, Windows (MinGW), Wine, fuzzing,
#                              and what `make run` shows Tamble with
#   install-deps.sh --native   the native build and its tests only
set -euo pipefail

native_only=0
case "${1:-}" in
  "") ;;
  --native) native_only=1 ;;
  *) echo "usage: $0 [--native]" >&2; exit 2 ;;
esac

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

updated=0
update() {
  if [ $updated -eq 0 ]; then
    $SUDO apt-get update -q
    updated=1
  fi
}

need_i386=0
if [ $native_only -eq 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_i386=1
  update
fi

pkgs=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format)
if [ $native_only -eq 0 ]; then
  pkgs+=(mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
         wine wine64 wine32:i386 xvfb xauth locales clang
         # make run: Wine's own fonts, a Japanese UI font, the display
         # check, PNG pictures.
         fonts-wine fonts-ipafont-gothic x11-utils imagemagick
         # make dist: the portable zips and the installer (unzip lists
         # them in the package test).
         zip unzip nsis)

  # libFuzzer and the sanitizer runtimes come with the compiler runtime of
  # the clang that `clang` stands for (clang-N: libclang-rt-N-dev).
  clang_major() {
    if installed clang; then
      dpkg-query -W -f='${Depends}' clang
    else
      apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: //p'
    fi | grep -o 'clang-[0-9]\+' | head -n1 | cut -d- -f2
  }
  major=$(clang_major || true)
  if [ -z "$major" ]; then
    update
    major=$(clang_major || true)
  fi
  if [ -z "$major" ]; then
    echo "install-deps: cannot tell which clang the package clang installs" >&2
    exit 1
  fi
  pkgs+=("libclang-rt-$major-dev")
fi

missing=()
for p in "${pkgs[@]}"; do
  installed "$p" || missing+=("$p")
done

# The build writes its Japanese texts with iconv in code page 932; some
# releases keep that converter in a package of its own.
if ! printf 'x' | iconv -f UTF-8 -t CP932 >/dev/null 2>&1; then
  missing+=(libc-gconv-modules-extra)
fi

if [ ${#missing[@]} -gt 0 ]; then
  update
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ $native_only -eq 1 ] && exit 0

# Japanese locale, so that Wine's ANSI code page is 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  if [ -f /etc/locale.gen ] && grep -q '^# *ja_JP.UTF-8' /etc/locale.gen; then
    $SUDO sed -i 's/^# *\(ja_JP.UTF-8\)/\1/' /etc/locale.gen
  else
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
fi
