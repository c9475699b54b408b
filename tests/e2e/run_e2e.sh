#!/usr/bin/env bash
# The end-to-end test: the real program in a real window on a private X server at 1024 x 768,
# driven from outside by xdotool through a whole session: a new game with two players, several
# throws with their dialogs answered, the game saved, a throw or more, back to the menu, the saved
# game loaded, the exit question answered no, and Quit. It checks what can be seen from outside:
# every screen drawn (not blank) and differing from the one before, the save and restore buttons
# enabled once a game runs, the saved file there and loading in the simulator, the loaded game
# showing the player who was to move when it was saved, and the program ending by itself.
# Screenshots and the steps go to BUILD_DIR/e2e/; they are removed after a run that passes and
# kept after one that fails. Skipped (status 77) without Xvfb, xdotool or ImageMagick.
# Usage: run_e2e.sh BUILD_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
source "$here/xsession.sh"

missing=$(xs_tools_missing)
if [ -n "$missing" ]; then
  echo "not installed: $missing (xvfb, xdotool, imagemagick)"
  exit 77
fi

XS_OUT=$build/e2e
rm -rf "$XS_OUT"
mkdir -p "$XS_OUT"
XS_LOG=$XS_OUT/steps.log
: >"$XS_LOG"
finish() {
  local status=$? running=0
  xs_game_running && running=1
  xs_cleanup
  if [ $status -eq 0 ] && [ -z "${TARNHOLLOW_E2E_KEEP:-}" ]; then
    rm -rf "$XS_OUT"
  elif [ $status -eq 0 ]; then
    xs_keep_shots
  elif [ $status -ne 0 ]; then
    [ $running = 1 ] || echo "The game was no longer running." >&2
    xs_keep_shots
    echo "The screenshots and steps of this run are in $XS_OUT" >&2
    cat "$XS_LOG" >&2
    [ -s "$XS_OUT/game-stderr.txt" ] && { echo "The game's standard error:" >&2; cat "$XS_OUT/game-stderr.txt" >&2; }
  fi
  exit $status
}
trap finish EXIT

# The game's folder: the program and its data files of the build, and a SAVES folder of its own.
game=$XS_OUT/game
mkdir -p "$game"
for file in tarnhollow res00.dat res01.dat Board1.brd Tarnhollow.html; do
  [ -e "$build/game/$file" ] || xs_fail "the build has no game/$file"
  ln -s "$build/game/$file" "$game/$file"
done

W=1024
H=768
whole=$((W * H))
xs_start_server $W $H
xs_start_game "$game" ./tarnhollow

# Places on the screen, as fractions: the menu's buttons (the middle of each) and the dialogs.
new_game=(0.33 0.305)
load_game=(0.33 0.465)
save_game=(0.33 0.625)
quit=(0.67 0.785)
save_button=$(xs_region 0.2 0.56 0.26 0.13)
player_panel=$(xs_region 0.2 0 0.18 0.16)
throw_button=$(xs_region 0.921 0.1 0.078 0.058)
# The new game dialog's client area lies at (0.35, 0.215); the check box of the third player.
third_player=(0.031 0.248)
# The file dialog, centred: its name edit.
file_name=(0.11 0.052)
file_dialog=(0.39 0.3)

step() { xs_log "== $*"; }

step "the main menu"
xs_wait_still 01-menu 10
[ "$(xs_colours 01-menu)" -gt 200 ] || xs_fail "the main menu is blank"

step "a new game with two players"
xs_click "${new_game[@]}"
xs_wait_change 01-menu 02-new-game 5000 10
xs_click_in_dialog 0.35 0.215 "${third_player[@]}"
xs_wait_change 02-new-game 03-two-players 10 10
xdotool key n
xs_wait_change 03-two-players 04-game $((whole / 3)) 10
[ "$(xs_colours 04-game)" -gt 200 ] || xs_fail "the game screen is blank"

