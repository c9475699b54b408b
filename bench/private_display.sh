# Sourced by the benchmark scripts that run the game in a window: starts a private Xvfb at
# 1920 x 1080 on the first free display number from :90 and exports DISPLAY. Its process id is
# left in xvfb_pid for the caller's clean-up.
start_private_display() {
  command -v Xvfb >/dev/null || { echo "Xvfb is needed (Debian package xvfb)" >&2; exit 2; }
  local display="" n
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "no free X display number" >&2; exit 2; }
  Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  # The server is ready once its socket exists.
  for _ in $(seq 200); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.05
  done
  export DISPLAY=$display
}
