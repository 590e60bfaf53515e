#!/usr/bin/env bash
# Makes sure a CUPS daemon runs and offers a cups-pdf queue for the printing tests.
# The queue writes its PDFs to $KELVPPVW_PDF_DIR (default /var/spool/cups-pdf/kelvppvw).
set -euo pipefail
queue=${KELVPPVW_TEST_QUEUE:-kelvppvw-pdf}
outdir=${KELVPPVW_PDF_DIR:-/var/spool/cups-pdf/kelvppvw}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $sudo mkdir -p /run/cups
  $sudo cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi
lpstat -r | grep -q "is running" || { echo "cupsd did not start" >&2; exit 1; }

# cups-pdf writes into one fixed folder for every job, whoever prints.
conf=/etc/cups/cups-pdf.conf
if [ -f "$conf" ] && ! grep -q "^Out $outdir\$" "$conf"; then
  $sudo sed -i -e '/^Out /d' -e '/^AnonDirName /d' "$conf"
  printf 'Out %s\nAnonDirName %s\n' "$outdir" "$outdir" | $sudo tee -a "$conf" >/dev/null
fi
$sudo mkdir -p "$outdir"
$sudo chmod 1777 "$outdir"

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1 || true)
  if [ -n "$ppd" ]; then
    $sudo lpadmin -p "$queue" -v cups-pdf:/ -P "$ppd" -E
  else
    $sudo lpadmin -p "$queue" -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
  fi
  $sudo cupsenable "$queue"
  $sudo cupsaccept "$queue"
fi
lpstat -p "$queue"
