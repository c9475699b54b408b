# Driving the real program on a private X server from outside, for the end-to-end test and the
# installed-game test (sourced by both): the server on a display number it finds free, the game
# started in a folder, screenshots, waiting by polling for the screen to change or to settle, clicks
# at screen fractions and keys. Every wait has a time limit and says what it waited for.
#
# Works with and without set -e. Set before use: XS_OUT (the folder for screenshots and logs). After xs_start_server, DISPLAY
# names the server; after xs_start_game, XS_GAME_PID is the game's process and XS_GAME_ERR its
# standard error. xs_cleanup stops both (only the processes started here).

XS_SERVER_PID=""
XS_GAME_PID=""
XS_WIDTH=0
XS_HEIGHT=0
XS_LOG=""
XS_EPOCH=$EPOCHREALTIME

xs_tools_missing() {
  local tool missing=()
  for tool in Xvfb xdotool import compare identify; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  echo "${missing[*]}"
}

# A line of the steps' log, with the seconds since the script began.
xs_log() {
  printf '%6.1f s  %s\n' "$(awk -v t="$EPOCHREALTIME" -v s="$XS_EPOCH" 'BEGIN { print t - s }')" "$*" >>"$XS_LOG"
}

# Ends the script (its EXIT trap cleans up).
xs_fail() {
  xs_log "FAIL: $*"
  echo "FAIL: $*" >&2
  exit 1
}

# xs_start_server WIDTH HEIGHT: Xvfb on a free display number, no window manager. The numbers are
# tried from a random one between 100 and 899, away from the low ones people and other tools
# choose by hand (where a program meant for another server would draw over this one); the server
# tells when it is ready, and one that finds its number taken ends at once.
xs_start_server() {
  XS_WIDTH=$1
  XS_HEIGHT=$2
  XS_LOG=${XS_LOG:-$XS_OUT/steps.log}
  local ready=$XS_OUT/display number tries attempt
  number=$((100 + RANDOM % 800))
  for attempt in $(seq 20); do
    number=$((number + 1))
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    : >"$ready"
    Xvfb ":$number" -displayfd 3 -screen 0 "${XS_WIDTH}x${XS_HEIGHT}x24" -nolisten tcp 3>"$ready" \
      >"$XS_OUT/xvfb.log" 2>&1 &
    XS_SERVER_PID=$!
    for tries in $(seq 200); do
      if [ -s "$ready" ]; then
        export DISPLAY=":$number"
        xs_log "X server $DISPLAY at ${XS_WIDTH}x${XS_HEIGHT}"
        return 0
      fi
      kill -0 "$XS_SERVER_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill "$XS_SERVER_PID" 2>/dev/null || true
    wait "$XS_SERVER_PID" 2>/dev/null || true
    XS_SERVER_PID=""
  done
  cat "$XS_OUT/xvfb.log" >&2
  xs_fail "Xvfb did not start"
}

# xs_start_game FOLDER PROGRAM [VAR=VALUE...]: the program started in FOLDER on the server, silent,
# waiting until its main menu is on screen (it says so on standard error).
xs_start_game() {
  local folder=$1 program=$2
  shift 2
  XS_GAME_ERR=$XS_OUT/game-stderr.txt
  (cd "$folder" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy TARNHOLLOW_START_MARK=1 "$@" "$program") \
    >"$XS_OUT/game-stdout.txt" 2>"$XS_GAME_ERR" &
  XS_GAME_PID=$!
  local tries
  for tries in $(seq 600); do
    grep -q 'main menu on screen' "$XS_GAME_ERR" 2>/dev/null && { xs_log "game started: main menu on screen"; return 0; }
    kill -0 "$XS_GAME_PID" 2>/dev/null || break
    sleep 0.05
  done
  cat "$XS_GAME_ERR" >&2
  xs_fail "the game did not reach its main menu"
}

# xs_wait_game_end SECONDS: true when the game has ended by itself with status 0 within SECONDS.
xs_wait_game_end() {
  local tries status
  for tries in $(seq $(($1 * 20))); do
    if ! kill -0 "$XS_GAME_PID" 2>/dev/null; then
      status=0
      wait "$XS_GAME_PID" || status=$?
      XS_GAME_PID=""
      [ "$status" -eq 0 ] || xs_fail "the game ended with status $status"
      return
    fi
    sleep 0.05
  done
  xs_fail "the game did not end within $1 seconds"
}

xs_game_running() {
  [ -n "$XS_GAME_PID" ] && kill -0 "$XS_GAME_PID" 2>/dev/null
}

xs_cleanup() {
  if [ -n "$XS_GAME_PID" ]; then
    kill "$XS_GAME_PID" 2>/dev/null || true
    wait "$XS_GAME_PID" 2>/dev/null || true
    XS_GAME_PID=""
  fi
  if [ -n "$XS_SERVER_PID" ]; then
    kill "$XS_SERVER_PID" 2>/dev/null || true
    wait "$XS_SERVER_PID" 2>/dev/null || true
    XS_SERVER_PID=""
  fi
}

# xs_shot NAME: the whole screen as XS_OUT/NAME.bmp (uncompressed: a shot takes some hundredths of a
# second, where a PNG file would take a second).
xs_shot() {
  import -window root "$XS_OUT/$1.bmp" 2>>"$XS_LOG"
}

