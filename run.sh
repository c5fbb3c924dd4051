#!/usr/bin/env bash
# Installs what is missing, builds Vasco in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependances.sh
vasco_installer "${VASCO_PAQUETS[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVASCO_GUI=ON -DVASCO_SANITIZE=OFF -DVASCO_FUZZ=OFF
cmake --build build -j"$(nproc)" --target vasco
exec ./build/vasco "$@"
