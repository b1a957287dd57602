# Services the tests use, started for a test run and stopped after it. Sourced
# by test.sh.
#
# Printing goes to a CUPS scheduler of the tests' own: its configuration, queues,
# spool, logs and socket live in one temporary folder, CUPS_SERVER points the
# tests at its socket, and its only queue, PDF, is its default. The machine's
# own scheduler, printers and default printer are left as they are. The
# PDF queue uses the PostScript printer description of the PDF printer driver
# and a backend of this script's that writes each job as a PDF into
# $TAMIRO_PDF_DIR.

test_cups=""
test_cupsd=""

# The machine's printers as its own scheduler tells them (the default and the
# queues, or that it is not running) and the users' choices of a default.
machine_printers() {
  env -u CUPS_SERVER -u PRINTER -u LPDEST LC_ALL=C lpstat -d -v 2>&1 || true
  cat /etc/cups/lpoptions "$HOME/.cups/lpoptions" 2>/dev/null || true
}

test_scheduler_running() {
  LC_ALL=C lpstat -r 2>/dev/null | grep -q '^scheduler is running'
}

start_test_services() {
  test_cups=$(mktemp -d /tmp/tamiro-cups.XXXXXX)
  chmod 755 "$test_cups" # the filters run as the lp user
  mkdir -p "$test_cups"/{spool,tmp,cache,state,log,ppd,pdf,bin/backend}
  chown lp "$test_cups"/{spool,tmp,cache}
  for part in cgi-bin daemon driver filter monitor notifier; do
    ln -s "/usr/lib/cups/$part" "$test_cups/bin/$part"
  done
  cat >"$test_cups/bin/backend/tamiro-pdf" <<'BACKEND'
#!/bin/sh
# tamiro-pdf:FOLDER: each job's PostScript becomes FOLDER/job-NUMBER.pdf.
[ $# -ge 5 ] || { echo 'file tamiro-pdf "Tamiro" "PDF de las pruebas"'; exit 0; }
exec gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite \
  -sOutputFile="${DEVICE_URI#tamiro-pdf:}/job-$1.pdf" "${6:--}"
BACKEND
  chmod 700 "$test_cups/bin/backend/tamiro-pdf" # run as root, like a real PDF backend
  cat >"$test_cups/cups-files.conf" <<FILES
ServerRoot $test_cups
ServerBin $test_cups/bin
RequestRoot $test_cups/spool
TempDir $test_cups/tmp
CacheDir $test_cups/cache
StateDir $test_cups/state
ErrorLog $test_cups/log/error_log
AccessLog $test_cups/log/access_log
PageLog $test_cups/log/page_log
SystemGroup root
FILES
  cat >"$test_cups/cupsd.conf" <<CONF
Listen $test_cups/socket
Browsing No
WebInterface No
LogLevel warn
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  export CUPS_SERVER=$test_cups/socket
  /usr/sbin/cupsd -f -c "$test_cups/cupsd.conf" -s "$test_cups/cups-files.conf" &
  test_cupsd=$!
  for _ in $(seq 50); do test_scheduler_running && break; sleep 0.1; done
  test_scheduler_running || { echo "The tests' CUPS scheduler did not start" >&2; return 1; }
  lpadmin -p PDF -v "tamiro-pdf:$test_cups/pdf" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E
  lpadmin -d PDF
  export TAMIRO_PDF_DIR=$test_cups/pdf
}

stop_test_services() {
  if [ -n "$test_cupsd" ]; then
    kill -TERM "$test_cupsd" 2>/dev/null && wait "$test_cupsd" 2>/dev/null
  fi
  [ -n "$test_cups" ] && rm -rf "$test_cups"
  test_cupsd="" test_cups=""
}
