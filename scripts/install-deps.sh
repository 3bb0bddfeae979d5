#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test; does nothing when all are there.
set -euo pipefail
packages=(g++ cmake make qt6-base-dev libfreeimage-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core libgl1-mesa-dev locales qt6-translations-l10n
          qt6-image-formats-plugins libxcb1-dev)
# poppler-utils and python3 check the user's guide hilfe.pdf (scripts/check-help.py).
packages+=(poppler-utils python3)
# clang and its run-time libraries build the fuzz targets; FFTW is the transform benchmark's yardstick.
packages+=(clang libclang-rt-14-dev libfftw3-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The number-text tests also run under a German locale (decimal comma).
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "German locale not available; its tests are skipped"
fi
