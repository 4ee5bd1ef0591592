#!/usr/bin/env bash
# Starts Tamble.exe (the 32-bit build) under Wine's X11 driver in a folder and
# Wine prefix of its own, build/run/: the program beside its library, a
# Tamble.ini written afresh every time, a data folder with the demo macro.
# With an X display the window appears there and the script ends when it is
# closed. Without one (or with --demo) it shows Tamble at work on a virtual
# display (Xvfb) and keeps pictures in build/screenshots/: notepad and Tamble
# on one Wine desktop, the demo macro played into notepad, a short recording,
# the file list, the options sheet's pages, the shortcut dialog, and the macro
# edited in notepad with the companion beside.
#   run-tamble.sh [--demo]
# TAMBLE_BIN, TAMBLE_RUN_DIR and TAMBLE_SHOTS name other folders for the
# programs, the run and the pictures.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$(realpath -m "${TAMBLE_BIN:-$root/build/win32/bin}")
run=$(realpath -m "${TAMBLE_RUN_DIR:-$root/build/run}")
shots=$(realpath -m "${TAMBLE_SHOTS:-$root/build/screenshots}")

demo=0
case "${1:-}" in
  "") ;;
  --demo) demo=1 ;;
  *) echo "usage: $0 [--demo]" >&2; exit 2 ;;
esac
if [ $demo -eq 0 ] && ! { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  demo=1
fi

for file in Tamble.exe Tamblewiz.exe Tamblecore.dll tamble_snap.exe tamble_typist.exe; do
  if [ ! -f "$bin/$file" ]; then
    echo "run-tamble: $bin/$file is missing (make win32)" >&2
    exit 1
  fi
done

export WINEPREFIX=$run/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 # ANSI code page 932

# Wine maps drive Z: to the root of the file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

xvfb=""
cleanup() {
  # Only this prefix's programs, should any be left after a failure.
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
}
trap cleanup EXIT

fail() {
  echo "run-tamble: $*" >&2
  exit 1
}

start_xvfb() {
  local number=$run/xvfb-display
  rm -f "$number"
  # Xvfb picks a free display number and writes it once it takes clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$number" ] && break
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  [ -s "$number" ] || fail "Xvfb did not start"
  export DISPLAY=:$(cat "$number")
}

prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.tamble-run" ]; then
    rm -rf "$WINEPREFIX"
    echo "run-tamble: making the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.tamble-run"
  fi
  # Debian's Wine looks for its own fonts (fonts-wine) under a path it cannot
  # open; in the prefix's font folder it finds them (Marlett draws the
  # caption buttons).
  if [ -d /usr/share/wine/fonts ]; then
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # The Japanese UI fonts of Windows are not there: IPA Gothic stands in.
  # The demonstration puts every program on one Wine desktop window.
  local desktop='"Desktop"=-'
  [ $demo -eq 1 ] && desktop='"Desktop"="Tamble"'
  cat >"$run/settings.reg" <<EOF
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
$desktop

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Tamble"="1024x720"
EOF
  wine regedit /S "$(windows_path "$run/settings.reg")"
}

prepare_folder() {
  cp "$bin/Tamble.exe" "$bin/Tamblewiz.exe" "$bin/Tamblecore.dll" "$run/"
  mkdir -p "$run/data"
  cp "$root/resources/samples/demo.txt" "$run/data/"
  {
    printf '[Com]\r\nIniVersion=11\r\nDataFolder=%s\r\n' "$(windows_path "$run/data")"
    if [ $demo -eq 1 ]; then
      # Quick keys, the window shown while playing, beside notepad.
      printf 'RecInt=10\r\nPlyWin=0\r\nTopMost=1\r\n'
      printf 'WinPos=0:1:-1:-1:-1:-1:560:40:1000:200\r\n'
      # Edit opens the macro in notepad.
      printf 'EditorType=1\r\nEditor=notepad.exe\r\n'
    fi
  } >"$run/Tamble.ini"
}

snap() { wine "$bin/tamble_snap.exe" "$@"; }
shot() { # NAME WINDOW
  snap shot "$2" "$(windows_path "$shots/$1.bmp")" || fail "no picture of $2"
  convert "$shots/$1.bmp" "$shots/$1.png"
  rm "$shots/$1.bmp"
  pictures+=("$shots/$1.png")
}

# Command ids of the main window, and the buttons of message boxes.
play=32771 record=32772 stop=32773 edit=32781 options=32787 shortcut=32783 open=57601 ok=1 cancel=2 no=7
# The companion's window-switch page: its title and class boxes, its send.
window_switch=5 title_box=1026 class_box=1002 send=1019

