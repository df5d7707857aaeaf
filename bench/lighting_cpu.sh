#!/usr/bin/env bash
# CPU of the whole program with the lighting preview at its fastest (colour cycle, speed 8,
# a tick every 10 ms), then with another page shown, then with the window hidden. Runs the
# staged program folder (build/<preset>/demo) with the virtual mouse under its own Xvfb.
# Usage: bench/lighting_cpu.sh [build dir] [seconds per phase]
set -euo pipefail
build=$(realpath "${1:-build/release}")
secs=${2:-10}
folder=$build/demo
[ -x "$folder/corvane" ] || { echo "no staged program in $folder (build corvane_demo_folder)"; exit 1; }
work=$(mktemp -d)
display=""
for n in $(seq 70 89); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_CONFIG_HOME=$work/home CORVANE_VMOUSE_DIR=$work/vm
export CORVANE_VMOUSE_PLUGGED=1 QT_QPA_PLATFORM=xcb
cleanup() { kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
"$folder/corvane" >"$work/log" 2>&1 &
app=$!
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Corvane$' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "the window did not show"; exit 1; }

# Places from the layout files: the page area, the tabs, the effect button, the speed slider.
entry() { grep -i "^$2=" "$folder/skins/$1" | cut -d= -f2; }
centre() {  # file key [fraction across] -> x y in the main window
  IFS=, read -r _ x y w h _ <<<"$(entry "$1" "$2")"
  local ox=0 oy=0
  if [ "$1" = skin_light.ini ]; then IFS=, read -r _ ox oy _ <<<"$(entry skin_Config.ini 10)"; fi
  awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v ox="$ox" -v oy="$oy" -v f="${3:-0.5}" \
    'BEGIN { printf "%d %d", ox + x + w * f, oy + y + h / 2 }'
}
click() { xdotool mousemove --window "$win" 1 1 mousemove --window "$win" $(centre "$@") click 1; sleep 0.3; }

cpu() {  # user + system ticks of the program, and its context switches (wake-ups)
  local stat; stat=$(cut -d' ' -f14,15 "/proc/$app/stat")
  local v; v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$app/status")
  echo "${stat% *} ${stat#* } $v"
}
measure() {
  read -r u0 s0 w0 <<<"$(cpu)"
  sleep "$secs"
  read -r u1 s1 w1 <<<"$(cpu)"
  local hz; hz=$(getconf CLK_TCK)
  awk -v d=$(( u1 + s1 - u0 - s0 )) -v hz="$hz" -v s="$secs" -v w=$(( w1 - w0 )) -v what="$1" \
    'BEGIN { printf "%-34s %6.2f %% of one core, %6.1f wake-ups/s\n", what, 100 * d / hz / s, w / s }'
}

click skin_Config.ini 6
click skin_light.ini 7
xdotool key --delay 100 Down Down Down Return   # the colour cycle
sleep 0.3
click skin_light.ini 9 0.99                      # speed 8
sleep 1
measure "lighting page, colour cycle, 10 ms"
click skin_Config.ini 5                          # the buttons page
sleep 1
measure "another page shown"
click skin_Config.ini 6
# Under Xvfb there is no window manager to minimise it: unmap it, as a window manager does.
xdotool windowunmap "$win"
sleep 1
measure "window minimised (unmapped)"
"$folder/corvane-vmouse" unplug >/dev/null       # the window hides without a mouse
sleep 1
measure "window hidden"
