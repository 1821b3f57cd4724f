#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need.
# Idempotent: packages already present are skipped; apt runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang llvm libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev
  qt6-webengine-dev libjs-leaflet
  libqcustomplot-dev libqcustomplot2.1-qt6
  libgl1-mesa-dev libglx-dev
  libwolfssl-dev openssl
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  xvfb xauth fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
