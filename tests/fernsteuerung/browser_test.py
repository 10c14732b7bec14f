#!/usr/bin/python3
"""The remote control page in a real browser (Debian's chromium through chromedriver).

Starts glanzzug headless on the demo folder with the wire recorded to a file and the
remote control on a free loopback port, opens the address it prints, and checks that
  - the canvas lights exactly the LEDs the recorded wire lights,
  - a presentation's play button changes the status and the LEDs,
  - a typed text shows on the LEDs.
Exits 77 (skipped) when chromium, chromedriver or selenium is missing.

    browser_test.py GLANZZUG DEMO_FOLDER [SCREENSHOT_FOLDER]
"""
import os
import re
import select
import shutil
import stat
import subprocess
import sys
import tempfile
import time

ÜBERSPRUNGEN = 77
CHROMIUM, TREIBER = "/usr/bin/chromium", "/usr/bin/chromedriver"

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    print("skipped: python3-selenium is not installed")
    sys.exit(ÜBERSPRUNGEN)
for programm in (CHROMIUM, TREIBER):
    if not os.access(programm, os.X_OK):
        print(f"skipped: {programm} is not installed (chromium, chromium-driver)")
        sys.exit(ÜBERSPRUNGEN)


def draht_leds(pfad):
    """The LEDs the last latched frame of a recorded wire lights: 294 values, module 0..5,
    row 0..6, column 0..6; bit 0 red, 1 green, 2 blue. Decoded as the shift registers do:
    a rising clock edge (bit 0) shifts in bit m + 1 for module m, a rising latch edge
    (bit 7) shows the last 147 bits."""
    with open(pfad, "rb") as d:
        daten = d.read()
    schiebe = [0] * 6
    gezeigt = None
    letzter = 0
    maske = (1 << 147) - 1
    for b in daten:
        if b & 1 and not letzter & 1:
            for m in range(6):
                schiebe[m] = ((schiebe[m] << 1) | ((b >> (m + 1)) & 1)) & maske
        if b & 128 and not letzter & 128:
            gezeigt = list(schiebe)
        letzter = b
    if gezeigt is None:
        return None
    leds = []
    for m in range(6):
        for r in range(7):
            for c in range(7):
                k = ((6 - c) * 7 + r) * 3  # arrival of the red bit; then blue, then green
                bit = lambda i: (gezeigt[m] >> (146 - i)) & 1
                leds.append(bit(k) | bit(k + 2) << 1 | bit(k + 1) << 2)
    return leds


LEINWAND_LESEN = """
const p = document.getElementById('leds').getContext('2d');
const werte = [];
for (let m = 0; m < 6; m++) for (let r = 0; r < 7; r++) for (let c = 0; c < 7; c++) {
  const q = window.glanzzug.ledMitte(m, r, c);
  const d = p.getImageData(Math.floor(q.x), Math.floor(q.y), 1, 1).data;
  werte.push((d[0] > 128 ? 1 : 0) | (d[1] > 128 ? 2 : 0) | (d[2] > 128 ? 4 : 0));
}
return werte;
"""


def warten(bedingung, sekunden, was):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + was)


