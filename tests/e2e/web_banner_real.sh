#!/usr/bin/env bash
# End to end with the real web engine: the banner shows a page served on the loopback address by
# a small HTTP server this script starts and stops. The page's colour must show through the
# banner's visible rectangle, the server must see the refresh requests at the timer's interval,
# and once the page has navigated to a second page, the refreshes must reload that second page.
# The main window must stay the window it was when the browser joins it.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/server.py" <<'SERVER'
# Serves /first and /second in plain colours and logs every request as "<ms> <path>". Once the
# file `switch` exists, /first sends the browser on to /second by itself.
import http.server, os, sys, time
log_path, port_path = sys.argv[1], sys.argv[2]
pages = {"/first": "#1e90ff", "/second": "#ff8c00"}

class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(log_path, "a") as log:
            log.write("%d %s\n" % (time.monotonic() * 1000, self.path))
        if self.path not in pages:
            self.send_error(404)
            return
        onward = "<script>location.replace('/second')</script>" if self.path == "/first" and os.path.exists("switch") else ""
        body = ("<html><body style='margin:0;background:%s'>%s</body></html>" % (pages[self.path], onward)).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Cache-Control", "no-store")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(port_path + ".tmp", "w") as port_file:
    port_file.write(str(server.server_port))
os.rename(port_path + ".tmp", port_path)
server.serve_forever()
SERVER

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$2"
cd "$1"
interval=$3
fail() { echo "FAIL: $*"; [ -f requests.log ] && cat requests.log; exit 1; }

python3 server.py requests.log port.txt &
server_pid=$!
trap 'kill "$server_pid" ${VEYRIN_PID:-} 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do [ -f port.txt ] && break; sleep 0.1; done
[ -f port.txt ] || fail "the HTTP server did not start"
port=$(cat port.txt)

VEYRIN_NO_WEB_ENGINE='' VEYRIN_BANNER_URL="http://127.0.0.1:$port/first" VEYRIN_BANNER_REFRESH_MS=$interval \
  start_veyrin

# The skinned frame insets the client area 11 pixels left and 32 above; the banner shows through
# (33, 25)-(488, 92) of the client area.
pixel_at() { convert shot.png -format "%[hex:p{$(($1 + 11)),$(($2 + 32))}]" info: | cut -c1-6 | tr a-f A-F; }
banner_shows() {
  local want=$1 x y
  local WINDOW X Y WIDTH HEIGHT SCREEN
  # The whole screen is read in one request and the window cut out of it: asking for the window
  # alone walks its children, among them the browser's own windows, and could stall against them.
  eval "$(xdotool getwindowgeometry --shell "$VEYRIN_WINDOW")"
  timeout 15 xwd -root -silent -out shot.xwd 2>/dev/null || return 1
  convert shot.xwd -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage shot.png 2>/dev/null || return 1
  for x in 33 260 487; do
    for y in 25 58 91; do
      [ "$(pixel_at "$x" "$y")" = "$want" ] || return 1
    done
  done
  # The covering panels keep the page out of the rest of the banner's panel.
  [ "$(pixel_at 30 58)" != "$want" ] && [ "$(pixel_at 260 22)" != "$want" ] && [ "$(pixel_at 490 58)" != "$want" ] &&
    [ "$(pixel_at 260 94)" != "$want" ]
}
# The web engine starts slowly on a busy machine: wait up to two minutes, looking every second.
wait_until() {
  for _ in $(seq 1 120); do "$@" && return 0; sleep 1; done
  return 1
}
count() { grep -c " $1\$" requests.log || true; }
at_least() { [ "$(count "$1")" -ge "$2" ]; }

wait_until banner_shows 1E90FF || fail "the first page's colour did not show in the banner (saw $(pixel_at 260 58))"
# The browser joined the window in place: the main window the reader saw first is still the one shown.
[ "$(xdotool search --onlyvisible --name '^Veyrin$' | tr '\n' ' ')" = "$VEYRIN_WINDOW " ] ||
  fail "the main window was recreated when the browser arrived"
wait_until at_least /first 3 || fail "no refreshes of the first page"

touch switch
wait_until at_least /second 1 || fail "the first page did not send the banner on to the second"
wait_until banner_shows FF8C00 || fail "the second page's colour did not show in the banner"
firsts=$(count /first)
wait_until at_least /second 4 || fail "the second page was not refreshed"
[ "$(count /first)" = "$firsts" ] || fail "a refresh went back to the first page after the banner had moved on"

# Refreshes of one page follow each other at the interval: not faster than half of it, and not
# slower than a busy machine can explain.
# The first request of the second page came from the page itself, not from the timer.
gaps=$(awk -v page=/second '$2 == page { if (n++ > 1) print $1 - last; last = $1 }' requests.log)
for gap in $gaps; do
  [ "$gap" -ge $((interval / 2)) ] && [ "$gap" -le $((interval * 3)) ] ||
    fail "refreshes ${gap} ms apart, expected about $interval ms"
done
kill "$VEYRIN_PID"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x800x24" bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh" 2000
echo "real web banner checks passed"
