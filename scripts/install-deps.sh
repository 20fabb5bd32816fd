#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Glarewell. Safe to run again.
set -euo pipefail

packages=(
  # toolchain
  cmake ninja-build g++ pkg-config clang-format
  # Qt 6 and X11
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-multimedia-dev
  # Qt Multimedia's GStreamer backend needs the base and good plugins (playbin, wavparse, audio sinks)
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  qt6-qpa-plugins libgl-dev libx11-dev libxss-dev libxext-dev libx11-xcb-dev libxcb1-dev
  # fonts so the UI renders text
  fonts-dejavu-core fonts-noto-core
  # private X session for the X11 tests and screenshots
  xvfb xauth openbox trayer xcompmgr xdotool x11-xserver-utils x11-utils imagemagick
  # D-Bus for keep-awake and lock
  dbus dbus-x11
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
