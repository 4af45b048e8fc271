#!/usr/bin/env bash
# Runs a Windows program of ours under Wine: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use. The display is the caller's (the test
# command starts its own Xvfb).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix="$1"; shift
"$here/wine-prefix.sh" "$prefix"
. "$here/wine-env.sh" "$prefix"
exec wine "$@"
