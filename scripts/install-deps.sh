#!/bin/sh
# Installs the Debian packages that building, running and testing need, only those missing.
set -eu

packages="cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
qt6-base-dev libqt6svg6 libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-x gstreamer1.0-libav
gstreamer1.0-alsa gstreamer1.0-pulseaudio gstreamer1.0-gl fonts-liberation
libglib2.0-dev shared-mime-info libxcb1-dev xvfb openbox"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
