# Printing on the real desktop: with no print service and with no default
# printer the probe reports a clear error at once; with a private CUPS
# scheduler whose default printer writes into a file, the printed lines come
# back out of the PDF, over several pages.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups_common.sh"
tb_init "$@"
PROBE=$TB_BUILD/tests/desktop/tb_probe
TB_LOG=$TB_TMP/print.log

# probe_print N: the probe prints N lines and ends; prints its log line.
probe_print() {
    : >"$TB_LOG"
    timeout 60 "$PROBE" "$TB_LOG" --print "$1" >>"$TB_TMP/program.out" 2>&1 || tb_fail "the probe did not end cleanly"
    grep -E '^print' "$TB_LOG" | head -1
}

port=$(cups_free_port)
export CUPS_SERVER=127.0.0.1:$port

# 1. Nothing listens on the port.
outcome=$(probe_print 3)
[ "$outcome" = "print-error No printer is available: the print service is not running." ] ||
    tb_fail "no scheduler: $outcome"
ms=$(sed -n 's/^print-ms //p' "$TB_LOG")
[ "${ms:-99999}" -lt 1000 ] || tb_fail "the missing scheduler took ${ms} ms to report"

# 2. A private scheduler on that port, without printers.
cups_start "$port"

outcome=$(probe_print 3)
[ "$outcome" = "print-error No default printer is set up." ] || tb_fail "no printer: $outcome"

# 3. A default printer that writes each job into a file.
cups_add_default_printer ProbePrinter
pdf=$CUPS_OUT/job-1.pdf

outcome=$(probe_print 150)
[ "$outcome" = "printed" ] || tb_fail "printing: $outcome"
cups_wait_job 1 || tb_fail "no job arrived at the printer: $(tail -5 "$CUPS_DIR/error_log")"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || tb_fail "the job is not a PDF: $(head -c 20 "$pdf" | od -c | head -2)"
pdftotext -layout "$pdf" "$TB_TMP/job.txt"
grep -q "Probe line 1 of 150" "$TB_TMP/job.txt" || tb_fail "the first line is missing from the printout"
grep -q "Probe line 150 of 150" "$TB_TMP/job.txt" || tb_fail "the last line is missing from the printout"
[ "$(grep -c 'Probe line' "$TB_TMP/job.txt")" -eq 150 ] || tb_fail "lines are missing or doubled"
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 2 ] || tb_fail "150 lines must take more than one page (got ${pages})"
[ -n "${TB_PRINTOUT:-}" ] && cp "$pdf" "$TB_PRINTOUT"

echo "printing: ok ($pages pages)"
