#!/usr/bin/env bash
# End to end on a real print queue: starts a private CUPS server (its own configuration and
# spool in a temporary folder), makes a file queue its default, prints thirty exercises
# through the program's own code and checks the page that reaches the queue. The machine's
# own printers are never touched: every client talks to the private server only.
set -euo pipefail

helper="$1"
out_copy="${2:-}"
for tool in cupsd lpadmin lpstat pdftotext ppdc gs python3; do
    command -v "$tool" >/dev/null || { echo "manca $tool" >&2; exit 1; }
done

work="$(mktemp -d /tmp/tabella-cups.XXXXXX)"
chmod 755 "$work"
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{root,spool,cache,state,temp,log,out,home,client}
chmod 1777 "$work/out" "$work/temp"
cat > "$work/cupsd.conf" <<CONF
Listen $work/cups.sock
PreserveJobFiles Yes
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat > "$work/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/temp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
FileDevice Yes
CONF

cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
pid=$!

export CUPS_SERVER="$work/cups.sock" HOME="$work/home" CUPS_SERVERROOT="$work/client"
for _ in $(seq 100); do
    [ -S "$work/cups.sock" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null || { cat "$work/log/error_log" >&2 || true; exit 1; }

lpadmin -p Aula -E -v "file://$work/out/page.prn" -m raw 2>/dev/null
lpoptions -d Aula >/dev/null

QT_QPA_PLATFORM=offscreen "$helper"

# The job is done once the server lists it as completed; its page is the data the queue
# received (kept in the spool), or what the queue's file device wrote.
for _ in $(seq 200); do
    lpstat -W completed -o Aula 2>/dev/null | grep -q . && break
    sleep 0.1
done
page="$work/out/page.prn"
[ -s "$page" ] || page="$(ls "$work"/spool/d*-001 2>/dev/null | head -n 1)"
[ -n "$page" ] && [ -s "$page" ] || { echo "nessuna pagina nella coda" >&2; cat "$work/log/error_log" >&2; exit 1; }
[ -n "$out_copy" ] && cp "$page" "$out_copy"

# Spaces as pdftotext lays them out are not the program's: compare words only.
text="$(pdftotext -layout "$page" - | tr -s ' ')"
grep -q "SCUOLA ELEMENTARE DI" <<<"$text" || { echo "manca l'intestazione" >&2; exit 1; }
for n in $(seq 0 29); do
    m=$(( 10 * (n / 10 + 1) )); s=$(( n % 10 + 1 )); d=$(( m - s ))
    line="$m - $s = $d"
    grep -qF -- "$line" <<<"$text" || { echo "manca la riga $n: $line" >&2; echo "$text" >&2; exit 1; }
done

# A queue that refuses jobs: the program says the page was not printed.
cupsreject Aula
if said="$(QT_QPA_PLATFORM=offscreen "$helper" 2>&1)"; then
    echo "una coda che rifiuta la pagina non è stata segnalata" >&2; exit 1
fi
expected="messaggio: La pagina non è stata stampata: la stampante «Aula» non accetta stampe in questo momento."
grep -qxF "$expected" <<<"$said" || { echo "$said" >&2; exit 1; }
# Italian only: nothing of the print system's own English text.
if grep -qE "Destination|accepting|\)\." <<<"$said"; then echo "$said" >&2; exit 1; fi
cupsaccept Aula

# A stopped printer: the page waits in the queue, and the program says so.
cupsdisable Aula
if said="$(QT_QPA_PLATFORM=offscreen "$helper" 2>&1)"; then
    echo "una stampante ferma non è stata segnalata" >&2; exit 1
fi
grep -q "aspetta in coda" <<<"$said" || { echo "$said" >&2; exit 1; }
lpstat -o Aula | grep -q Aula || { echo "la pagina non è in coda" >&2; exit 1; }

# A queue with a driver, CUPS's Generic PostScript Printer (its PPD says the printable area
# starts 12 pt inside the sheet, on Letter and on A4): the page is laid out on the queue's
# paper from the printable area's corner and printed unscaled. The driver's PostScript is read
# back at 1440 dpi (one unit a twip) with Ghostscript; its PostScript is written at 720 dpi, so
# places are checked to 2 twips.
ppdc -d "$work/ppd" /usr/share/cups/drv/sample.drv
for size in Letter A4; do
    out="$work/out/laser-$size.ps"
    for _ in $(seq 50); do
        lpadmin -p "Laser$size" -E -v "file://$out" -P "$work/ppd/generic.ppd" \
            -o "PageSize=$size" 2>/dev/null || true
        lpstat -v "Laser$size" >/dev/null 2>&1 && break
        sleep 0.2
    done
    lpoptions -d "Laser$size" >/dev/null
    paper="$(QT_QPA_PLATFORM=offscreen "$helper" --carta)"
    echo "carta della coda Laser$size: $paper"
    QT_QPA_PLATFORM=offscreen "$helper"
    for _ in $(seq 300); do
        lpstat -W completed -o "Laser$size" 2>/dev/null | grep -q . && break
        sleep 0.1
    done
    [ -s "$out" ] || { echo "il driver non ha prodotto la pagina ($size)" >&2; cat "$work/log/error_log" >&2; exit 1; }
    gs -q -dNOPAUSE -dBATCH -r1440 -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile="$work/testo-$size.xml" "$out"
    source="$(ls -t "$work"/spool/d*-001 | head -n 1)"
    gs -q -dNOPAUSE -dBATCH -r1440 -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile="$work/sorgente-$size.xml" "$source"
    python3 "$(dirname "$0")/posti_stampa.py" "$size" "$paper" "$out" "$work/testo-$size.xml" \
        "$work/sorgente-$size.xml" || exit 1
done

# The print server gone while the page is being sent (laid out on the queue's paper, then the
# server stops): the program says the page was not printed, in Italian, and does not hang.
coproc STAMPA { QT_QPA_PLATFORM=offscreen timeout 60 "$helper" --attendi 2>&1; }
riga=
while [ "$riga" != pronto ] && read -r -t 30 riga <&"${STAMPA[0]}"; do :; done
[ "$riga" = pronto ] || { echo "il programma non ha scelto la stampante" >&2; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true
echo >&"${STAMPA[1]}"
said="$(cat <&"${STAMPA[0]}")"
echo "$said"
grep -q "^messaggio: La pagina non è stata stampata: .*non risponde" <<<"$said" ||
    { echo "il servizio di stampa sparito non è stato segnalato" >&2; exit 1; }
if grep -qE "[Ss]erver|[Ee]rror|\)\." <<<"$said"; then echo "$said" >&2; exit 1; fi

echo "6 passed, 0 failed"
