#!/usr/bin/env bash
# Installs what is missing, builds Vasco and runs every test through ctest.
# The window tests run on Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependances.sh
vasco_installer "${VASCO_PAQUETS[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVASCO_GUI=ON -DVASCO_SANITIZE=OFF -DVASCO_FUZZ=OFF
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
