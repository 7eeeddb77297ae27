#!/usr/bin/env bash
# The launcher's rules, with a stand-in for the program that reports where and how it was started:
# the first run seeds the reader's copy, later runs never overwrite the reader's files, the program
# runs inside the copy with its settings there, and a Wayland session gets the X11 platform.
set -euo pipefail
build_dir=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$scratch/prefix
mkdir -p "$prefix/bin" "$prefix/libexec/veyrin" "$prefix/share/veyrin/Tem"
cp "$build_dir/packaging/veyrin" "$prefix/bin/veyrin"
printf 'shipped' > "$prefix/share/veyrin/Tem/01.dat"
cat > "$prefix/libexec/veyrin/veyrin" <<'PROGRAM'
#!/bin/sh
printf 'cwd=%s\nsettings=%s\nplatform=%s\nargs=%s\n' "$(pwd)" "${VEYRIN_SETTINGS_DIR-unset}" "${QT_QPA_PLATFORM-unset}" "$*"
PROGRAM
chmod 755 "$prefix/libexec/veyrin/veyrin"
chmod -R a-w "$prefix"

home=$scratch/home
mkdir -p "$home"
launch() { env -i PATH="$PATH" HOME="$home" "$@" sh "$prefix/bin/veyrin" one two; }
work=$home/.local/share/veyrin

report=$(launch)
[ "$(cat "$work/Tem/01.dat")" = shipped ] || fail "the first run did not seed the working copy"
[ -w "$work/Tem/01.dat" ] || fail "the seeded files must be the reader's to write"
echo "$report" | grep -qx "cwd=$work" || fail "the program must run inside the working copy: $report"
echo "$report" | grep -qx "settings=$work" || fail "the settings must live in the working copy: $report"
echo "$report" | grep -qx "platform=unset" || fail "an X11 session keeps Qt's own choice: $report"
echo "$report" | grep -qx "args=one two" || fail "arguments were not passed on: $report"
ls "$home/.local/share" | grep -q seed && fail "a seeding leftover remains"

printf 'mine' > "$work/Tem/01.dat"
launch WAYLAND_DISPLAY=wayland-0 > "$scratch/report"
[ "$(cat "$work/Tem/01.dat")" = mine ] || fail "a later run overwrote the reader's file"
grep -qx "platform=xcb" "$scratch/report" || fail "a Wayland session must get the X11 platform"
launch XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=offscreen | grep -qx "platform=offscreen" ||
  fail "an explicit platform choice must be kept"
launch XDG_DATA_HOME="$scratch/data" | grep -qx "cwd=$scratch/data/veyrin" || fail "XDG_DATA_HOME was not honoured"
ln -s "$prefix/bin/veyrin" "$scratch/linked"
env -i PATH="$PATH" HOME="$home" sh "$scratch/linked" | grep -qx "cwd=$work" || fail "a link to the launcher must work"

chmod u+w "$prefix/libexec/veyrin" && rm "$prefix/libexec/veyrin/veyrin"
if launch 2> "$scratch/error"; then fail "a missing program must fail"; fi
grep -q "program not found" "$scratch/error" || fail "no clear message for a missing program"
echo "launcher rules hold"
