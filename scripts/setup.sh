#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Installs nothing when everything is already there, so a second run is quick.
set -euo pipefail

packages=(
  cmake g++ make pkg-config git
  qtbase5-dev libqt5svg5-dev qttools5-dev
  libjsoncpp-dev libminizip-dev zlib1g-dev
  libgtest-dev libbenchmark-dev libqcustomplot-dev
  xvfb xauth fonts-dejavu-core fonts-wqy-microhei
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
