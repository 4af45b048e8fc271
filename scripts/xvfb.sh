# Sourced: starts a private Xvfb on a display number it picks itself, exports
# DISPLAY, and stops it (and the prefix's Wine server) when the shell exits.
dispfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dispfile" >/dev/null 2>&1 &
qiv_xvfb=$!
for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
[ -s "$dispfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dispfile")"
rm -f "$dispfile"
qiv_stop_xvfb() { wineserver -k >/dev/null 2>&1 || true; kill "$qiv_xvfb" 2>/dev/null || true; }
trap qiv_stop_xvfb EXIT
