#!/usr/bin/env bash
# Installs the Debian packages the project needs, when they are missing.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev sqlite3
  libpq-dev postgresql
  libgtest-dev libgmock-dev
  libcairo2-dev libpango1.0-dev fonts-dejavu-core fontconfig
  libjpeg-dev libcurl4-openssl-dev libcups2-dev poppler-utils
  libxlsxwriter-dev xlsx2csv
  qt6-base-dev qt6-declarative-dev xvfb xauth
  wamerican clang-format ccache lld
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
run_as_root=()
if [ "$(id -u)" -ne 0 ]; then
  run_as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
