#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The certificate through a real print system: a private CUPS daemon with a cups-pdf queue.
#   - printed on the default queue: one A4 page whose ink stands where the layout says;
#   - no default queue: the certificate becomes a PDF in the player's documents folder;
#   - no print server answering: the same, and the box says which of the two it was;
#   - a queue that refuses jobs: the player is told why and keeps the certificate;
#   - no print server and a full or read-only documents folder: told why, no file left there.
# (How the session's end while the page is drawn ends the program is in x11.test.sh.)
# Nothing is written to /etc and no system service is touched: the daemon runs from a
# temporary directory, inside a private mount namespace where cups-pdf's fixed
# configuration file is replaced by our own.
#
# Usage: cups.test.sh <brendelquiz executable> <build directory>
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/desk/lib.sh"

game_exe=${1:?usage: cups.test.sh <brendelquiz> <build-dir>}
build_dir=${2:?usage: cups.test.sh <brendelquiz> <build-dir>}
tool="$build_dir/tests/print_certificate"
queue=CertPDF
tolerance_note="0.3 mm"

[ "$(id -u)" -eq 0 ] || desk_skip "needs root (runs its own CUPS daemon and a private mount namespace)"

if [ -z "${BQ_CUPS_NAMESPACE:-}" ]; then
    unshare -m --propagation private true 2>/dev/null \
        || desk_skip "needs root with mount namespaces (unshare -m is not permitted here)"
    exec env BQ_CUPS_NAMESPACE=1 unshare -m --propagation private bash "$0" "$@"
fi

desk_need cupsd lpadmin lpstat cupsreject cupsenable pdfinfo pdftoppm
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f /etc/cups/cups-pdf.conf ] \
    || { echo "FAIL: cups-pdf is missing; 'make deps' installs printer-driver-cups-pdf"; exit 1; }
[ -x "$tool" ] || { echo "FAIL: $tool is not built"; exit 1; }
[ -x "$game_exe" ] || { echo "FAIL: $game_exe is not built"; exit 1; }

dir=$(mktemp -d /tmp/bq-cups.XXXXXX)
chmod 755 "$dir"
cupsd_pid=
finish() {
    [ -n "$cupsd_pid" ] && { kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null; }
    if [ "$DESK_FAILURES" -ne 0 ]; then
        echo "--- cupsd error log ---"
        tail -n 40 "$dir/log/error_log" 2>/dev/null
        echo "--- cups-pdf log ---"
        tail -n 20 "$dir/log/cups-pdf_log" "$dir"/log/cups-pdf-*_log 2>/dev/null
    fi
    rm -rf "$dir"
}
trap finish EXIT

mkdir -p "$dir/etc/ppd" "$dir/log" "$dir/work" "$dir/home/Documents"
install -d -g lp -m 0710 "$dir/spool" && install -d -g lp -m 1770 "$dir/spool/tmp" \
    && install -d -g lp -m 0770 "$dir/cache" "$dir/state" && install -d -m 1777 "$dir/out" "$dir/cups-pdf-spool"

cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
EOF
cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
cat >"$dir/cups-pdf.conf" <<EOF
Out $dir/out
AnonDirName $dir/out
Spool $dir/cups-pdf-spool
Log $dir/log
LogType 3
Grp lp
UserUMask 0022
Label 0
TitlePref 1
EOF
mount --bind "$dir/cups-pdf.conf" /etc/cups/cups-pdf.conf || { echo "FAIL: cannot mount over cups-pdf.conf"; exit 1; }

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
cupsd_pid=$!

# Only our daemon, our queue and our player's folders.
unset PRINTER LPDEST XDG_DOCUMENTS_DIR
export CUPS_SERVER="$dir/cups.sock" CUPS_SERVERROOT="$dir/etc"
export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$dir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

wait_until 10 eval 'lpstat -r 2>/dev/null | grep -q "is running"' || { fail "cupsd did not start"; exit 1; }

add_queue() {
    lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" -o PageSize=A4 || { fail "lpadmin"; exit 1; }
}
pdfs_in() { find "$1" -name '*.pdf' -type f | sort; }
# play NAME: the certificate printed by the test tool; its report goes to $dir/work/NAME.out and is shown.
play() { "$tool" play "Erika Mustermann" "$dir/work/expected-ink-$1.txt" 2>"$dir/work/$1.err" | tee "$dir/work/$1.out"; }
# kept_as_file OUTPUT FILE WHY: with nowhere to print, the certificate became a one-page PDF of
# that name in Documents, a box began with WHY and named the file, and the game went on.
kept_as_file() {
    local saved="$HOME/Documents/$2"
    grep -qF "BOX 0 $3 " "$1" && grep -q "^BOX 0 .*$saved" "$1" \
        || fail "no message box saying \"$3\" and naming $saved"
    [ -f "$saved" ] || fail "$saved was not written"
    [ -f "$saved" ] && { pdfinfo "$saved" | grep -Eq '^Pages: +1$' || fail "$saved is not a one-page PDF"; }
    grep -q '^VISIBLE frmAbout$' "$1" || fail "the game did not go on to the about screen"
}

