#!/usr/bin/env bash
# Stages the distribution folder (done by the build) and tells where it is.
set -euo pipefail
build=${1:-build}
echo "The distribution folder is $build/dist/Tamsolo"
ls -R "$build/dist/Tamsolo"