demonstrate() {
  pictures=()
  rm -rf "$shots"
  mkdir -p "$shots"
  local log=$run/wine.log
  : >"$log"

  wine notepad >>"$log" 2>&1 &
  local programs=($!)
  snap move notepad.exe 20 40 480 260 || fail "notepad did not start"
  wine "$run/Tamble.exe" demo.txt >>"$log" 2>&1 &
  programs+=($!)
  snap find Tamble.exe >/dev/null || fail "Tamble did not start"

  echo "run-tamble: playing demo.txt into notepad"
  snap post Tamble.exe $play
  snap text notepad.exe "Hello," || fail "the playback typed nothing"
  snap settle Tamble.exe $play || fail "Tamble does not answer"
  shot main-window-playing Tamble.exe
  # The macro ends with a message box.
  snap find Tamble.exe/box >/dev/null || fail "no message box"
  shot desktop-message-box desktop
  snap post Tamble.exe/box $ok
  snap button Tamble.exe $play unchecked || fail "the playback does not end"
  snap text notepad.exe "Hello, World!" || fail "the playback typed something else"
  shot notepad-after-demo notepad.exe

  echo "run-tamble: recording a few keys typed into notepad"
  snap post Tamble.exe $record
  snap button Tamble.exe $record checked || fail "the recording does not start"
  local notepad
  notepad=$(snap find notepad.exe | tr -d '\r') || fail "notepad has gone"
  wine "$bin/tamble_typist.exe" type "$notepad" Ct+ !35 Ct- Ent Sh+ T Sh- A M B L E ||
    fail "the typist did not type"
  snap text notepad.exe Tamble || fail "notepad did not get the keys"
  snap settle Tamble.exe $record || fail "Tamble does not answer"
  shot main-window-recording Tamble.exe
  snap post Tamble.exe $stop
  snap button Tamble.exe $record unchecked || fail "the recording does not stop"

  # The data folder's file list, as Open shows it.
  snap post Tamble.exe $open
  snap find Tamble.exe/box >/dev/null || fail "no file list"
  shot file-list Tamble.exe/box
  snap post Tamble.exe/box $cancel
  # Posted in turn on the same thread: the list has closed once this is done.
  snap settle Tamble.exe $play || fail "Tamble does not answer"

  # The options sheet, one picture of each page in the order of its tabs.
  echo "run-tamble: the options sheet's pages"
  snap post Tamble.exe $options
  snap find Tamble.exe/box >/dev/null || fail "no options sheet"
  local page=0 name
  for name in window record play editor about; do
    snap tab Tamble.exe/box $page || fail "the options sheet does not show its page $name"
    shot options-$name Tamble.exe/box
    page=$((page + 1))
  done
  snap post Tamble.exe/box $cancel
  snap settle Tamble.exe $play || fail "Tamble does not answer"

  # A desktop shortcut for the macro: the dialog, closed without making one.
  echo "run-tamble: the shortcut dialog"
  snap post Tamble.exe $shortcut
  snap find Tamble.exe/box >/dev/null || fail "no shortcut dialog"
  shot shortcut Tamble.exe/box
  snap post Tamble.exe/box $cancel
  snap settle Tamble.exe $play || fail "Tamble does not answer"

  # Edit: the macro in a notepad of its own, the companion beside it. The
  # first notepad goes first, so that the names find the new one.
  snap close notepad.exe $no || fail "notepad does not close"
  snap gone notepad.exe || fail "notepad does not end"
  echo "run-tamble: editing the macro in notepad with the companion"
  snap post Tamble.exe $edit
  snap text notepad.exe "Hello" || fail "the macro is not in notepad"
  snap find Tamblewiz.exe >/dev/null || fail "the companion did not start"
  # Wide enough for the header lines: the Downs it is given count lines
  # as the editor shows them.
  snap move notepad.exe 20 40 980 300 || fail "notepad cannot be moved"
  snap move Tamblewiz.exe 540 360 0 0 || fail "the companion cannot be moved"
  # The user puts the caret on a new line at the end, then sends.
  notepad=$(snap find notepad.exe | tr -d '\r') || fail "notepad has gone"
  wine "$bin/tamble_typist.exe" type "$notepad" Ct+ !35 Ct- Ent || fail "the typist did not type"
  snap page Tamblewiz.exe $window_switch || fail "the companion does not switch pages"
  snap set Tamblewiz.exe $class_box Notepad || fail "no class box"
  snap set Tamblewiz.exe $title_box "" || fail "no title box"
  snap click Tamblewiz.exe $send || fail "no send button"
  snap text notepad.exe '<Active "Notepad","">' || fail "the companion sent nothing"
  shot companion-beside-notepad desktop
  shot companion Tamblewiz.exe
  snap close notepad.exe $no || fail "notepad does not close"
  snap gone Tamblewiz.exe || fail "the companion does not end with the editor"

  # Neither keeps what it has: both ask, both are told no.
  snap close Tamble.exe $no || fail "Tamble does not close"
  snap gone Tamble.exe || fail "Tamble does not end"
  wait "${programs[@]}" || true
  timeout 60 wineserver -w || fail "Wine does not end"
  echo "run-tamble: pictures in $shots:"
  printf '  %s\n' "${pictures[@]}"
}

mkdir -p "$run"
cd "$run"
[ $demo -eq 1 ] && start_xvfb
prepare_prefix
prepare_folder

if [ $demo -eq 1 ]; then
  demonstrate
else
  echo "run-tamble: Tamble.exe on $DISPLAY; the command ends when its window is closed"
  wine "$run/Tamble.exe" demo.txt
  wineserver -w
fi
