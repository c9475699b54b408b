#!/usr/bin/env bash
# Installs the Debian packages the build needs when some are missing (sourced by play.sh and
# test.sh). Uses apt-get as root, sudo otherwise, and names the packages when neither works.
TARNHOLLOW_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libx11-dev libcairo2-dev libpango1.0-dev
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
  libgtest-dev libgmock-dev libbenchmark-dev
)
# What only the tests need: the desktop's validators of the desktop entry and the AppStream
# metadata, dpkg-shlibdeps, against which the Debian package's dependencies are checked, and
# Python, whose XML parser reads the game report's page back.
TARNHOLLOW_TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev python3)
# What the tests that start the program on a real X display need: a private X server, and for the
# end-to-end test xdotool to drive it and ImageMagick to take and compare screenshots. Without them
# those tests are skipped.
TARNHOLLOW_DISPLAY_TEST_PACKAGES=(xvfb xdotool imagemagick)

tarnhollow_install_packages() {
  local missing=() pkg
  for pkg in "${TARNHOLLOW_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local apt=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" -eq 0 ]; then
    (DEBIAN_FRONTEND=noninteractive "${apt[@]}" || { apt-get update && DEBIAN_FRONTEND=noninteractive "${apt[@]}"; }) && return 0
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    (sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}" || { sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}"; }) && return 0
  fi
  echo "error: could not install the packages Tarnhollow needs. Please install them yourself:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  return 1
}
