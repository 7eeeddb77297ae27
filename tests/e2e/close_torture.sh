#!/usr/bin/env bash
# End to end: the program is killed (SIGKILL) at a random moment of its close, ROUNDS times
# (default 20). Every round starts from a fresh working directory whose files the close rewrites
# (the catalogue and notes with LF breaks come back with CR LF, the view's trailing blank lines
# go, the settings file gains every key), clicks the close button and kills the program after a
# random delay. Each file must then hold its old bytes or its new bytes, never torn, empty or
# missing; the program must start again on what is left, read it and close normally, leaving
# the new bytes and no temporary file. The counts per file are printed at the end.
# VEYRIN_DEBUG_WRITE_PAUSE_MS (default 40) stops every write half way so kills land inside them.
set -euo pipefail
binary=$(realpath "$1")
source_dir=$(realpath "$2")
rounds=${ROUNDS:-20}
pause_ms=${VEYRIN_DEBUG_WRITE_PAUSE_MS:-40}

source "$(dirname "$0")/lib/workspace.sh"
lib_dir=$(realpath "$(dirname "$0")/lib")
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT

cat > "$base/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
base=$1 binary=$2 source_dir=$3 rounds=$4 pause_ms=$5
source "$6"

files=("Data/唐诗鉴赏/list.txt" "Tem/00.dat" "Tem/01.dat" "Tem/02.dat" "Tcini.ini")
fail() { echo "FAIL (round ${round:-0}): $*"; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Old bytes: what the close is given to rewrite.
template=$(make_workspace "$binary" "$source_dir")
LC_ALL=C sed -i 's/\r$//' "$template/Data/唐诗鉴赏/list.txt"
printf '\r\n\r\n  \r\n' >> "$template/Tem/00.dat"
for n in 1 2; do
  for i in $(seq 1 2000); do printf 'note %s line %s\n' "$n" "$i"; done > "$template/Tem/0$n.dat"
done
printf '[Font]\r\nsize1=13\r\n[Temp]\r\nVisible1=1\r\nVisible2=1\r\n' > "$template/Tcini.ini"

fresh_round_directory() {
  rm -rf "$base/round"
  mkdir "$base/round"
  (cd "$template" && tar --exclude=./veyrin -cf - .) | (cd "$base/round" && tar -xf -)
  ln "$template/veyrin" "$base/round/veyrin"  # never written, so one copy serves every round
  cd "$base/round"
}

wait_until_gone() {
  while kill -0 "$1" 2>/dev/null; do sleep 0.01; done
}

temporaries() { find . -name '*.veyrin-tmp' | wc -l; }

# The reference round closes normally: its files are the new bytes, its close time the kill window.
# timed_close: clicks the close button and prints the milliseconds from the click to the end.
timed_close() {
  point_at_close_button "$VEYRIN_WINDOW"
  local started
  started=$(now_ms)
  xdotool click 1
  wait_until_gone "$VEYRIN_PID"
  wait "$VEYRIN_PID"
  echo $(($(now_ms) - started))
}

fresh_round_directory
start_veyrin
plain_close_ms=$(timed_close)
mkdir -p "$base/new"
for i in "${!files[@]}"; do
  cmp -s "${files[$i]}" "$template/${files[$i]}" && fail "the close did not rewrite ${files[$i]}"
  cp "${files[$i]}" "$base/new/$i"
done

export VEYRIN_DEBUG_WRITE_PAUSE_MS=$pause_ms
fresh_round_directory
start_veyrin
window_ms=$(($(timed_close) + 20))
unset VEYRIN_DEBUG_WRITE_PAUSE_MS
echo "close takes ${plain_close_ms} ms, ${window_ms} ms with a ${pause_ms} ms pause in every write"

declare -a old_count new_count
for i in "${!files[@]}"; do old_count[$i]=0; new_count[$i]=0; done
all_old=0 all_new=0 mixed=0 temp_left=0 ended_before_kill=0

for round in $(seq 1 "$rounds"); do
  fresh_round_directory
  VEYRIN_DEBUG_WRITE_PAUSE_MS=$pause_ms start_veyrin
  delay=$((RANDOM % window_ms))
  point_at_close_button "$VEYRIN_WINDOW"
  # The click runs beside the delay, so the delay counts from the click, not from its return.
  xdotool click 1 &
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -KILL "$VEYRIN_PID" 2>/dev/null || true
  status=0
  wait "$VEYRIN_PID" || status=$?
  wait  # the click
  [ "$status" = 137 ] || ended_before_kill=$((ended_before_kill + 1))

  olds=0
  for i in "${!files[@]}"; do
    f=${files[$i]}
    [ -f "$f" ] || fail "$f is missing"
    if cmp -s "$f" "$template/$f"; then
      old_count[$i]=$((old_count[$i] + 1)); olds=$((olds + 1))
    elif cmp -s "$f" "$base/new/$i"; then
      new_count[$i]=$((new_count[$i] + 1))
    else
      fail "$f is neither its old nor its new bytes ($(stat -c %s "$f") bytes)"
    fi
  done
  if [ "$olds" = "${#files[@]}" ]; then all_old=$((all_old + 1))
  elif [ "$olds" = 0 ]; then all_new=$((all_new + 1))
  else mixed=$((mixed + 1)); fi
  [ "$(temporaries)" = 0 ] || temp_left=$((temp_left + 1))
  [ -z "${TORTURE_VERBOSE:-}" ] || echo "round $round: kill after $delay ms, $olds old, $(temporaries) temporary"

  # What is left must start, load and close as it would have after a normal close.
  start_veyrin || fail "the program did not start again after the kill"
  close_by_button "$VEYRIN_PID" "$VEYRIN_WINDOW" || fail "the program did not close after the kill"
  for i in "${!files[@]}"; do
    cmp -s "${files[$i]}" "$base/new/$i" || fail "${files[$i]} differs after the next start and close"
  done
  [ "$(temporaries)" = 0 ] || fail "a temporary file is still there after the next close"
  cd "$base"
done

echo "rounds: $rounds (kill delay 0-${window_ms} ms after the click)"
echo "killed before any file was replaced: $all_old; between replacements: $mixed; after all: $all_new"
echo "killed with a temporary file left: $temp_left; program already gone at the kill: $ended_before_kill"
for i in "${!files[@]}"; do
  printf '%-22s old %4d  new %4d\n' "${files[$i]}" "${old_count[$i]}" "${new_count[$i]}"
done
rm -rf "$template"
DRIVE
# -noreset: between two rounds the server may have no client, and a reset then would refuse the
# next start of the program.
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24 -noreset" bash "$base/drive.sh" "$base" "$binary" "$source_dir" "$rounds" \
  "$pause_ms" "$lib_dir/workspace.sh"
echo "close torture test passed"
