#!/usr/bin/env bash
# Prints a note on a real printer: a CUPS daemon of its own (configuration,
# queue and spool in the build tree, no system service) with the PDF
# printer as the default queue, seen by Wine in a prefix of its own; the
# note goes through the program's print command, and the PDF's text and
# page count are read back. Skipped (77) where CUPS, its PDF printer or the
# PDF tools are not installed.
#   print_to_pdf.sh WORKDIR PROGRAM
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work="$1"; program="$2"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ "$(id -u)" = 0 ] || { echo "print_to_pdf: starting a CUPS daemon of its own needs root: skipped"; exit 77; }
for tool in /usr/sbin/cupsd lpadmin pdftotext pdfinfo; do
    command -v "$tool" >/dev/null || { echo "print_to_pdf: $tool is not installed: skipped"; exit 77; }
done
[ -f "$ppd" ] && [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "print_to_pdf: no PDF printer: skipped"; exit 77; }

rm -rf "$work/cups"
mkdir -p "$work/cups"/{spool,cache,state,log}
cups="$work/cups"
cat > "$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
cat > "$cups/cups-files.conf" <<CONF
ServerRoot $cups
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
User lp
Group lp
SystemGroup root
CONF
chmod 755 "$cups"
chown -R lp:lp "$cups/spool" "$cups/cache" "$cups/state" 2>/dev/null || true
/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
cupsd_pid=$!
trap 'kill $cupsd_pid 2>/dev/null || true' EXIT
export CUPS_SERVER="$cups/cups.sock"
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
lpadmin -p QivPDF -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
lpadmin -d QivPDF

# The PDF printer writes into the PDF folder of the job's user.
pdfdir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
title="qivnotes-druck-$$"
export QIV_PRINT_TITLE="$title" QIV_PRINT_PAGES="$cups/pages"
"$top/scripts/wine-prefix.sh" "$work/wineprefix-print"
. "$top/scripts/wine-env.sh" "$work/wineprefix-print"
wine "$program" --gtest_filter='PrinterTest.*'
[ -s "$cups/pages" ] || { echo "print_to_pdf: the test printed nothing"; exit 1; }

pdf=""
for _ in $(seq 120); do
    pdf=$(ls "$pdfdir/$title"*.pdf 2>/dev/null | head -n1 || true)
    [ -n "$pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
    sleep 0.5
done
[ -n "$pdf" ] || { echo "print_to_pdf: no PDF came out"; cat "$cups/log/error_log" 2>/dev/null; exit 1; }
text=$(pdftotext -enc UTF-8 "$pdf" -)
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ -n "${QIV_KEEP_PDF:-}" ] || rm -f "$pdf"
expected_pages=$(tr -d "\r\n" < "$cups/pages")
status=0
# Each of the 70 lines holds one capital Z and one of each umlaut: every
# printed character is counted, and the lines read back whole and in order
# (a run that lost letters or landed displaced on the page breaks them).
for ch in Z ä ö ü Ä Ö Ü ß; do
    n=$(grep -o "$ch" <<<"$text" | wc -l)
    [ "$n" = 70 ] || { echo "print_to_pdf: $n times $ch in the PDF, 70 printed"; status=1; }
done
expected_lines=$(for i in $(seq 70); do echo "Zeile $i der Notiz mit Umlauten: äöü ÄÖÜ ß."; done)
read_lines=$(tr -d "\f" <<<"$text" | grep -a "^Zeile " | sed 's/[[:space:]]*$//')
[ "$read_lines" = "$expected_lines" ] || { echo "print_to_pdf: the lines do not read back whole and in order:"; diff <(echo "$expected_lines") <(echo "$read_lines") | head -n 10; status=1; }
[ "$pages" = "$expected_pages" ] || { echo "print_to_pdf: $pages pages printed, the preview counts $expected_pages"; status=1; }
[ $status = 0 ] && echo "print_to_pdf: $pages pages, every character read back"
exit $status
