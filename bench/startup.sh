#!/usr/bin/env bash
# Whole-process start-up: the time from exec until the window is mapped, and the resident
# memory once it shows, for Corvane (all pages, the virtual mouse plugged in) and for a bare
# Qt window in the same run. Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=$(realpath "${1:-build/dev}")
runs=${2:-5}
demo=$build/demo
bare=$build/bench/corvane_bare_window
for f in "$demo/corvane" "$bare"; do
  [ -x "$f" ] || { echo "missing $f: build corvane_demo_folder and corvane_bare_window" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 70 89); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then
    Xvfb ":$n" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  fi
done
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
export QT_QPA_PLATFORM=xcb CORVANE_VMOUSE_PLUGGED=1

now_ms() { date +%s%3N; }

# One start: prints "<ms to mapped> <resident kB>".
measure() {
  local title=$1
  shift
  local start pid shown rss
  start=$(now_ms)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$title ended before it showed" >&2; return 1; }
    sleep 0.002
  done
  shown=$(now_ms)
  sleep 0.5  # let the first paint finish
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$((shown - start)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

report() {  # label file-of-"ms kB"-lines
  local t m
  t=$(cut -d' ' -f1 "$2" | median)
  m=$(cut -d' ' -f2 "$2" | median)
  printf '%-12s %6s ms %8s MB\n' "$1" "$t" "$(awk -v k="$m" 'BEGIN {printf "%.1f", k / 1024}')"
  echo "$t $m" >"$work/$1"
}

echo "median of $runs starts, exec to window mapped, resident memory once shown"
# The two take turns, so a slow moment of the machine falls on both alike.
for i in $(seq "$runs"); do
  export XDG_CONFIG_HOME=$work/home$i CORVANE_VMOUSE_DIR=$work/vm$i
  measure BareWindow "$bare" >>"$work/bare.runs"
  measure Corvane "$demo/corvane" >>"$work/corvane.runs"
done
report bare "$work/bare.runs"
report corvane "$work/corvane.runs"
read -r bt bm <"$work/bare"
read -r ct cm <"$work/corvane"
awk -v bt="$bt" -v ct="$ct" -v bm="$bm" -v cm="$cm" \
  'BEGIN {printf "corvane / bare: time %.2fx, memory %.2fx\n", ct / bt, cm / bm}'