add_queue
lpadmin -d "$queue" || { fail "lpadmin -d"; exit 1; }

echo "== 1. printed on the default queue"
play print
grep -q '^BOX' "$dir/work/print.out" && fail "a message box appeared although the queue took the job"
grep -q '^JOURNAL unload frmGlückwunsch$' "$dir/work/print.out" || fail "the congratulations screen was not unloaded"
grep -q '^VISIBLE frmAbout$' "$dir/work/print.out" || fail "the about screen is not the one left on display"
# The PDF, once the queue has finished the job.
wait_until 30 eval 'pdf=$(pdfs_in "$dir/out" | head -n 1); [ -n "$pdf" ] && lpstat -W completed -o "$queue" 2>/dev/null | grep -q "$queue"'
if [ -z "$pdf" ]; then
    fail "cups-pdf wrote no PDF"
else
    echo "cups-pdf wrote: ${pdf#"$dir"/}"
    info=$(pdfinfo "$pdf")
    echo "$info" | grep -Eq '^Pages: +1$' || fail "the printed PDF does not have exactly one page"
    echo "$info" | grep -Eq '^Page size: +595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts \(A4\)' \
        || fail "the printed page is not A4: $(echo "$info" | grep '^Page size')"
    pdftoppm -gray -r 254 -singlefile "$pdf" "$dir/work/page" || fail "pdftoppm"
    echo "ink of the printed page against the layout (tolerance $tolerance_note), pdftoppm -gray -r 254:"
    "$tool" measure "$dir/work/page.pgm" 254 "$dir/work/expected-ink-print.txt" \
        || fail "ink lies off its place by more than $tolerance_note"
fi

echo "== 2. no default destination: the certificate becomes a file"
lpadmin -x "$queue"
add_queue # the queue is back, but nobody made it the default
lpstat -d 2>&1 | grep -qi "no system default" || fail "a default destination is still set: $(lpstat -d 2>&1)"
jobs_before=$(pdfs_in "$dir/out" | wc -l)
play nodefault
kept_as_file "$dir/work/nodefault.out" "Quellmärker-Urkunde.pdf" "Es ist kein Standarddrucker eingerichtet."
sleep 1
[ "$(pdfs_in "$dir/out" | wc -l)" -eq "$jobs_before" ] || fail "the certificate went to a queue that is not the default"

echo "== 3. the default queue refuses jobs"
lpadmin -d "$queue"
cupsreject "$queue"
play refused
grep -q '^BOX 48 .*nicht gedruckt.*accepting jobs' "$dir/work/refused.out" \
    || fail "no exclamation box saying that and why printing failed"
grep -q '^VISIBLE frmGlückwunsch$' "$dir/work/refused.out" || fail "the congratulations screen did not stay open"
grep -q '^JOURNAL show frmAbout$' "$dir/work/refused.out" && fail "the game went on although nothing was printed"

echo "== 4. the print system does not answer: the certificate becomes a file, and the box says why"
kill "$cupsd_pid" && wait "$cupsd_pid" 2>/dev/null
cupsd_pid=
play down
kept_as_file "$dir/work/down.out" "Quellmärker-Urkunde (2).pdf" "Das Drucksystem dieses Rechners ist nicht erreichbar."

# not_kept TEST WORDS: no printer and no room for the file: a box says why in WORDS, the screen
# stays, and Documents holds no file, whole or half-written.
not_kept() {
    play "$1"
    grep -q "^BOX 48 .*nicht als PDF-Datei gespeichert.*Grund: $2" "$dir/work/$1.out" || fail "no box saying \"$2\""
    grep -q '^VISIBLE frmGlückwunsch$' "$dir/work/$1.out" || fail "the congratulations screen did not stay open"
    [ -z "$(ls -A "$HOME/Documents")" ] || fail "files were left in Documents: $(ls -A "$HOME/Documents")"
}
echo "== 5. the print system does not answer, and Documents is full, then read-only"
mount -t tmpfs -o size=16k tmpfs "$HOME/Documents" || desk_fail "cannot mount a small tmpfs"
not_kept full "Auf dem Datenträger ist kein Platz mehr frei."
mount -o remount,ro "$HOME/Documents" || desk_fail "cannot make the small tmpfs read-only"
not_kept readonly "Der Ordner ist schreibgeschützt."
umount "$HOME/Documents"

desk_verdict "printing through CUPS"
