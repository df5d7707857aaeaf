#!/usr/bin/env bash
# Installs the build as a user or packager would and checks what lands: the program folder, the
# desktop files, the udev rule, --help and --version, the Debian package, and the installed
# program running with the virtual mouse.
# Usage: install_e2e.sh <build dir> <device_link_e2e binary>
set -euo pipefail
build=$1
e2e=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dest=$work/root
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
lib=$dest/usr/lib/corvane
for f in corvane hiddriver_1.so hiddriver_2.so lan/strings.txt Font/arial.ttf Font/OFL.txt \
         skins/skin_Config.ini skins/Config_normal.bmp; do
  [ -e "$lib/$f" ] || fail "program folder lacks $f"
done
[ "$(readlink "$dest/usr/bin/corvane")" = "../lib/corvane/corvane" ] || fail "bin/corvane is not the link"
for f in hiddriver_virtual.so corvane-vmouse; do
  [ ! -e "$lib/$f" ] || fail "the default install carries the test component's $f"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$dest/usr/share/icons/hicolor/${size}x${size}/apps/corvane.png" ] || fail "no ${size}px icon"
done
[ -s "$dest/usr/share/doc/corvane/LICENSE" ] || fail "no licence"

# The desktop's own validators.
desktop-file-validate "$dest/usr/share/applications/org.corvane.Corvane.desktop"
appstreamcli validate --no-net --pedantic "$dest/usr/share/metainfo/org.corvane.Corvane.metainfo.xml" \
  >"$work/appstream.txt" 2>&1 || { cat "$work/appstream.txt"; fail "metainfo does not validate"; }

# The udev rule: every line is a list of KEY{attr}OP"value" terms that udev knows.
rule=$dest/usr/lib/udev/rules.d/70-corvane.rules
[ -s "$rule" ] || fail "no udev rule"
awk '
  /^[ \t]*(#|$)/ { next }
  {
    n = split($0, terms, /,[ \t]*/)
    for (i = 1; i <= n; i++) {
      t = terms[i]; sub(/^[ \t]+/, "", t); sub(/[ \t]+$/, "", t)
      if (t !~ /^(SUBSYSTEM|SUBSYSTEMS|KERNEL|ACTION|DRIVERS|TAG|MODE|GROUP|ATTRS\{[a-zA-Z_]+\}|ATTR\{[a-zA-Z_]+\}|ENV\{[A-Z_]+\})(==|!=|\+=|:=|=)"[^"]*"$/) {
        printf "bad term on line %d: %s\n", NR, t; bad = 1
      }
    }
    if ($0 !~ /SUBSYSTEM=="hidraw"/ || $0 !~ /ATTRS\{idVendor\}=="1d57"/ || $0 !~ /TAG\+="uaccess"/) {
      printf "line %d is not a hidraw uaccess rule for 1d57\n", NR; bad = 1
    }
    if ($0 ~ /MODE|GROUP/) { printf "line %d sets a mode or group\n", NR; bad = 1 }
    seen[$0 ~ /fa60/ ? "fa60" : ($0 ~ /fa61/ ? "fa61" : "other")] = 1
  }
  END { if (!seen["fa60"] || !seen["fa61"]) { print "a product is missing"; bad = 1 } exit bad }
' "$rule" || fail "udev rule"

# --help and --version answer without taking the lock or writing a per-user file.
home=$work/home
mkdir -p "$home"
XDG_CONFIG_HOME=$home "$dest/usr/bin/corvane" --help | grep -q "^Usage: corvane" || fail "--help"
XDG_CONFIG_HOME=$home "$dest/usr/bin/corvane" --version | grep -Eq "^corvane [0-9]+\.[0-9]+" || fail "--version"
[ -z "$(ls -A "$home")" ] || fail "--help or --version touched the per-user folder"

# The Debian package carries the same files and nothing of the test component.
if command -v dpkg-shlibdeps >/dev/null && command -v cpack >/dev/null; then
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
  deb=$(ls "$work"/deb/corvane_*.deb)
  dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./#/#' >"$work/files.txt"
  for f in /usr/bin/corvane /usr/lib/corvane/corvane /usr/lib/corvane/hiddriver_1.so \
           /usr/lib/corvane/hiddriver_2.so /usr/lib/corvane/skins/skin_Config.ini \
           /usr/lib/corvane/Font/OFL.txt /usr/lib/udev/rules.d/70-corvane.rules \
           /usr/share/applications/org.corvane.Corvane.desktop \
           /usr/share/metainfo/org.corvane.Corvane.metainfo.xml \
           /usr/share/icons/hicolor/48x48/apps/corvane.png /usr/share/doc/corvane/LICENSE; do
    grep -qx "$f" "$work/files.txt" || fail "package lacks $f"
  done
  ! grep -q "hiddriver_virtual\|corvane-vmouse" "$work/files.txt" || fail "package carries the virtual mouse"
  dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "package depends on no Qt"
  dpkg-deb -e "$deb" "$work/control"
  grep -q "udevadm trigger" "$work/control/postinst" || fail "no udev trigger after install"
else
  fail "cpack or dpkg-shlibdeps missing (dpkg-dev)"
fi

# The installed program, through bin/corvane, with the virtual mouse as its first variant.
DESTDIR=$dest cmake --install "$build" --prefix /usr --component vmouse >/dev/null
cp "$lib/hiddriver_virtual.so" "$lib/hiddriver_1.so"
CORVANE_DEMO_FOLDER=$lib CORVANE_PROGRAM=$dest/usr/bin/corvane \
  xvfb-run -a -s "-screen 0 1280x800x24" "$e2e"
echo "install checks passed"
