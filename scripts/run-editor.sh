#!/usr/bin/env bash
# Installs what is missing, builds Brindel and starts the editor (arguments go to it).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build"
exec "$here/build/bin/brindel" "$@"
