#!/usr/bin/python3
"""The real headless program follows its weekly schedule, under Debian's faketime.

The program runs on a scratch copy of the demo folder with the wire recorded, the remote
control on a free loopback port, and its clock moved by libfaketime (no seam in the
code): a Monday morning at 60 times speed (own run list, then the weekday rule, a choice
from the phone that holds only until the next rule change, a dark rule with the wire
silent and blank, a clock jump back and one forward), then both daylight-saving days in
Europe/Berlin. Exits 77 (skipped) when libfaketime is missing.

    woche_test.py GLANZZUG DEMO_FOLDER
"""
import datetime
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))
from hilfen import endet_mit_mir, warten  # noqa: E402
import urllib.request

BIBLIOTHEK = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
if not os.path.exists(BIBLIOTHEK):
    print("skipped: libfaketime is not installed (package faketime)")
    sys.exit(77)


class Programm:
    def __init__(self, glanzzug, ordner, faketime, zeitplan, monoton_echt=False):
        self.ordner = ordner
        with open(os.path.join(ordner, "Zeitplan.txt"), "wb") as d:
            d.write("\r\n".join(zeitplan).encode("cp1252") + b"\r\n")
        self.uhr = os.path.join(ordner, "..", "uhr.rc")
        self.stellen(faketime)
        self.draht = os.path.join(ordner, "..", "draht")
        if os.path.exists(self.draht):
            os.remove(self.draht)
        umgebung = dict(os.environ, LD_PRELOAD=BIBLIOTHEK, FAKETIME_TIMESTAMP_FILE=self.uhr,
                        FAKETIME_CACHE_DURATION="1", TZ="Europe/Berlin", QT_QPA_PLATFORM="offscreen")
        if monoton_echt:
            umgebung["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
        self.p = subprocess.Popen([glanzzug, "--headless", "--folder", ordner, "--port", "record:" + self.draht,
                                   "--http", "127.0.0.1:0", "--http-token-file",
                                   os.path.join(ordner, "..", "token")],
                                  stderr=subprocess.PIPE, env=umgebung, bufsize=0, preexec_fn=endet_mit_mir)
        self.zeilen = []
        zeile = self.zeile_mit("remote control at", 20)
        self.adresse, self.token = zeile.split(" at ")[1].strip().split("/#token=")

    def stellen(self, faketime):
        with open(self.uhr, "w") as d:
            d.write(faketime + "\n")

    def springen(self, ziel, tempo=60):
        """Sets the program's clock to `ziel` (a datetime): libfaketime reads the file again
        within a second and counts from there."""
        self.stellen("@" + ziel.strftime("%Y-%m-%d %H:%M:%S") + f" x{tempo}")

    def lesen(self, sekunden):
        bereit, _, _ = select.select([self.p.stderr], [], [], sekunden)
        if bereit:
            zeile = self.p.stderr.readline().decode("utf-8", "replace")
            if zeile:
                self.zeilen.append(zeile.strip())
                print("  " + zeile.strip())

    def zeile_mit(self, text, sekunden=20):
        """The first line from now on that contains `text`."""
        ab = len(self.zeilen)
        ende = time.monotonic() + sekunden
        while time.monotonic() < ende:
            for z in self.zeilen[ab:]:
                if text in z:
                    return z
            self.lesen(0.1)
        raise AssertionError(f"no line with {text!r}; lines: {self.zeilen[ab:]}")

    def api(self, methode, pfad, inhalt=None):
        anfrage = urllib.request.Request(self.adresse + pfad, method=methode,
                                         data=None if inhalt is None else json.dumps(inhalt).encode(),
                                         headers={"Authorization": "Bearer " + self.token,
                                                  "Content-Type": "application/json"})
        with urllib.request.urlopen(anfrage, timeout=10) as a:
            return json.loads(a.read())

    def drahtgröße(self):
        return os.path.getsize(self.draht) if os.path.exists(self.draht) else 0

    def ende(self):
        self.p.send_signal(signal.SIGTERM)
        while self.p.poll() is None:
            self.lesen(0.1)
        assert self.p.wait(10) == 0


def letzter_frame_dunkel(pfad):
    """Whether the wire ends with the blanking: clock pulses with all data lines low, then the latch."""
    with open(pfad, "rb") as d:
        d.seek(-3530, os.SEEK_END)
        ende = d.read()
    return ende == bytes([0, 1] * 1764 + [128, 0])


def main():
    glanzzug, demo = sys.argv[1], sys.argv[2]
    tmp = tempfile.mkdtemp(prefix="glanzzug-zeitplan-")
    try:
        ordner = os.path.join(tmp, "ordner")
        shutil.copytree(demo, ordner)
        for name, inhalt in {"Werbung.LAL": b"Farben\r\n", "Abend.LAL": b"Uhr\r\n", "Letzte Lauf-Liste": b"Abend\r\n"}.items():
            with open(os.path.join(ordner, name), "wb") as d:
                d.write(inhalt)

        print("Monday morning at 60 times speed")
        p = Programm(glanzzug, ordner, "@2026-12-07 07:59:30 x60",
                     ["; Montag", "Mo 08:00-08:02 Werbung", "Mo 08:02-08:04 dunkel", "Mo 08:04-08:06 Werbung",
                      "täglich 22:00-07:00 dunkel", "Xx 01:00-02:00 Kaputt"])
        assert any("line 6 skipped" in z for z in p.zeilen) or p.zeile_mit("line 6 skipped")
        p.zeile_mit("schedule: Werbung (Mo 08:00-08:02)", 10)
        status = p.api("GET", "/api/status")
        assert status["runList"] == "Werbung" and status["schedule"]["next"]["at"] == "Mo 08:02", status
        # The phone chooses: it holds until the next rule change, which then goes dark.
        p.api("POST", "/api/play", {"runList": "Demo"})
        p.zeile_mit("schedule: chosen by hand until Mo 08:02")
        assert p.api("GET", "/api/status")["schedule"]["byHand"]
        p.zeile_mit("schedule: dunkel (Mo 08:02-08:04)", 10)
        warten(lambda: letzter_frame_dunkel(p.draht), 5, "the blanking on the wire")
        größe = p.drahtgröße()
        time.sleep(0.5)  # 30 seconds of the program's time: nothing may go to the modules
        assert p.drahtgröße() == größe and not p.api("GET", "/api/status")["timer"]
        p.zeile_mit("schedule: Werbung (Mo 08:04-08:06)", 10)
        warten(lambda: p.drahtgröße() > größe + 10000, 5, "frames after the dark rule")
        p.ende()
        # The run list the phone chose is the owner's; the schedule's is never remembered.
        with open(os.path.join(ordner, "Letzte Lauf-Liste"), "rb") as d:
            assert d.read() == b"Demo\r\n"

        # libfaketime moves the monotonic clock with the wall clock, so that a jump back
        # would stall every timer; here the clock runs at normal speed beside the real
        # monotonic clock, and the program sees the wall clock jump back and forward.
        print("Clock jumps, seen against the monotonic clock")
        p = Programm(glanzzug, ordner, "@2026-12-07 08:03:57 x1",
                     ["Mo 08:00-08:02 Werbung", "Mo 08:02-08:04 dunkel", "Mo 08:04-08:06 Werbung",
                      "täglich 22:00-07:00 dunkel"], monoton_echt=True)
        p.zeile_mit("schedule: dunkel (Mo 08:02-08:04)", 10)
        p.zeile_mit("schedule: Werbung (Mo 08:04-08:06)", 15)
        p.springen(datetime.datetime(2026, 12, 7, 8, 2, 30), 1)
        p.zeile_mit("schedule: the clock jumped", 10)
        p.zeile_mit("schedule: dunkel (Mo 08:02-08:04)", 5)
        p.springen(datetime.datetime(2026, 12, 7, 21, 59, 55), 1)
        p.zeile_mit("schedule: the clock jumped", 10)
        p.zeile_mit("schedule: no rule; own run list Demo", 5)
        p.zeile_mit("schedule: dunkel (täglich 22:00-07:00)", 15)
        p.ende()

        print("Spring: 02:00 becomes 03:00; a window from 02:30 starts at 03:00")
        p = Programm(glanzzug, ordner, "@2026-03-29 01:50:00 x60",
                     ["So 00:00-02:30 Abend", "So 02:30-04:00 Werbung"])
        p.zeile_mit("schedule: Abend (So 00:00-02:30)", 10)
        p.zeile_mit("schedule: Werbung (So 02:30-04:00)", 30)
        uhr = p.api("GET", "/api/schedule")
        assert uhr["minute"] >= 180 and uhr["status"]["now"] == "Werbung (So 02:30-04:00)", uhr
        p.ende()

        print("Autumn: 02:00-03:00 twice; a window ending at 02:30 ends at the first 02:30")
        p = Programm(glanzzug, ordner, "@2026-10-25 01:40:00 x120",
                     ["So 02:00-02:30 Werbung", "So 03:00-04:00 Abend"])
        p.zeile_mit("schedule: Werbung (So 02:00-02:30)", 30)
        p.zeile_mit("schedule: no rule; own run list Demo", 30)
        # The second 02:00-03:00 passes (30 seconds here) without a change; then 03:00.
        ab = len(p.zeilen)
        p.zeile_mit("schedule: Abend (So 03:00-04:00)", 60)
        assert not any("Werbung" in z for z in p.zeilen[ab:]), p.zeilen[ab:]
        p.ende()
        print("ok")
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
