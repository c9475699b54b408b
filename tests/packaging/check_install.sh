#!/usr/bin/env bash
# The installed game: installs the build into a temporary prefix and checks that every file is
# there (program, data files, the help with every picture it names, desktop entry, metadata, icons
# of their sizes); starts the installed program headless from another folder with XDG_DATA_HOME in
# a temporary folder and checks that it reaches the main menu in the player's folder, made with the
# default board, which a later start leaves as the player changed it; that a game saved there loads
# again, in the simulator and through the installed program's main menu; and that with a player's
# folder that cannot be made it still reaches the main menu, in the data folder.
# Usage: check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=$2
work=$(mktemp -d)
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

data=$prefix/share/tarnhollow
for file in bin/tarnhollow share/tarnhollow/res00.dat share/tarnhollow/res01.dat share/tarnhollow/Board1.brd \
  share/tarnhollow/Tarnhollow.html "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/tarnhollow" ] || fail "bin/tarnhollow cannot be run"
cmp -s "$data/res00.dat" "$build/game/res00.dat" || fail "the installed res00.dat is not the build's"

# Every picture the help page names is installed beside it.
pictures=$(grep -o 'src="[^"]*"' "$data/Tarnhollow.html" | sed 's/^src="//; s/"$//' | sort -u)
[ -n "$pictures" ] || fail "the help names no pictures"
for picture in $pictures; do
  [ -s "$data/$picture" ] || fail "the help's picture $picture is not installed"
done

# Icons: PNG files of their sizes (width and height are the big-endian words at bytes 16 and 20).
for size in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tarnhollow.png
  [ -s "$icon" ] || fail "the $size pixel icon is not installed"
  [ "$(head -c 4 "$icon" | od -An -c | tr -d ' ')" = "211PNG" ] || fail "$icon is not a PNG file"
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print ($1 * 16777216 + $2 * 65536 + $3 * 256 + $4), ($5 * 16777216 + $6 * 65536 + $7 * 256 + $8) }')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$icon is $w x $h pixels, not $size x $size"
done
grep -q '^Icon=tarnhollow$' "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry names another icon"
grep -q '^Exec=tarnhollow$' "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry starts another program"

# Starts the installed program headless in folder $1 with XDG_DATA_HOME=$2 and waits until its
# main menu is on screen; leaves its pid in game_pid.
start_game() {
  : >"$work/err"
  (cd "$1" && XDG_DATA_HOME=$2 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TARNHOLLOW_START_MARK=1 \
    exec "$prefix/bin/tarnhollow") >/dev/null 2>"$work/err" &
  game_pid=$!
  for _ in $(seq 600); do
    grep -q '^tarnhollow: main menu on screen' "$work/err" && return 0
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
  done
  cat "$work/err" >&2
  fail "the installed program did not reach the main menu"
}
stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

elsewhere=$work/elsewhere
mkdir -p "$elsewhere"
xdg=$work/xdg-not-yet-made
players=$xdg/tarnhollow
start_game "$elsewhere" "$xdg"
[ "$(readlink "/proc/$game_pid/cwd")" = "$players" ] || fail "the program runs in $(readlink "/proc/$game_pid/cwd"), not $players"
stop_game
cmp -s "$players/Board1.brd" "$data/Board1.brd" || fail "the player's folder did not get the default board"
[ -z "$(ls -A "$elsewhere")" ] || fail "the program wrote into the folder it was started from"

# The player's own changes to the board survive the next start.
printf 'edited' >"$players/Board1.brd"
start_game "$elsewhere" "$xdg"
stop_game
[ "$(cat "$players/Board1.brd")" = "edited" ] || fail "a later start replaced the player's board"
cp "$data/Board1.brd" "$players/Board1.brd"

# A game saved in the player's folder (SAVES/ made by the save) on its board loads again and goes
# on as the uninterrupted game.
sim=$build/bin/tarnhollow-sim
if [ -x "$sim" ]; then
  (cd "$players" && "$sim" --board Board1.brd --seed 5 --trace) >"$work/whole.txt"
  (cd "$players" && "$sim" --board Board1.brd --seed 5 --trace --save-at 40 SAVES/game.sav) >/dev/null
  [ -s "$players/SAVES/game.sav" ] || fail "no saved game in the player's folder"
  (cd "$players" && "$sim" --load SAVES/game.sav --seed 5 --trace) >"$work/continued.txt" ||
    fail "the saved game does not load"
  { echo "game 5"; sed -n '/^turn 41 /,$p' "$work/whole.txt"; } >"$work/expected.txt"
  [ "$(wc -l <"$work/expected.txt")" -gt 2 ] || fail "the game ended before throw 41"
  cmp -s "$work/continued.txt" "$work/expected.txt" || fail "the loaded game does not go on as the saved one"

  # The same saved game loaded by the installed program through its main menu, on a private X
  # server: Load Game, its name typed, and the game screen instead of the menu (a refused file would
  # leave the menu with the error dialog over it). Its screenshots stay in the build folder when it
  # fails; skipped without Xvfb, xdotool or ImageMagick.
  source "$(dirname "$0")/../e2e/xsession.sh"
  if [ -z "$(xs_tools_missing)" ]; then
    XS_OUT=$build/packaging_install
    rm -rf "$XS_OUT"
    mkdir -p "$XS_OUT"
    XS_LOG=$XS_OUT/steps.log
    trap 'status=$?; xs_cleanup; cleanup; if [ $status -eq 0 ]; then rm -rf "$XS_OUT"; else xs_keep_shots; fi; exit $status' EXIT
    xs_start_server 1024 768
    xs_start_game "$elsewhere" "$prefix/bin/tarnhollow" XDG_DATA_HOME="$xdg"
    xs_wait_still menu 10
    xs_click 0.33 0.465
    xs_wait_change menu load-dialog 5000 10
    # The file dialog is centred; its name edit.
    xs_click_in_dialog 0.39 0.3 0.11 0.052
    xdotool type --delay 20 game
    xdotool key Return
    xs_wait_change load-dialog loaded 5000 10
    [ "$(xs_differ menu loaded)" -gt $((1024 * 768 / 3)) ] ||
      fail "the installed program did not load the saved game from its menu (see $XS_OUT)"
    xs_cleanup
  fi
fi

# A player's folder that cannot be made (under a plain file, whoever runs this): the game still
# starts, in its data folder.
printf 'a file' >"$work/plain"
start_game "$elsewhere" "$work/plain/share"
[ "$(readlink "/proc/$game_pid/cwd")" = "$data" ] || fail "without a player's folder the program runs in $(readlink "/proc/$game_pid/cwd")"
stop_game
echo "installed into $prefix: every file present, the game starts in the player's folder"
