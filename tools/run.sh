#!/usr/bin/env bash
# Starts Veyrin in a per-user working copy of the bundled data, made on first run, so the shipped
# files are never modified. The program looks for its files relative to the current directory and
# keeps Tcini.ini beside the program file, so the binary is copied into the working copy as well.
set -euo pipefail
binary=$1
data=$2
work=$3
if [ ! -d "$work" ]; then
  mkdir -p "$work"
  cp -r "$data"/. "$work"/
fi
cp "$binary" "$work/veyrin"
cd "$work"
# The frame positions and shapes its own windows, which needs X11 (XWayland on a Wayland desktop).
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
exec ./veyrin
