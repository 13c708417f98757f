#!/usr/bin/env bash
# Installs the dependencies, builds Velmora and runs it: the desktop program when a display is
# there, otherwise a headless run of the bundled example that writes its tables to ./velmora-out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${JOBS:-2}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/app/velmora ]; then
    exec build/app/velmora "$@"
fi
out=${VELMORA_OUT:-velmora-out}
build/cli/velmora-sim run examples/frontloaded.vmx --out "$out"
echo "No display: ran the example headless; tables written to $out/contour.txt and $out/data.txt"
