# Services the tests use, started for a test run and stopped after it:
# a CUPS server with a PDF queue as the default printer. Sourced by test.sh.

started_cupsd=""

# lpstat -r exits 0 whether or not the scheduler runs, so read what it says.
scheduler_running() {
  LC_ALL=C lpstat -r 2>/dev/null | grep -q '^scheduler is running'
}

start_test_services() {
  if ! scheduler_running; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
    started_cupsd=yes
    for _ in $(seq 50); do scheduler_running && break; sleep 0.1; done
    scheduler_running || { echo "The CUPS scheduler did not start" >&2; return 1; }
  fi
  if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E -o printer-is-shared=no
  fi
  lpadmin -d PDF
  export TAMIRO_PDF_DIR=/root/PDF
  mkdir -p "$TAMIRO_PDF_DIR"
}

stop_test_services() {
  if [ -n "$started_cupsd" ] && [ -f /run/cups/cupsd.pid ]; then
    kill -TERM "$(cat /run/cups/cupsd.pid)" 2>/dev/null || true
  fi
}
