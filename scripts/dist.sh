#!/usr/bin/env bash
# Installs what is missing and builds; the build packs the release archive
# for Windows into build/dist (tools/make_dist.py). Prints its name and size.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
for zip in "${BUILD_DIR:-build}"/dist/*.zip; do
  echo "dist: $zip ($(stat -c %s "$zip") bytes)"
done
