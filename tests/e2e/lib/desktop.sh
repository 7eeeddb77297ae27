# Shared by the end-to-end scripts that need a real desktop: Debian's openbox as the window
# manager and trayer as the notification area, both started inside the script's X server.

# start_openbox: sets OPENBOX_PID once the window manager has taken over the screen.
start_openbox() {
  openbox --sm-disable > openbox.log 2>&1 &
  OPENBOX_PID=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start"; cat openbox.log; return 1
}

# start_trayer: sets TRAYER_PID once the notification area has claimed the tray selection.
start_trayer() {
  trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --SetPartialStrut true > trayer.log 2>&1 &
  TRAYER_PID=$!
  for _ in $(seq 1 100); do
    xdotool search --name '^panel$' > /dev/null 2>&1 && { sleep 0.5; return 0; }
    sleep 0.1
  done
  echo "trayer did not start"; cat trayer.log; return 1
}

# wm_state WINDOW: prints Normal, Iconic or Withdrawn (the ICCCM state the window manager keeps).
wm_state() {
  local state
  state=$(xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p')
  echo "${state:-Withdrawn}"
}

# wait_for COMMAND...: retries for up to ten seconds until COMMAND succeeds.
wait_for() {
  for _ in $(seq 1 50); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

window_height() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }
