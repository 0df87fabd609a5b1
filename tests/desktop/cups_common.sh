# A private print service for the printing tests: a CUPS scheduler on a local
# port whose default printer writes each job (the PDF that the desktop's
# print system sends) into a folder. Source after lib.sh and tb_init.
#
#   port=$(cups_free_port); export CUPS_SERVER=127.0.0.1:$port
#   cups_start "$port"                 # the scheduler, without printers
#   cups_add_default_printer NAME      # jobs land in $CUPS_OUT/job-N.pdf
#   cups_wait_job N                    # waits for job N to be written

# A local port on which nothing answers.
cups_free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 30000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
}

# cups_start PORT: starts the scheduler on PORT (CUPS_SERVER must name it).
# Its programs are the system's, except for the backend that writes the jobs.
cups_start() {
    local port=$1 spool=$TB_TMP/cups i
    CUPS_DIR=$spool
    CUPS_OUT=$spool/out
    chmod 755 "$TB_TMP"  # the scheduler's filters run as the lp user
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
        lpstat -h "$CUPS_SERVER" -r 2>/dev/null | grep -q "is running" && return 0
        sleep 0.1
    done
    tb_fail "the private scheduler did not start: $(cat "$spool/error_log" "$TB_TMP/cupsd.out" 2>/dev/null)"
}

# cups_add_default_printer NAME: a printer that writes each job into $CUPS_OUT, made the default.
cups_add_default_printer() {
    lpadmin -h "$CUPS_SERVER" -p "$1" -E -v "tofile:$CUPS_OUT" -m raw >/dev/null 2>&1 ||
        tb_fail "cannot add the printer: $(tail -3 "$CUPS_DIR/error_log")"
    lpadmin -h "$CUPS_SERVER" -d "$1" || tb_fail "cannot make the printer the default"
}

# cups_wait_job N: waits until job N is written and no job is pending; false after 20 seconds.
cups_wait_job() {
    local pdf=$CUPS_OUT/job-$1.pdf i
    for ((i = 0; i < 200; i++)); do
        [ -s "$pdf" ] && [ -z "$(lpstat -h "$CUPS_SERVER" -o 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

# cups_pdf_text PDF: the text of a printout set in a fixed-pitch font, each
# word at the column its place on the page gives it (pdftotext -layout
# guesses at spacing; the words' boxes are exact), one line per printed line,
# trailing blanks dropped, pages one after the other.
cups_pdf_text() {
    pdftotext -bbox "$1" - | awk '
        /<page / { page++ }
        /<word / {
            match($0, /xMin="[0-9.]+"/); x0 = substr($0, RSTART + 6, RLENGTH - 7) + 0
            match($0, /xMax="[0-9.]+"/); x1 = substr($0, RSTART + 6, RLENGTH - 7) + 0
            match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7) + 0
            text = $0; sub(/.*">/, "", text); sub(/<\/word>.*/, "", text)
            gsub(/&lt;/, "<", text); gsub(/&gt;/, ">", text); gsub(/&quot;/, "\"", text); gsub(/&amp;/, "\\&", text)
            n++; wx0[n] = x0; wy[n] = page * 100000 + int(y * 10 + 0.5); wt[n] = text
            # A box is as wide as its characters plus a constant: the pitch
            # is the difference of the longest and the shortest word.
            len = length(text)
            if (len > longLen) { longLen = len; longWidth = x1 - x0 }
            if (shortLen == 0 || len < shortLen) { shortLen = len; shortWidth = x1 - x0 }
            if (left == "" || x0 < left) left = x0
        }
        END {
            width = longLen > shortLen ? (longWidth - shortWidth) / (longLen - shortLen) : longWidth / longLen
            for (i = 1; i <= n; i++) {
                col = int((wx0[i] - left) / width + 0.5)
                line = lines[wy[i]]
                while (length(line) < col) line = line " "
                lines[wy[i]] = line wt[i]
                if (!(wy[i] in seen)) { seen[wy[i]] = 1; order[++m] = wy[i] }
            }
            for (k = 1; k <= m; k++) print lines[order[k]]
        }'
}
