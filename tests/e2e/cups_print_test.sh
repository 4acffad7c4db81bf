#!/usr/bin/env bash
# PRINT on a real printer queue: starts a private CUPS server with a cups-pdf
# queue as the default printer, presses PRINT in the main window and in the
# matching window, and checks that each arrives as one one-page PDF whose page
# shows the window's grey background and dark text. Needs root (cupsd and the
# cups-pdf backend); elsewhere it reports itself skipped (status 77).
set -uo pipefail
printer_program=$1
here=$(cd "$(dirname "$0")" && pwd)

if [ "$(id -u)" != 0 ]; then echo "skipped: starting CUPS needs root"; exit 77; fi
for tool in cupsd lpadmin pdfinfo pdftoppm; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "skipped: printer-driver-cups-pdf is not installed"; exit 77; }

work=$(mktemp -d)
# The configuration lies in the one folder cups-pdf reads: named for this run,
# since suites of other checkouts may print at the same time.
queue_name=loopbeam-test-$$
pdf_conf=/etc/cups/cups-pdf-$queue_name.conf
cleanup() {
  [ -n "${cupsd_pid:-}" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -f "$pdf_conf"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$work/log/error_log" ] && tail -n 20 "$work/log/error_log"; exit 1; }

mkdir -p "$work"/{etc/ppd,spool/tmp,cache,run,log,out}
# Filters run as the unprivileged lp user: they must reach the spool.
chmod 755 "$work"
chgrp lp "$work/spool" "$work/cache" && chmod 0770 "$work/spool" "$work/cache"
chmod 1777 "$work/spool/tmp" "$work/out"
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/run
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
CONF
cat > "$work/etc/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
# cups-pdf reads cups-pdf-<name>.conf for a queue whose address is cups-pdf:/<name>.
cat > "$pdf_conf" <<CONF
Out $work/out
AnonDirName $work/out
Label 0
UserUMask 0000
CONF

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 300); do [ -S "$work/cups.sock" ] && break; sleep 0.1; done  # 30 s and more: a busy machine
[ -S "$work/cups.sock" ] || fail "cupsd did not start"
lpadmin -p loopbeam-pdf -E -v "cups-pdf:/$queue_name" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  || fail "lpadmin could not make the queue"
lpadmin -d loopbeam-pdf || fail "lpadmin could not make the queue the default"

QT_QPA_PLATFORM=offscreen "$printer_program" || fail "PRINT showed a problem"

# cups-pdf creates each file before writing it: wait for both jobs to complete,
# not only for the files to appear.
all_printed() {
  [ "$(ls "$work/out" | grep -c '\.pdf$')" -ge 2 ] && [ -z "$(lpstat -W not-completed -o 2>/dev/null)" ]
}
for _ in $(seq 120); do all_printed && break; sleep 0.5; done
pdfs=$(ls "$work/out"/*.pdf 2>/dev/null)
[ "$(echo "$pdfs" | grep -c .)" = 2 ] || fail "expected two PDFs, got: $pdfs"
for pdf in $pdfs; do
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  [ "$pages" = 1 ] || fail "$pdf has $pages pages"
  pdftoppm -r 40 -f 1 -l 1 "$pdf" "$work/page" || fail "cannot render $pdf"
  /usr/bin/python3 "$here/page_pixels.py" "$work"/page-1.ppm || fail "$pdf does not show the window"
  rm -f "$work"/page-1.ppm
done
[ -n "${LOOPBEAM_KEEP_PRINTS:-}" ] && mkdir -p "$LOOPBEAM_KEEP_PRINTS" && cp $pdfs "$LOOPBEAM_KEEP_PRINTS"/
echo "two one-page PDFs showing the windows"
