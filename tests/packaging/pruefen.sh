#!/usr/bin/env bash
# Checks the installable pieces: the install into a scratch root (DESTDIR) and its service
# files with systemd-analyze verify (where it is available), the manual page with man -l, and the Debian package by unpacking it into
# a scratch root and running --version from there. Exit 77 marks a check as skipped.
set -euo pipefail
art=$1 quellen=$2 bau=$3
case "$art" in
unit)
    command -v systemd-analyze >/dev/null || { echo "skipped: systemd-analyze is missing (apt-get install systemd)"; exit 77; }
    [ -x "$bau/src/fenster/glanzzug" ] || { echo "skipped: the program is not built"; exit 77; }
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    # Installed as the README says, into a scratch root: the units start the program where
    # the install put it, and this machine's users stay as they are.
    nutzer=$(getent passwd glanzzug || true)
    DESTDIR="$tmp" cmake --install "$bau" --prefix /usr/local >/dev/null
    [ "$(getent passwd glanzzug || true)" = "$nutzer" ] || { echo "a DESTDIR install changed the users"; exit 1; }
    system=$tmp/usr/local/lib/systemd/system
    grep -q "^ExecStart=/usr/local/bin/glanzzug " "$system/glanzzug.service"
    [ -f "$tmp/usr/local/share/glanzzug/demo/Demo.LAL" ] || { echo "demo files not installed"; exit 1; }
    cp "$system/glanzzug@.service" "$system/glanzzug@probe.service"
    out=$(cd "$system" && systemd-analyze verify --man=no --root="$tmp" glanzzug.service glanzzug@probe.service 2>&1 || true)
    echo "$out"
    # Every complaint about these units counts (ExecStart not found among them), but the
    # scratch root's lack of the system's own targets.
    ! grep -E "glanzzug(@probe)?\.service" <<<"$out" | grep -v "Unit sysinit.target not found" || exit 1
    # The service manager watches the player: ready and watchdog reports, restart on failure.
    for unit in glanzzug.service glanzzug@probe.service; do
        for zeile in Type=notify NotifyAccess=main 'WatchdogSec=[1-9]' Restart=on-failure; do
            grep -qE "^$zeile" "$system/$unit" || { echo "$unit lacks $zeile"; exit 1; }
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
    grep -q "^ExecStart=/usr/bin/glanzzug " "$tmp/root/usr/lib/systemd/system/glanzzug.service"
    # The desktop entry's first start: ~/Glanzzug made with the demonstration's files.
    grep -q "^Exec=glanzzug --standard-ordner" "$tmp/root/usr/share/applications/glanzzug.desktop"
    mkdir "$tmp/heim"
    HOME="$tmp/heim" "$tmp/root/usr/bin/glanzzug" --standard-ordner --headless --ticks 1 --port none --quiet
    [ -f "$tmp/heim/Glanzzug/Demo.LAL" ] && [ -f "$tmp/heim/Glanzzug/zug01.bmp" ]
    ;;
esac
