#!/usr/bin/env bash
# Install what is missing, build, and run the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/setup.sh"
ensure_packages
build_pagewick "$root"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)" --timeout 300
