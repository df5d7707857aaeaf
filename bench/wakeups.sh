#!/usr/bin/env bash
# Wake-ups per second of the whole running program: the sum of every thread's context
# switches over a quiet interval. Two cases: no mouse (the program waits hidden in the
# notification area, with the real hidapi plug-ins) and the window shown (the virtual mouse
# plugged in). Usage: bench/wakeups.sh [build dir] [seconds]
set -euo pipefail
build=$(realpath "${1:-build/dev}")
seconds=${2:-10}
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 80 89); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then
      Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      pids+=($!)
      export DISPLAY=":$n"
      break
    fi
  done
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

switches() {  # every thread's voluntary and involuntary context switches
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/ctxt_switches/ {s += $2} END {print s + 0}'
}

measure() {  # name, program
  local name=$1 program=$2
  HOME="$work/home-$name" XDG_CONFIG_HOME="$work/home-$name/.config" \
    CORVANE_VMOUSE_DIR="$work/vmouse-$name" "$program" >/dev/null 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep 3  # let start-up settle; only the quiet interval after it counts
  local before after
  before=$(switches "$pid")
  sleep "$seconds"
  after=$(switches "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v n="$name" -v a="$after" -v b="$before" -v s="$seconds" \
    'BEGIN {printf "%-28s %6.1f wake-ups/s\n", n, (a - b) / s}'
}

mkdir -p "$work/home-hidden" "$work/home-shown"
measure "no mouse (hidden)" "$build/bin/corvane"
CORVANE_VMOUSE_PLUGGED=1 measure "virtual mouse (shown)" "$build/demo/corvane"
