#!/usr/bin/env bash
# Builds the Debian package from the finished build, unpacks it into a scratch root and starts the
# installed launcher under Xvfb with a scratch HOME: the main window must appear, and closing it
# must write Tcini.ini into the reader's own directory, never beside the installed program.
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build_dir" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/veyrin_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt's widgets"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-arphic-uming' || fail "the package does not depend on its fonts"
# Reading aloud: the speech engine, its Qt plug-in and a voice are recommended, so apt installs them
# by default, yet the reader still installs without them.
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in qt6-speech-speechd-plugin speech-dispatcher espeak-ng; do
  grep -qw -- "$p" <<< "$recommends" || fail "the package does not recommend $p (Recommends: $recommends)"
  ! dpkg-deb -f "$deb" Depends | grep -qw -- "$p" || fail "the package requires $p, which reading aloud only wants"
done
root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/veyrin usr/bin/veyrin-skinpack usr/bin/veyrin-pinyin usr/libexec/veyrin/veyrin usr/share/applications/org.veyrin.Veyrin.desktop \
    usr/share/metainfo/org.veyrin.Veyrin.metainfo.xml usr/share/icons/hicolor/scalable/apps/veyrin.svg \
    usr/share/veyrin/Tem/00.dat usr/share/doc/veyrin/copyright; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done

copyright=$root/usr/share/doc/veyrin/copyright
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" ||
  fail "the copyright file is not in the machine-readable form"
for licence in MIT CC-BY-4.0 public-domain; do
  grep -q "^License: $licence\$" "$copyright" || fail "the copyright file has no $licence licence text"
done

home=$scratch/home
mkdir -p "$home"
cat > "$scratch/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
source "$3"
env -i PATH="$PATH" HOME="$2" DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" VEYRIN_NO_WEB_ENGINE=1 \
  "$1/usr/bin/veyrin" > "$2/veyrin.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name '^Veyrin$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "main window did not appear"; cat "$2/veyrin.log"; kill "$pid"; exit 1; }
sleep 1
close_by_button "$pid" "$window"
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" bash "$scratch/drive.sh" "$root" "$home" "$source_dir/tests/e2e/lib/workspace.sh"

[ -f "$home/.local/share/veyrin/Tcini.ini" ] || fail "Tcini.ini was not written in the reader's directory"
[ ! -e "$root/usr/libexec/veyrin/Tcini.ini" ] || fail "Tcini.ini was written beside the installed program"
[ -f "$home/.local/share/veyrin/Tem/01.dat" ] || fail "the notes were not written in the reader's directory"
echo "Debian package installs and runs"
