#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game
# need, asking apt-get only for those that dpkg does not already report.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev libgl-dev libcanberra-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxcb1-dev clang clang-format libclang-rt-14-dev
  desktop-file-utils appstream lintian dpkg-dev file
  libcanberra-pulse pulseaudio pulseaudio-utils
  at-spi2-core python3-pyatspi dbus dbus-x11
  xvfb xdotool imagemagick x11-utils
  xfwm4 wmctrl weston qt6-wayland
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=(env DEBIAN_FRONTEND=noninteractive)
[[ $(id -u) -eq 0 ]] || as_root=(sudo "${as_root[@]}")
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}"