def main():
    glanzzug, demo = sys.argv[1], sys.argv[2]
    bilder = sys.argv[3] if len(sys.argv) > 3 else None
    tmp = tempfile.mkdtemp(prefix="glanzzug-browser-")
    ordner = os.path.join(tmp, "ordner")
    shutil.copytree(demo, ordner)
    draht = os.path.join(tmp, "draht")
    token_datei = os.path.join(tmp, "config", "http-token")
    umgebung = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    browser = None
    prozess = None
    try:
        # The browser first: it starts slowly on a busy machine, and the demo's first
        # presentation plays only a few seconds.
        optionen = webdriver.ChromeOptions()
        optionen.binary_location = CHROMIUM
        for o in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--disable-dev-shm-usage", "--user-data-dir=" + os.path.join(tmp, "chromium"),
                  "--window-size=1280,900"):
            optionen.add_argument(o)
        browser = webdriver.Chrome(service=Service(TREIBER), options=optionen)
        prozess = subprocess.Popen(
            [glanzzug, "--headless", "--quiet", "--folder", ordner, "--port", "record:" + draht,
             "--http", "127.0.0.1:0", "--http-token-file", token_datei],
            stderr=subprocess.PIPE, env=umgebung)
        bereit, _, _ = select.select([prozess.stderr], [], [], 15)
        assert bereit, "glanzzug printed no address"
        zeile = prozess.stderr.readline().decode()
        treffer = re.fullmatch(r"glanzzug: remote control at (http://127\.0\.0\.1:\d+/)#token=([0-9a-f]{64})\n", zeile)
        assert treffer, "unexpected first line: " + repr(zeile)
        assert stat.S_IMODE(os.stat(token_datei).st_mode) == 0o600
        with open(token_datei) as d:
            assert d.read().strip() == treffer.group(2)
        adresse = zeile.split(" at ", 1)[1].strip()

        browser.set_page_load_timeout(20)
        browser.set_script_timeout(10)
        browser.get(adresse)

        def leinwand():
            return browser.execute_script(LEINWAND_LESEN)

        def text(id_):
            return browser.find_element(By.ID, id_).text

        def knopf(name, liste):
            for li in browser.find_elements(By.CSS_SELECTOR, f"#{liste} li"):
                if li.get_attribute("data-name") == name:
                    return li.find_element(By.TAG_NAME, "button")
            raise AssertionError(f"no play button for {name}")

        def wie_der_draht():
            """Stops the timer with the page's button, then waits until the canvas shows
            exactly what the wire's last frame lights."""
            browser.find_element(By.ID, "timerAus").click()
            warten(lambda: text("timer") == "aus", 5, "the status to show the timer off")
            return warten(lambda: (lambda d, l: l if d == l else None)(draht_leds(draht), leinwand()), 5,
                          "the canvas to light the LEDs the wire lights")

        # The demo plays at once; the live view follows the wire.
        warten(lambda: browser.execute_script("return window.glanzzug.bilder") > 0, 10, "a live frame")
        warten(lambda: text("darstellung") == "Willkommen", 5, "the status")
        if bilder:
            os.makedirs(bilder, exist_ok=True)
            time.sleep(1.5)
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-desktop.png"))
        vorher = wie_der_draht()
        assert any(vorher), "the stopped frame lights nothing"

        # A presentation's play button: status and LEDs change.
        knopf("PingPong", "darstellungen").click()
        warten(lambda: text("darstellung") == "PingPong" and text("modus") == "PingPong" and text("timer") == "an",
               5, "the status to show PingPong playing")
        warten(lambda: leinwand() != vorher, 5, "the LEDs to change")
        wie_der_draht()

        # A typed text shows on the LEDs: the welcome text is yellow, the typed one blue.
        knopf("Willkommen", "darstellungen").click()
        warten(lambda: text("darstellung") == "Willkommen" and text("timer") == "an", 5, "Willkommen playing")
        eingabe = browser.find_element(By.ID, "textEingabe")
        eingabe.clear()
        eingabe.send_keys("#4" + "I" * 40)
        browser.find_element(By.ID, "textSenden").click()
        warten(lambda: "übernommen" in text("meldung"), 5, "the text to be taken")

        def nur_blau():
            leds = leinwand()
            an = [v for v in leds if v]
            return len(an) >= 10 and all(v == 4 for v in an)
        warten(nur_blau, 15, "the typed text in blue on the LEDs")
        endbild = wie_der_draht()
        assert len([v for v in endbild if v]) >= 10 and all(v in (0, 4) for v in endbild)

        # A character the files cannot store is refused, with a German message.
        eingabe.clear()
        eingabe.send_keys("Zug \u0101")
        browser.find_element(By.ID, "textSenden").click()
        warten(lambda: "Nicht möglich" in text("meldung") and "U+0101" in text("meldung"), 5, "the refusal")

        if bilder:
            browser.find_element(By.ID, "timerAn").click()
            browser.set_window_size(412, 915)
            time.sleep(1.5)
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-telefon.png"))
            höhe = browser.execute_script("return document.documentElement.scrollHeight")
            browser.set_window_size(412, höhe + 150)
            time.sleep(1)
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-telefon-ganz.png"))
        print("browser test passed")
    finally:
        if browser:
            browser.quit()
        if prozess:
            prozess.terminate()
            try:
                prozess.wait(10)
            except subprocess.TimeoutExpired:
                prozess.kill()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
