#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine; does nothing when all is there.
# Wine's MCI plays MP3 files through the 32-bit GStreamer plugins.
# The generated web pages are checked in a real browser, Debian's headless Chromium.
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          nlohmann-json3-dev python3 libcddb-file-perl mingw-w64 wine wine32:i386 xvfb x11-utils
          imagemagick fonts-wine python3-aiosmtpd sox lame twolame mpg123 mediainfo ffmpeg
          gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386 chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages and not root: ${missing[*]}" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -q i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index now and then: try again, then go on with what came.
for attempt in 1 2 3; do
  apt-get update -qq && break
  sleep $((attempt * 5))
done || true
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
