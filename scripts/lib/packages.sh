# The Debian packages Corvane builds, tests and runs with. Sourced by scripts/test and
# scripts/demo; installs only what is missing and says nothing when nothing is.
CORVANE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  libhidapi-dev libudev-dev
  libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libx11-dev xkb-data
  xvfb xauth xdotool x11-xkb-utils x11-utils imagemagick
  desktop-file-utils appstream dpkg-dev file
)

# With arguments, installs those packages instead of the usual list.
corvane_install_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${CORVANE_PACKAGES[@]}")
  local missing=()
  local p
  for p in "${wanted[@]}"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != "installed" ]; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Corvane needs these packages and cannot install them without root: ${missing[*]}" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq >/dev/null
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
