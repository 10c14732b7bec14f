#!/usr/bin/env bash
# Checks the installable pieces: the service files with systemd-analyze verify (where it
# is available), the manual page with man -l, and the Debian package by unpacking it into
# a scratch root and running --version from there. Exit 77 marks a check as skipped.
set -euo pipefail
art=$1 quellen=$2 bau=$3
case "$art" in
unit)
    command -v systemd-analyze >/dev/null || { echo "skipped: systemd-analyze is missing (apt-get install systemd)"; exit 77; }
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    # verify resolves ExecStart; point it at the built binary in copies of the units (the
    # template under an instance name).
    for unit in glanzzug.service glanzzug@.service; do
        ziel=${unit/@./@probe.}
        sed "s|/usr/bin/glanzzug|$bau/src/fenster/glanzzug|" "$quellen/packaging/$unit" >"$tmp/$ziel"
    done
    out=$(cd "$tmp" && systemd-analyze verify glanzzug.service glanzzug@probe.service 2>&1 || true)
    echo "$out"
    # Only complaints about these units count (the host's own units may be odd in a container).
    ! grep -E "glanzzug(@probe)?.service:[0-9]+" <<<"$out" || exit 1
    # The service manager watches the player: ready and watchdog reports, restart on failure.
    for unit in glanzzug.service glanzzug@.service; do
        for zeile in Type=notify NotifyAccess=main 'WatchdogSec=[1-9]' Restart=on-failure; do
            grep -qE "^$zeile" "$quellen/packaging/$unit" || { echo "$unit lacks $zeile"; exit 1; }
        done
    done
    ;;
man)
    command -v man >/dev/null || exit 77
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$quellen/packaging/glanzzug.1" 2>&1 >/dev/null || true)
    [ -z "$warnungen" ] || { echo "$warnungen"; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$quellen/packaging/glanzzug.1" | grep -q "PORT BACKENDS"
    ;;
paket)
    command -v dpkg-deb >/dev/null || exit 77
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    (cd "$bau" && cpack -G DEB -B "$tmp/pkg" >/dev/null)
    deb=$(ls "$tmp"/pkg/*.deb)
    dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
    dpkg-deb -f "$deb" Depends | grep -q libsystemd0
    dpkg-deb -f "$deb" Depends | grep -q libqt6network6
    dpkg -x "$deb" "$tmp/root"
    for f in usr/bin/glanzzug usr/share/applications/glanzzug.desktop usr/share/man/man1/glanzzug.1 \
             usr/lib/systemd/system/glanzzug.service usr/lib/sysusers.d/glanzzug.conf usr/share/icons/hicolor/scalable/apps/glanzzug.svg etc/default/glanzzug; do
        [ -e "$tmp/root/$f" ] || { echo "missing in package: $f"; exit 1; }
    done
    "$tmp/root/usr/bin/glanzzug" --version | grep -q "glanzzug"
    ;;
esac
