#!/usr/bin/env bash
# Runs the fuzz runner over every reader for SECONDS each (default 60):
# fuzz.sh [SECONDS] [qivfuzz options, e.g. --mode cardfile --seed 7].
# The seed is random unless given; findings land in build/fuzz-findings.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-60}"
[ $# -gt 0 ] && shift
exec "$top/scripts/run-test.sh" qivfuzz --seconds "$seconds" --seed "${QIV_FUZZ_SEED:-$RANDOM}" \
    --inputs "Z:$top/tests/tools/fuzz/inputs" --out "Z:${QIV_BUILD_DIR:-$top/build}/fuzz-findings" "$@"
