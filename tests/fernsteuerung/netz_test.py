#!/usr/bin/python3
"""The remote control under attack, through the real program and real sockets.

Starts glanzzug headless on a copy of the demo folder with the remote control on a free
loopback port and attacks it as a client on the same network could: slots that are
never given back, pipelining and pings without reading, slow and idle connections,
refused upgrades that flood the log, and the smaller faults (Connection: close,
HTTP/1.0, header count, bearer in lower case, many requests in one write, the token
file's mode, the listen error). After each attack the owner must still be served.
Prints the player's memory growth (VmRSS) per attack and the owner's success rate.

    netz_test.py GLANZZUG DEMO_FOLDER
"""
import base64
import os
import re
import select
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))
from hilfen import endet_mit_mir  # noqa: E402

GLANZZUG, DEMO = sys.argv[1], sys.argv[2]
# A client is blocked when the server has not taken a byte for this long.
BLOCKIERT = 1.0
# More than the kernel's socket buffers on both ends can hold; a server that keeps
# reading takes it within a second or two.
VIEL = 48 * 1024 * 1024


class Spieler:
    """glanzzug headless with the remote control; its standard error is collected."""

    def __init__(self, tmp, *mehr):
        shutil.copytree(DEMO, os.path.join(tmp, "ordner"))
        self.token_datei = os.path.join(tmp, "http-token")
        self.p = subprocess.Popen(
            [GLANZZUG, "--headless", "--quiet", "--port", "none", "--folder", os.path.join(tmp, "ordner"),
             "--http", "127.0.0.1:0", "--http-token-file", self.token_datei, *mehr], stderr=subprocess.PIPE, preexec_fn=endet_mit_mir)
        self.fehler = []
        zeile = self.p.stderr.readline().decode()
        treffer = re.fullmatch(r"glanzzug: remote control at http://127\.0\.0\.1:(\d+)/#token=(\w+)\n", zeile)
        assert treffer, zeile
        self.port, self.token = int(treffer[1]), treffer[2]
        threading.Thread(target=lambda: [self.fehler.append(z.decode()) for z in self.p.stderr], daemon=True).start()

    def rss_mib(self):
        with open(f"/proc/{self.p.pid}/status") as d:
            return next(int(z.split()[1]) for z in d if z.startswith("VmRSS:")) / 1024

    def verbinden(self):
        return socket.create_connection(("127.0.0.1", self.port), timeout=5)

    def anfrage(self, pfad="/api/status", kopf="", version="1.1"):
        return (f"GET {pfad} HTTP/{version}\r\nHost: 127.0.0.1:{self.port}\r\n"
                f"Authorization: Bearer {self.token}\r\n{kopf}\r\n").encode()

    def status(self, s, anfrage=None):
        """Sends a request on `s` and reads one whole answer; its status, 0 for none."""
        s.sendall(anfrage or self.anfrage())
        daten = b""
        try:
            while b"\r\n\r\n" not in daten:
                teil = s.recv(65536)
                if not teil:
                    return 0
                daten += teil
            kopf, rest = daten.split(b"\r\n\r\n", 1)
            länge = int(re.search(rb"(?i)content-length: *(\d+)", kopf)[1])
            while len(rest) < länge:
                rest += s.recv(65536)
            return int(kopf[9:12])
        except (OSError, TypeError):
            return 0

    def eigentümer(self):
        """The owner asks for the status on a new connection; 200 when served."""
        try:
            with self.verbinden() as s:
                return self.status(s)
        except OSError:
            return 0

    def live(self, abfrage=None, herkunft=None):
        s = self.verbinden()
        schlüssel = base64.b64encode(os.urandom(16)).decode()
        s.sendall((f"GET /api/live?token={abfrage if abfrage is not None else self.token} HTTP/1.1\r\n"
                   f"Host: 127.0.0.1:{self.port}\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                   f"Sec-WebSocket-Key: {schlüssel}\r\nSec-WebSocket-Version: 13\r\n"
                   + (f"Origin: {herkunft}\r\n" if herkunft else "") + "\r\n").encode())
        antwort = b""
        while b"\r\n\r\n" not in antwort:
            teil = s.recv(1)
            if not teil:
                break
            antwort += teil
        return s, int(antwort[9:12] or 0)


