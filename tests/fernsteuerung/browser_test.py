#!/usr/bin/python3
"""The remote control page in a real browser (Debian's chromium through chromedriver).

Starts glanzzug headless on the demo folder with the wire recorded to a file and the
remote control on a free loopback port, opens the address it prints, and checks that
  - the canvas lights exactly the LEDs the recorded wire lights,
  - a presentation's play button changes the status and the LEDs,
  - a typed text shows on the LEDs,
  - a text saved into a presentation while its run list plays is in the file and on the
    LEDs on the next round,
  - "Abspielen" on the animation "Lok" moves its pictures; pause and continue the run list,
  - a picture uploaded from the page is listed and goes into a presentation's picture list,
  - "Dunkel" and "Weiter",
  - a wrong or missing token stops the page with a German message,
  - the QR code of the window's "Fernsteuerung" (window under Xvfb, scanned with zbarimg)
    opens the page (skipped when xvfb-run, xdotool, zbarimg or imagemagick is missing).
Exits 77 (skipped) when chromium, chromedriver or selenium is missing.

    browser_test.py GLANZZUG DEMO_FOLDER [SCREENSHOT_FOLDER]
"""
import os
import re
import select
import shlex
import signal
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))
from hilfen import browser_oder_überspringen, chromium, endet_mit_mir, warten  # noqa: E402

browser_oder_überspringen()
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402


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


def tippen(eingabe, text):
    """Replaces the box's text as a user does, keeping the focus: select all, type.
    (WebDriver's clear() takes the focus away, and the page then shows the current text
    in the box again, so that the typing would be appended to it.)"""
    eingabe.send_keys(Keys.CONTROL, "a")
    eingabe.send_keys(text)
    warten(lambda: eingabe.get_attribute("value") == text, 5, "the typed text in the box")


def nur_blau(leds):
    an = [v for v in leds if v]
    return len(an) >= 10 and all(v == 4 for v in an)


def telefon_schritte(browser, ordner, leinwand, text, knopf, bilder, tmp):
    # A text saved while the run list plays: in the file, the list plays on, and the LEDs
    # show it on the next round.
    knopf("Test", "lauflisten").click()
    warten(lambda: text("darstellung") == "Kurz1" and text("laeuft") == "ja", 10, "Kurz1 in the run list")
    speichern = browser.find_element(By.ID, "textSpeichern")
    warten(lambda: speichern.text == "In „Kurz1“ speichern" and speichern.is_enabled(), 5, "the save button")
    eingabe = browser.find_element(By.ID, "textEingabe")
    warten(lambda: eingabe.get_attribute("value") == "ABCDEFGH", 5, "the text box to show the current text")
    tippen(eingabe, "#4" + "I" * 40)
    beginn = time.monotonic()
    speichern.click()
    warten(lambda: "gespeichert" in text("meldung"), 5, "the save")
    # The text goes to the presentation on show when typing began; the run list may have
    # moved on to Kurz2 just before.
    ziel = re.search(r"„(Kurz[12])“ gespeichert", text("meldung"))
    assert ziel, "not saved: " + text("meldung")
    datei = os.path.join(ordner, ziel.group(1) + ".LSL")

    def text_zeile():
        with open(datei, "rb") as d:
            return [z for z in d.read().split(b"\r\n") if z.startswith(b"Text=")]
    try:
        warten(lambda: text_zeile() == [b"Text=#4" + b"I" * 40], 5, "the text in " + datei)
    except AssertionError as e:
        raise AssertionError(f"{e}; it holds {text_zeile()!r}")
    # Shown at once, unless the run list moved on meanwhile.
    warten(lambda: nur_blau(leinwand()) or text("darstellung") != "Kurz1", 5, "the saved text on the LEDs at once")
    if text("darstellung") == "Kurz1":
        print(f"saved text on the canvas {1000 * (time.monotonic() - beginn):.0f} ms after the click")
    assert text("laeuft") == "ja", "saving stopped the run list"
    warten(lambda: text("darstellung") == "Kurz2", 10, "the run list to move on")
    warten(lambda: text("darstellung") == "Kurz1", 10, "the next round")
    warten(lambda: nur_blau(leinwand()), 5, "the saved text on the next round")
    markiert = browser.find_elements(By.CSS_SELECTOR, "#eintraege li.laeuft")
    assert [li.get_attribute("data-name") for li in markiert] in (["Kurz1"], ["Kurz2"]), "no entry marked"

    # "Lok" plays as in a run list: its pictures change; the run list pauses.
    knopf("Lok", "darstellungen").click()
    warten(lambda: text("pauseText") == "Lauf-Liste „Test“ pausiert", 5, "the pause")
    gesehen = set()
    warten(lambda: gesehen.add(tuple(leinwand())) or len(gesehen) >= 4, 10, "the animation to move")
    browser.find_element(By.ID, "fortsetzen").click()
    warten(lambda: text("laeuft") == "ja" and not browser.find_element(By.ID, "pause").is_displayed(), 5,
           "the run list to go on")
    warten(lambda: text("darstellung") in ("Kurz1", "Kurz2"), 5, "an entry of the run list")

    # A picture from the phone: listed, then into the picture list of Kurz2.
    bild = os.path.join(tmp, "Punkt Bild.bmp")
    with open(bild, "wb") as d:
        d.write(bmp(8, 8))
    browser.find_element(By.ID, "bildDatei").send_keys(bild)
    browser.find_element(By.ID, "hochladen").click()
    warten(lambda: browser.find_elements(By.CSS_SELECTOR, '#bilderListe li[data-name="Punkt Bild.bmp"]'), 5,
           "the picture in the list")
    assert os.path.isfile(os.path.join(ordner, "Punkt Bild.bmp"))
    from selenium.webdriver.support.ui import Select
    Select(browser.find_element(By.ID, "bildDarstellung")).select_by_value("Kurz2")
    browser.find_element(By.CSS_SELECTOR, '#bilderListe li[data-name="Punkt Bild.bmp"] button').click()
    warten(lambda: "aufgenommen" in text("meldung"), 5, "the picture list to be saved")
    with open(os.path.join(ordner, "Kurz2.LSL"), "rb") as d:
        assert b"AniB=Punkt Bild.bmp/" in d.read()

    # Dark and on again.
    browser.find_element(By.ID, "dunkel").click()
    warten(lambda: text("timer") == "aus (dunkel)" and not any(leinwand()), 5, "the dark sign")
    if bilder:
        browser.save_screenshot(os.path.join(bilder, "fernsteuerung-dunkel.png"))
    browser.find_element(By.ID, "weiter").click()
    warten(lambda: text("timer") == "an", 5, "the sign to go on")


