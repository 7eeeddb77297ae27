#!/usr/bin/env bash
# End to end: start the real program with the desktop accessibility bus on, as a screen reader
# user has it, and read the main window through that bus: the picture buttons, check boxes and
# radio buttons by name, and the first line of the text view.
set -euo pipefail
binary=$1
source_dir=$2

source "$(dirname "$0")/lib/workspace.sh"
enter_workspace "$binary" "$source_dir"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
# Runs inside its own session bus: the accessibility bus, the program, then the reader.
set -euo pipefail
source "$2"
cd "$1"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_veyrin
status=0
/usr/bin/python3 "$3" veyrin > tree.txt 2> reader.log || status=$?
kill "$VEYRIN_PID" 2>/dev/null || true
wait "$VEYRIN_PID" 2>/dev/null || true
exit $status
DRIVE
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" \
  dbus-run-session -- bash "$work/drive.sh" "$work" "$lib_dir/workspace.sh" "$lib_dir/read_accessible_tree.py" \
  || { cat "$work/reader.log" "$work/veyrin.log" 2>/dev/null; echo "FAIL: the reader could not run"; exit 1; }

fail() { echo "FAIL: $*"; cat "$work/tree.txt"; exit 1; }
has() { grep -q -P "^$1\t$2\t" "$work/tree.txt"; }

for name in 后退 前进 剪切 复制 粘贴 字体 字颜色 背景色 关于 查找作者; do
  has "push button" "$name" || fail "no push button named $name"
done
for name in 显示临时文本框 显示水线; do has "check box" "$name" || fail "no check box named $name"; done
for name in 单倍行距 1.5倍行距 双倍行距; do has "radio button" "$name" || fail "no radio button named $name"; done
has "spin button" "[^\t]*" || fail "no spin button"
has "combo box" "[^\t]*" || fail "no combo box"

expected=$(tr -d '\r' < "$work/Tem/00.dat" | head -n 1 | iconv -f GBK -t UTF-8)
actual=$(grep -P '^FIRSTLINE\t' "$work/tree.txt" | cut -f 2-)
[ "$actual" = "$expected" ] || fail "first line of the view read as '$actual', expected '$expected'"
echo "screen reader tree test passed"
