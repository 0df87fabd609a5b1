# Printing on the real desktop: with no print service and with no default
# printer the probe reports a clear error at once; with a private CUPS
# scheduler whose default printer writes into a file, the printed lines come
# back out of the PDF, over several pages.
source "$(dirname "$0")/lib.sh"
tb_init "$@"
chmod 755 "$TB_TMP"  # the scheduler's filters run as the lp user
PROBE=$TB_BUILD/tests/desktop/tb_probe
TB_LOG=$TB_TMP/print.log

# A local port on which nothing answers.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 30000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
}

# probe_print N: the probe prints N lines and ends; prints its log line.
probe_print() {
    : >"$TB_LOG"
    timeout 60 "$PROBE" "$TB_LOG" --print "$1" >>"$TB_TMP/program.out" 2>&1 || tb_fail "the probe did not end cleanly"
    grep -E '^print' "$TB_LOG" | head -1
}

port=$(free_port)
export CUPS_SERVER=127.0.0.1:$port

# 1. Nothing listens on the port.
outcome=$(probe_print 3)
[ "$outcome" = "print-error No printer is available: the print service is not running." ] ||
    tb_fail "no scheduler: $outcome"
ms=$(sed -n 's/^print-ms //p' "$TB_LOG")
[ "${ms:-99999}" -lt 1000 ] || tb_fail "the missing scheduler took ${ms} ms to report"

# 2. A private scheduler on that port, without printers. Its programs are the
# system's, except for a backend that writes each job (the PDF that the
# desktop's print system sends) into a folder.
spool=$TB_TMP/cups
mkdir -p "$spool"/{spool,tmp,cache,state,out,bin/backend}
chmod 1777 "$spool/out"
for part in daemon filter cgi-bin notifier monitor; do
    [ -e "/usr/lib/cups/$part" ] && ln -s "/usr/lib/cups/$part" "$spool/bin/$part"
done
cat >"$spool/bin/backend/tofile" <<'BACKEND'
#!/bin/sh
# Writes each job into the folder of the device URI tofile:/FOLDER.
[ $# -eq 0 ] && { echo 'direct tofile "Unknown" "Job file writer"'; exit 0; }
folder=${DEVICE_URI#tofile:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$folder/job-$1.tmp" && mv "$folder/job-$1.tmp" "$folder/job-$1.pdf"
BACKEND
chmod 700 "$spool/bin/backend/tofile"
cat >"$spool/cupsd.conf" <<CONF
LogLevel warn
Listen 127.0.0.1:$port
DefaultAuthType None
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$spool/cups-files.conf" <<CONF
ServerRoot $spool
RequestRoot $spool/spool
TempDir $spool/tmp
CacheDir $spool/cache
StateDir $spool/state
ServerBin $spool/bin
DataDir /usr/share/cups
ErrorLog $spool/error_log
AccessLog $spool/access_log
PageLog $spool/page_log
CONF
cupsd -f -c "$spool/cupsd.conf" -s "$spool/cups-files.conf" >>"$TB_TMP/cupsd.out" 2>&1 &
TB_PIDS+=("$!")
for ((i = 0; i < 100; i++)); do
    lpstat -h "$CUPS_SERVER" -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpstat -h "$CUPS_SERVER" -r 2>/dev/null | grep -q "is running" || tb_fail "the private scheduler did not start: $(cat "$spool/error_log" "$TB_TMP/cupsd.out" 2>/dev/null)"

outcome=$(probe_print 3)
[ "$outcome" = "print-error No default printer is set up." ] || tb_fail "no printer: $outcome"

# 3. A default printer that writes each job into a file.
pdf=$spool/out/job-1.pdf
lpadmin -h "$CUPS_SERVER" -p ProbePrinter -E -v "tofile:$spool/out" -m raw >/dev/null 2>&1 ||
    tb_fail "cannot add the printer: $(tail -3 "$spool/error_log")"
lpadmin -h "$CUPS_SERVER" -d ProbePrinter || tb_fail "cannot make the printer the default"

outcome=$(probe_print 150)
[ "$outcome" = "printed" ] || tb_fail "printing: $outcome"
for ((i = 0; i < 200; i++)); do
    [ -s "$pdf" ] && [ -z "$(lpstat -h "$CUPS_SERVER" -o 2>/dev/null)" ] && break
    sleep 0.1
done
[ -s "$pdf" ] || tb_fail "no job arrived at the printer: $(tail -5 "$spool/error_log")"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || tb_fail "the job is not a PDF: $(head -c 20 "$pdf" | od -c | head -2)"
pdftotext -layout "$pdf" "$TB_TMP/job.txt"
grep -q "Probe line 1 of 150" "$TB_TMP/job.txt" || tb_fail "the first line is missing from the printout"
grep -q "Probe line 150 of 150" "$TB_TMP/job.txt" || tb_fail "the last line is missing from the printout"
[ "$(grep -c 'Probe line' "$TB_TMP/job.txt")" -eq 150 ] || tb_fail "lines are missing or doubled"
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 2 ] || tb_fail "150 lines must take more than one page (got ${pages})"
[ -n "${TB_PRINTOUT:-}" ] && cp "$pdf" "$TB_PRINTOUT"

echo "printing: ok ($pages pages)"