def schieben(s, daten):
    """Sends `daten` again and again without reading until VIEL bytes are gone or the
    server stops taking them; the bytes it took."""
    s.setblocking(False)
    gesendet = 0
    while gesendet < VIEL:
        _, schreibbar, _ = select.select([], [s], [], BLOCKIERT)
        if not schreibbar:
            break
        try:
            gesendet += s.send(daten)
        except BlockingIOError:
            pass
    return gesendet


def senden(s, daten):
    try:
        s.sendall(daten)
    except OSError:
        pass  # the server may refuse before it has read everything


def geschlossen_nach_antwort(sp, anfrage):
    """Whether the server closes the connection once its answer is out (within 3 s)."""
    with sp.verbinden() as s:
        s.settimeout(3)
        s.sendall(anfrage)
        try:
            while s.recv(65536):
                pass
            return True
        except socket.timeout:
            return False


def geschlossen(s, sekunden):
    """Whether the server closes `s`, on which it sent nothing, within the time."""
    s.settimeout(sekunden)
    try:
        return s.recv(1) == b""
    except socket.timeout:
        return False
    except OSError:
        return True  # reset by the server


def maskiert(opcode, nutzlast):
    return bytes([0x80 | opcode, 0x80 | len(nutzlast)]) + b"\0\0\0\0" + nutzlast


