#!/usr/bin/env bash
# shellcheck shell=bash
# Starts the CUPS scheduler when it is not running and gives it a default printer, "TangPDF",
# that writes each job as a PDF file (the cups-pdf back end), and a printer that rejects jobs. Safe to run again: it changes
# nothing that is already in place. Needs root, as in CI.

tang_cups_ready() {
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        mkdir -p /run/cups /var/spool/cups /var/cache/cups || return 1
        # -l would stay in the foreground; as a daemon it outlives this script, like a service.
        cupsd || { echo "cups: cupsd did not start" >&2; return 1; }
        local deadline=$((SECONDS + 20))
        until lpstat -r 2>/dev/null | grep -q 'is running'; do
            ((SECONDS < deadline)) || { echo "cups: the scheduler did not answer" >&2; return 1; }
            sleep 0.2
        done
    fi
    if ! lpstat -p TangPDF >/dev/null 2>&1; then
        lpadmin -p TangPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd || return 1
    fi
    cupsenable TangPDF 2>/dev/null || true
    cupsaccept TangPDF 2>/dev/null || true
    lpadmin -d TangPDF || return 1
}

# A second printer, "TangRejecting", whose queue refuses every job, as one taken out of service.
tang_cups_rejecting_queue() {
    if ! lpstat -p TangRejecting >/dev/null 2>&1; then
        lpadmin -p TangRejecting -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
            2>/dev/null || return 1
    fi
    cupsreject -r "out of service" TangRejecting
}

# Where cups-pdf writes the jobs of user `$1`: its "Out" setting, with ${HOME} that user's home.
tang_cups_pdf_folder() {
    local out home
    out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    home=$(getent passwd "$1" | cut -d: -f6)
    out=${out:-/var/spool/cups-pdf/\${USER\}}
    out=${out//\$\{HOME\}/$home}
    echo "${out//\$\{USER\}/$1}"
}