# One throw with Space, played to its end: the throw button goes (the die rolls, the pawn walks,
# the rules settle with their sounds and dialogs, each question answered no, so that nobody is held
# at school or spends his cash, and each report ok) and comes back when the next player is to throw.
throw() {
  local name=$1
  xs_shot "$name-before"
  xdotool key space
  xs_wait_change "$name-before" "$name-rolling" 200 10 "$throw_button"
  xs_wait_same "$name-before" "$name" "$throw_button" 30 n o
  xs_wait_still "$name" 10
}
for turn in 1 2 3 4 5; do
  step "throw $turn"
  throw "05-throw-$turn"
done

step "back to the menu, where save and restore are now enabled"
xs_shot 06-game
xdotool key Return
xs_wait_change 06-game 07-menu-with-game $((whole / 3)) 10
[ "$(xs_differ 01-menu 07-menu-with-game "$save_button")" -gt 500 ] ||
  xs_fail "the save button looks as disabled as at the start"

step "the game saved"
xs_click "${save_game[@]}"
xs_wait_change 07-menu-with-game 08-save-dialog 5000 10
xs_click_in_dialog "${file_dialog[@]}" "${file_name[@]}"
xdotool type --delay 20 "e2e game"
xdotool key Return
xs_wait_change 08-save-dialog 09-saved $((whole / 3)) 10
saved="$game/SAVES/e2e game.sav"
for _ in $(seq 100); do
  [ -s "$saved" ] && break
  sleep 0.05
done
[ -s "$saved" ] || xs_fail "no saved game at $saved"

# Throws until another player is to move than when the game was saved (one throw, unless the other
# player is held), so that the loaded game can be told from the one that went on.
step "throws until another player is to move"
moved=0
for turn in 1 2 3 4; do
  throw "10-throw-after-save-$turn"
  if [ "$(xs_differ 09-saved "10-throw-after-save-$turn" "$player_panel")" -gt 200 ]; then
    moved=1
    break
  fi
done
[ $moved = 1 ] || xs_fail "the player panel still shows the same player after four throws"

step "the saved game loaded"
xs_shot 11-game
xdotool key Return
xs_wait_change 11-game 12-menu $((whole / 3)) 10
xs_click "${load_game[@]}"
xs_wait_change 12-menu 13-load-dialog 5000 10
xs_click_in_dialog "${file_dialog[@]}" "${file_name[@]}"
xdotool type --delay 20 "e2e game"
xdotool key Return
xs_wait_change 13-load-dialog 14-loaded $((whole / 3)) 10
[ "$(xs_differ 09-saved 14-loaded "$player_panel")" -lt 200 ] ||
  xs_fail "the loaded game does not show the player who was to move when it was saved"

step "the exit question answered no, then Quit"
xdotool key Return
xs_wait_change 14-loaded 15-menu $((whole / 3)) 10
xdotool key Escape
xs_wait_change 15-menu 16-exit-question 2000 10
xdotool key n
xs_wait_change 16-exit-question 17-menu-again 2000 10
[ "$(xs_differ 15-menu 17-menu-again)" -lt 500 ] || xs_fail "the menu did not come back after No"
xs_game_running || xs_fail "the game ended after No"
xs_click "${quit[@]}"
xs_wait_game_end 10

step "the saved game loads in the simulator"
sim=$build/bin/tarnhollow-sim
if [ -x "$sim" ]; then
  (cd "$game" && "$sim" --load "SAVES/e2e game.sav" --max-turns 20 --trace) >"$XS_OUT/sim.txt" 2>&1 ||
    xs_fail "tarnhollow-sim cannot load the saved game: $(cat "$XS_OUT/sim.txt")"
  [ -s "$XS_OUT/sim.txt" ] || xs_fail "tarnhollow-sim played nothing of the saved game"
fi
xs_log "passed in $SECONDS s"
echo "end to end: passed in $SECONDS s"