def bmp(breite, höhe):
    """A 24-bit BMP, red."""
    zeile = b"\x00\x00\xff" * breite + b"\x00" * ((4 - breite * 3 % 4) % 4)
    daten = zeile * höhe
    kopf = b"BM" + struct.pack("<IHHI", 54 + len(daten), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, breite, höhe, 1, 24, 0, len(daten), 2835, 2835, 0, 0)
    return kopf + info + daten


def falscher_schlüssel(browser, adresse, bilder):
    basis = adresse.split("#", 1)[0]
    for ziel, grund in ((basis + "#token=" + "0" * 64, "falsch"), (basis, "keinen Zugangsschlüssel")):
        browser.get("about:blank")
        browser.get(ziel)
        zugang = browser.find_element(By.ID, "zugang")
        warten(lambda: zugang.is_displayed() and grund in zugang.text, 5, "the token message")
        assert "„Fernsteuerung“" in zugang.text and "journalctl -u glanzzug" in zugang.text, zugang.text
        knöpfe = browser.find_elements(By.CSS_SELECTOR, "main button")
        assert knöpfe and not any(k.is_enabled() for k in knöpfe), "controls still active"
        assert browser.find_element(By.ID, "verbindung").text == "kein Zugang"
        if bilder:
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-ohne-zugang.png"))


def qr_code(glanzzug, ordner, tmp, browser, text, bilder):
    """The window's "Fernsteuerung" under Xvfb: its QR code, scanned from a screenshot,
    opens the page."""
    werkzeuge = ["xvfb-run", "xdotool", "zbarimg", "import"]
    if not all(shutil.which(w) for w in werkzeuge):
        print("QR code part skipped: needs " + ", ".join(werkzeuge))
        return
    bild, url_datei = os.path.join(tmp, "fenster.png"), os.path.join(tmp, "qr-url")
    ordner = shutil.copytree(ordner, os.path.join(tmp, "fenster-ordner"))
    b, u = shlex.quote(bild), shlex.quote(url_datei)
    # The window plays until this script is ended. Its "Fernsteuerung" is clicked until the
    # (modal) dialog shows, and the screen taken until the QR code in it reads: a window
    # still starting misses a click, a dialog still painting has no code yet.
    skript = f"""
{shlex.quote(glanzzug)} --folder {shlex.quote(ordner)} --port record:{shlex.quote(os.path.join(tmp, "draht2"))} \\
    --http 127.0.0.1:0 --http-token-file {shlex.quote(os.path.join(tmp, "config", "http-token"))} 2>/dev/null &
fenster=$(xdotool search --sync --onlyvisible --classname glanzzug | head -1)
eval $(xdotool getwindowgeometry --shell "$fenster")
until xdotool search --onlyvisible --name '^Fernsteuerung$' >/dev/null 2>&1; do
    xdotool mousemove --window "$fenster" $((WIDTH - 45)) $((HEIGHT - 12)) click 1
    sleep 0.5
done
until import -window root png:{b}.neu && zbarimg --raw -q {b}.neu >{u}.neu; do sleep 0.2; done
mv {b}.neu {b} && mv {u}.neu {u}
wait
"""
    umgebung = dict(os.environ)
    umgebung.pop("QT_QPA_PLATFORM", None)
    # A screen tall enough for the whole window, so that its status bar can be clicked.
    xvfb = subprocess.Popen(["xvfb-run", "-a", "-s", "-screen 0 1366x1000x24", "bash", "-c", skript], env=umgebung,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True,
                            preexec_fn=endet_mit_mir)
    try:
        warten(lambda: os.path.exists(url_datei), 60, "a readable QR code in the window's Fernsteuerung")
        if bilder:
            shutil.copy(bild, os.path.join(bilder, "fenster-fernsteuerung.png"))
        with open(url_datei) as d:
            url = d.read().strip()
        assert re.fullmatch(r"http://127\.0\.0\.1:\d+/#token=[0-9a-f]{64}", url), "QR code: " + repr(url)
        browser.get("about:blank")
        browser.get(url)
        warten(lambda: text("darstellung") not in ("", "–") and text("verbindung") == "live", 10,
               "the page opened from the QR code")
    finally:
        os.killpg(xvfb.pid, signal.SIGTERM)
        xvfb.wait(10)


