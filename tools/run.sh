#!/usr/bin/env bash
# Install what is missing, build, and start Pagewick, passing FILE on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/setup.sh"
ensure_packages
build_pagewick "$root"
exec "$root/build/src/pagewick" "$@"