def main():
    fehlschläge = []

    def prüfen(bedingung, was):
        print(("ok      " if bedingung else "FAILED  ") + was, flush=True)
        if not bedingung:
            fehlschläge.append(was)

    with tempfile.TemporaryDirectory() as tmp:
        sp = Spieler(tmp)
        beginn = time.monotonic()
        start = sp.rss_mib()

        def messen(was, vorher):
            print(f"        {was}: player memory {vorher:.0f} -> {sp.rss_mib():.0f} MiB", flush=True)

        # Slots: 1,000 live views end (half with a close frame, half dropped), then 128
        # connections with the token are all served and one more is refused.
        vorher = sp.rss_mib()
        for i in range(1000):
            s, status = sp.live()
            assert status == 101, status
            if i % 2:
                s.sendall(maskiert(8, b""))
            s.close()
        offen, bedient = [], 0
        for _ in range(128):  # each shows the token at once: no stranger waits for room
            offen.append(sp.verbinden())
            bedient += sp.status(offen[-1]) == 200
        prüfen(bedient == 128, f"after 1,000 live views 128 connections are served ({bedient})")
        prüfen(sp.eigentümer() == 0, "the 129th connection is refused while 128 hold the token")
        for s in offen:
            s.close()
        messen("1,000 live views", vorher)

        # At most 16 connections without the token: a 17th closes the oldest of them (long
        # before its 10 s for a head). First the owner is served: the 128 are gone.
        ende = time.monotonic() + 10
        while sp.eigentümer() != 200 and time.monotonic() < ende:
            time.sleep(0.1)
        fremde = [sp.verbinden() for _ in range(17)]
        prüfen(geschlossen(fremde[0], 5), "a 17th connection without the token closes the oldest")
        for s in fremde:
            s.close()

        # Slow and idle connections without the token cannot keep the owner out.
        vorher = sp.rss_mib()
        fremde = [sp.verbinden() for _ in range(200)]
        for s in fremde[:128]:
            s.sendall(b"G")
        versuche = 20
        erfolge = 0
        for i in range(versuche):
            erfolge += sp.eigentümer() == 200
            for s in fremde[i::versuche]:
                try:
                    s.sendall(b"E")  # a byte now and then keeps a slow head going
                except OSError:
                    pass
        prüfen(erfolge == versuche, f"owner served during 200 idle and slow connections: {erfolge} of {versuche}")
        for s in fremde:
            s.close()
        messen("200 idle and slow connections", vorher)

        # Pipelining without reading: the server stops reading once an answer waits.
        vorher = sp.rss_mib()
        with sp.verbinden() as s:
            genommen = schieben(s, sp.anfrage("/seite.js", "X-Fuellung: " + "x" * 8000 + "\r\n"))
            messen(f"pipelining without reading ({genommen >> 20} MiB taken)", vorher)
            prüfen(genommen < VIEL, f"a client that does not read is no longer read ({genommen >> 20} MiB taken)")
        prüfen(sp.eigentümer() == 200, "owner served after the pipelining attack")

        # Ping flood: pings without reading; at most one pong waits.
        vorher = sp.rss_mib()
        s, status = sp.live()
        genommen = schieben(s, maskiert(9, b"p" * 125) * 64)
        messen(f"ping flood ({genommen >> 20} MiB taken)", vorher)
        prüfen(status == 101 and genommen < VIEL, f"pings without reading are no longer read ({genommen >> 20} MiB)")
        s.close()
        prüfen(sp.eigentümer() == 200, "owner served after the ping flood")

        # The page's own origin over http and https; a foreign one is refused.
        for herkunft, erwartet in ((f"http://127.0.0.1:{sp.port}", 101), (f"https://127.0.0.1:{sp.port}", 101),
                                   ("https://127.0.0.1", 403), ("http://boese.example", 403)):
            s, status = sp.live(herkunft=herkunft)
            s.close()
            prüfen(status == erwartet, f"live view from {herkunft}: {status}")

        # The token for the live view; at most 32 live views, and room again when one goes.
        for abfrage, erwartet in (("", 401), ("falsch", 401), (sp.token + "0", 401)):
            s, status = sp.live(abfrage=abfrage)
            s.close()
            prüfen(status == erwartet, f"live view with token {abfrage!r}: {status}")
        zuschauer = [sp.live() for _ in range(32)]
        s, status = sp.live()
        prüfen(all(st == 101 for _, st in zuschauer) and status == 503, f"32 live views, the 33rd gets {status}")
        zuschauer.pop()[0].close()
        for _ in range(50):  # until the server has seen it go
            s, status = sp.live()
            s.close()
            if status == 101:
                break
            time.sleep(0.05)
        prüfen(status == 101, f"room again when a live view goes ({status})")
        for z, _ in zuschauer:
            z.close()

        # The network's own refusals name their reason, for programs and for people.
        zu_gross = sp.anfrage("/api/text").replace(b"GET", b"PUT")[:-2]
        for anfrage, erwartet in (
                (b"GET /api/status HTTP/1.1\r\n\r\n", b"401 .*\"code\":\"token\""),
                (b"GET /gibtsnicht.js HTTP/1.1\r\n\r\n", b"404 .*\"code\":\"unbekannt\""),
                (b"PUT /seite.js HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}", b"405 .*\"code\":\"methode\""),
                (zu_gross + b"Content-Length: 10000000\r\n\r\n" + b"a" * (1 << 20), b"413 .*\"code\":\"zu-gross\""),
                (zu_gross + b"Transfer-Encoding: chunked\r\n\r\n10001\r\n" + b"a" * 65537 + b"\r\n0\r\n\r\n",
                 b"413 .*\"code\":\"zu-gross\""),
                (b"GET / HTTP/1.1\r\nX: " + b"a" * 16384 + b"\r\n\r\n", b"431 .*\"code\":\"kopf-zu-gross\""),
        ):
            with sp.verbinden() as s:
                threading.Thread(target=senden, args=(s, anfrage), daemon=True).start()
                s.settimeout(3)
                antwort = b""
                try:
                    while b"meldung" not in antwort:
                        antwort += s.recv(65536) or b"meldung?"
                except OSError:
                    pass
            erste = antwort.split(b"\r\n")[0]
            prüfen(re.match(b"HTTP/1.1 " + erwartet + b".*\"meldung\":\"[^\"]+\"", antwort, re.S),
                   f"{anfrage[:24]}...: {erste}")

        # Refused upgrades flood neither the log nor the memory.
        vorher = sp.rss_mib()
        for _ in range(1000):
            s, status = sp.live(abfrage="falsch")
            s.close()
        messen("1,000 refused upgrades", vorher)

        # Connection: close and HTTP/1.0 end the connection after the answer.
        prüfen(geschlossen_nach_antwort(sp, sp.anfrage(kopf="Connection: close\r\n")), "Connection: close closes")
        prüfen(geschlossen_nach_antwort(sp, sp.anfrage(version="1.0")), "HTTP/1.0 closes")
        prüfen(not geschlossen_nach_antwort(sp, sp.anfrage()), "HTTP/1.1 stays open")

        # Header lines: 100 are fine, 101 get 431; the scheme name in any case.
        for zeilen, erwartet in ((98, 200), (99, 431)):  # plus Host and Authorization
            with sp.verbinden() as s:
                status = sp.status(s, sp.anfrage(kopf="".join(f"X-{i}: {i}\r\n" for i in range(zeilen))))
            prüfen(status == erwartet, f"{zeilen + 2} header lines: {status}")
        with sp.verbinden() as s:
            status = sp.status(s, sp.anfrage().replace(b"Bearer", b"bEaReR"))
        prüfen(status == 200, f"bEaReR: {status}")

        # 1,000 requests in one write get 1,000 answers, in order.
        with sp.verbinden() as s:
            s.sendall(b"".join(sp.anfrage(f"/api/status?{i}") for i in range(1000)))
            s.settimeout(10)
            daten = b""
            try:
                while daten.count(b"HTTP/1.1 200") < 1000:
                    teil = s.recv(1 << 20)
                    if not teil:
                        break
                    daten += teil
            except socket.timeout:
                pass
        prüfen(daten.count(b"HTTP/1.1 200") == 1000, f"1,000 requests in one write: {daten.count(b'HTTP/1.1 200')} answers")

        # The log: no text of the libraries, and one line per address and minute.
        time.sleep(0.2)
        abgewiesen = [z for z in sp.fehler if "refused 127.0.0.1" in z]
        minuten = int((time.monotonic() - beginn) // 60) + 1
        prüfen(1 <= len(abgewiesen) <= minuten, f"{len(abgewiesen)} refusal lines for 127.0.0.1 in {minuten} minute(s)")
        prüfen(not any(z.startswith("qt.") or "beast" in z.lower() for z in sp.fehler), "nothing of the libraries' text")
        print("        log: " + "".join(sp.fehler).strip(), flush=True)
        messen("whole run", start)

        # The listen error names the reason.
        besetzt = subprocess.run([GLANZZUG, "--headless", "--port", "none", "--folder", tmp, "--http",
                                  f"127.0.0.1:{sp.port}", "--http-token-file", sp.token_datei],
                                 stderr=subprocess.PIPE, timeout=30)
        prüfen(besetzt.returncode == 2 and b"in use" in besetzt.stderr, "listen error: " + besetzt.stderr.decode().strip())
        sp.p.terminate()
        prüfen(sp.p.wait(30) == 0, "the player ends cleanly")

        # A token file others may read, or a link, is refused with the remedy.
        os.symlink(sp.token_datei, os.path.join(tmp, "verweis"))
        for datei, modus in ((sp.token_datei, 0o644), (sp.token_datei, 0o620), (os.path.join(tmp, "verweis"), 0o600)):
            os.chmod(sp.token_datei, modus)
            ergebnis = subprocess.run([GLANZZUG, "--headless", "--port", "none", "--folder", tmp, "--http", "0",
                                       "--http-token-file", datei], stderr=subprocess.PIPE, timeout=30)
            prüfen(ergebnis.returncode == 2 and b"chmod 600" in ergebnis.stderr, ergebnis.stderr.decode().strip())

    if fehlschläge:
        print(f"{len(fehlschläge)} failed")
        sys.exit(1)


main()