# The shots of a run that failed become PNG files, which any picture viewer opens.
xs_keep_shots() {
  command -v mogrify >/dev/null 2>&1 || return 0
  (cd "$XS_OUT" && rm -f ./*-previous.bmp && mogrify -format png -quality 10 ./*.bmp && rm -f ./*.bmp) 2>/dev/null || true
}

# xs_differ A B [REGION]: how many pixels of shots A and B differ (by more than a trace), within
# REGION (WxH+X+Y) when given.
xs_differ() {
  local region=()
  [ -n "${3:-}" ] && region=(-extract "$3")
  local count
  count=$(compare -metric AE -fuzz 2% "${region[@]}" "$XS_OUT/$1.bmp" "$XS_OUT/$2.bmp" null: 2>&1 || true)
  count=${count%%.*}
  case "$count" in
  '' | *[!0-9]*) echo 999999999 ;; # not comparable: count it as different
  *) echo "$count" ;;
  esac
}

# xs_colours NAME: the number of different colours in a shot (a blank screen has one).
xs_colours() {
  identify -format '%k' "$XS_OUT/$1.bmp"
}

# xs_wait_change REF NAME MIN SECONDS [REGION]: shots NAME until at least MIN pixels differ from
# shot REF and the screen has settled (two shots in a row alike), both within REGION when given.
xs_wait_change() {
  local ref=$1 name=$2 min=$3 seconds=$4 region=${5:-}
  local end=$((SECONDS + seconds)) changed=0
  while [ $SECONDS -le $end ]; do
    xs_shot "$name"
    if [ "$changed" = 1 ]; then
      [ "$(xs_differ "$name" "$name-previous" "$region")" -lt 50 ] && { xs_log "$name: changed from $ref"; return 0; }
    elif [ "$(xs_differ "$ref" "$name" "$region")" -ge "$min" ]; then
      changed=1
    fi
    cp "$XS_OUT/$name.bmp" "$XS_OUT/$name-previous.bmp"
    sleep 0.1
  done
  xs_fail "$name: the screen did not change from $ref (at least $min pixels${region:+ in $region}) within $seconds s"
}

# xs_wait_same REF NAME REGION SECONDS [KEYS...]: shots NAME until REGION looks as in shot REF
# again; between shots the keys are pressed (answers to whatever dialog is up).
xs_wait_same() {
  local ref=$1 name=$2 region=$3 seconds=$4
  shift 4
  local end=$((SECONDS + seconds))
  while [ $SECONDS -le $end ]; do
    xs_shot "$name"
    [ "$(xs_differ "$ref" "$name" "$region")" -lt 50 ] && { xs_log "$name: $region as in $ref again"; return 0; }
    if [ $# -gt 0 ]; then xdotool key "$@"; fi
    sleep 0.2
  done
  xs_fail "$name: $region did not come back to how it was in $ref within $seconds s"
}

# xs_wait_still NAME SECONDS [KEYS...]: shots NAME until the screen stays the same for about two
# thirds of a second (a walking pawn steps every quarter of a second); between shots the keys are
# pressed (answers to whatever dialog is up).
xs_wait_still() {
  local name=$1 seconds=$2
  shift 2
  local end=$((SECONDS + seconds)) same=0
  xs_shot "$name"
  cp "$XS_OUT/$name.bmp" "$XS_OUT/$name-previous.bmp"
  while [ $SECONDS -le $end ]; do
    sleep 0.25
    if [ $# -gt 0 ]; then xdotool key "$@"; fi
    xs_shot "$name"
    if [ "$(xs_differ "$name" "$name-previous")" -lt 50 ]; then
      same=$((same + 1))
      [ $same -ge 2 ] && return 0
    else
      same=0
    fi
    cp "$XS_OUT/$name.bmp" "$XS_OUT/$name-previous.bmp"
  done
  xs_fail "$name: the screen did not settle within $seconds s"
}

# xs_px FRACTION SIZE: the pixel at a fraction of a screen side (rounded as the game rounds).
xs_px() {
  awk -v f="$1" -v s="$2" 'BEGIN { printf "%d", int(f * s + 0.5) }'
}

# xs_click FX FY: a left click at the fractions (FX, FY) of the screen.
xs_click() {
  local x y
  x=$(xs_px "$1" "$XS_WIDTH")
  y=$(xs_px "$2" "$XS_HEIGHT")
  xs_log "click at $x,$y"
  xdotool mousemove "$x" "$y" click 1
}

# The client area of a dialog placed at the fractions (LEFT, TOP): the game draws the frame and the
# caption bar above and left of it.
xs_dialog_frame() {
  local h=$XS_HEIGHT
  awk -v h="$h" 'BEGIN { f = int(h * 0.003 + 0.5); if (f < 2) f = 2; print f }'
}
xs_dialog_caption() {
  local h=$XS_HEIGHT
  awk -v h="$h" 'BEGIN { c = int(h * 0.026 + 0.5); if (c < 16) c = 16; print c }'
}

# xs_click_in_dialog LEFT TOP FX FY: a click at (FX, FY), fractions of the screen measured from the
# client area of a dialog placed at (LEFT, TOP).
xs_click_in_dialog() {
  local frame caption x y
  frame=$(xs_dialog_frame)
  caption=$(xs_dialog_caption)
  x=$(($(xs_px "$1" "$XS_WIDTH") + frame + $(xs_px "$3" "$XS_WIDTH")))
  y=$(($(xs_px "$2" "$XS_HEIGHT") + frame + caption + $(xs_px "$4" "$XS_HEIGHT")))
  xs_log "click in the dialog at $x,$y"
  xdotool mousemove "$x" "$y" click 1
}

# xs_region FX FY FW FH: a region of the screen (WxH+X+Y) from fractions, for xs_differ.
xs_region() {
  echo "$(xs_px "$3" "$XS_WIDTH")x$(xs_px "$4" "$XS_HEIGHT")+$(xs_px "$1" "$XS_WIDTH")+$(xs_px "$2" "$XS_HEIGHT")"
}