def main():
    glanzzug, demo = sys.argv[1], sys.argv[2]
    bilder = sys.argv[3] if len(sys.argv) > 3 else None
    tmp = tempfile.mkdtemp(prefix="glanzzug-browser-")
    ordner = os.path.join(tmp, "ordner")
    shutil.copytree(demo, ordner)
    # A short run list, so that a round takes a second, not a minute.
    kurz = {"Kurz1": "AuWa=0\r\nText=ABCDEFGH\r\nPixl=1\r\nLaRi=4\r\nTemp=10\r\nWaZe=10\r\nAniZ=2\r\nUhr1=0\r\n",
            "Kurz2": "AuWa=5\r\nPixl=1\r\nTemp=10\r\nWaZe=300\r\nAniZ=5\r\nUhr1=0\r\n"}
    for name, inhalt in kurz.items():
        with open(os.path.join(ordner, name + ".LSL"), "w", newline="") as d:
            d.write(inhalt)
    with open(os.path.join(ordner, "Test.LAL"), "w", newline="") as d:
        d.write("Kurz1\r\nKurz2\r\n")
    draht = os.path.join(tmp, "draht")
    token_datei = os.path.join(tmp, "config", "http-token")
    umgebung = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    browser = None
    prozess = None
    try:
        # The browser first: it starts slowly on a busy machine, and the demo's first
        # presentation plays only a few seconds.
        browser = chromium(os.path.join(tmp, "chromium"), 1280, 900)
        prozess = subprocess.Popen(
            [glanzzug, "--headless", "--quiet", "--folder", ordner, "--port", "record:" + draht,
             "--http", "127.0.0.1:0", "--http-token-file", token_datei],
            stderr=subprocess.PIPE, env=umgebung, preexec_fn=endet_mit_mir)
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
        # Some entry of the demo's run list (a slow start may have passed the first).
        warten(lambda: text("darstellung") not in ("", "–"), 5, "the status")
        if bilder:
            os.makedirs(bilder, exist_ok=True)
            gezeigt = browser.execute_script("return window.glanzzug.bilder")
            warten(lambda: browser.execute_script("return window.glanzzug.bilder") > gezeigt + 10, 5, "live frames")
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
        tippen(eingabe, "#4" + "I" * 40)
        browser.find_element(By.ID, "textSenden").click()
        warten(lambda: "gilt jetzt" in text("meldung"), 5, "the text to be taken")

        warten(lambda: nur_blau(leinwand()), 15, "the typed text in blue on the LEDs")
        endbild = wie_der_draht()
        assert len([v for v in endbild if v]) >= 10 and all(v in (0, 4) for v in endbild)

        # A character the files cannot store is refused, with a German message.
        tippen(eingabe, "Zug \u0101")
        browser.find_element(By.ID, "textSenden").click()
        warten(lambda: text("meldung").startswith("Der Text kann „ā“ (U+0101)"), 5, "the German refusal")
        browser.find_element(By.ID, "timerAn").click()

        telefon_schritte(browser, ordner, leinwand, text, knopf, bilder, tmp)

        # Nothing wider than a phone.
        browser.set_window_size(412, 915)
        warten(lambda: browser.execute_script("return document.documentElement.clientWidth") <= 412, 5,
               "the page at a phone's width")
        breiter = browser.execute_script(
            "return [...document.querySelectorAll('body *')].filter(e => e.getBoundingClientRect().right > "
            "document.documentElement.clientWidth + 1).map(e => e.tagName + '#' + e.id + '.' + e.className)")
        assert not breiter, "wider than a phone: " + repr(breiter[:8])
        if bilder:
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-telefon.png"))
            höhe = browser.execute_script("return document.documentElement.scrollHeight")
            browser.set_window_size(412, höhe + 150)
            warten(lambda: browser.execute_script("return window.innerHeight") >= höhe, 5, "the page's whole height")
            browser.save_screenshot(os.path.join(bilder, "fernsteuerung-telefon-ganz.png"))
        # No script error and no missing file (refused requests are the page's to show).
        fehler = [e["message"] for e in browser.get_log("browser") if e["level"] == "SEVERE"
                  and ("Uncaught" in e["message"] or "404" in e["message"])]
        assert not fehler, "the browser's console: " + repr(fehler[:3])
        falscher_schlüssel(browser, adresse, bilder)
        qr_code(glanzzug, ordner, tmp, browser, text, bilder)
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
