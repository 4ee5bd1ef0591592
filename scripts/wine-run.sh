#!/usr/bin/env bash
# Runs a Windows program under Wine the way the tests need it: the project's
# own prefix under build/, a Japanese locale (ANSI code page 932), no Mono or
# Gecko prompts. The display driver is Wine's null driver by default: it needs
# no X server and keeps the US keyboard layout of Windows. TAMBLE_WINE_DRIVER=x11
# uses an X display instead (Xvfb is started when there is none).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${TAMBLE_WINEPREFIX:-$root/build/wineprefix}
# No Mono or Gecko prompts; shortcuts the tests save make no menu entries
# on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
driver=${TAMBLE_WINE_DRIVER:-null}

if [ "$driver" = x11 ] && [ -z "${DISPLAY:-}" ]; then
  display=:${TAMBLE_XVFB_DISPLAY:-97}
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    (Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 50); do
      xdpyinfo -display "$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export DISPLAY=$display
fi
[ "$driver" = null ] && unset DISPLAY

# One prefix for every build; made once, under a lock so that parallel
# test runs do not race to create it.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.tamble-driver-$driver" ]; then
  wineboot -i >/dev/null 2>&1 || true
  if [ "$driver" = null ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
  fi
  wineserver -w
  rm -f "$WINEPREFIX"/.tamble-driver-*
  touch "$WINEPREFIX/.tamble-driver-$driver"
fi
flock -u 9

exec wine "$@"
