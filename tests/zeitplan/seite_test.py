#!/usr/bin/python3
"""The schedule on the remote control page, in a real browser at a phone's size (412 x 915).

Starts glanzzug headless on a copy of the demo folder with a schedule, opens the page, and
checks the week view (seven day columns, bands named after their run lists, the current
time marked in today's column) and the editing: a rule added in the form is saved to
Zeitplan.txt, a bad one is refused naming its rule and leaves the file alone.
Exits 77 (skipped) when chromium, chromedriver or selenium is missing.

    seite_test.py GLANZZUG DEMO_FOLDER [SCREENSHOT_FOLDER]
"""
import os
import select
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))
from hilfen import browser_oder_überspringen, chromium, endet_mit_mir, warten  # noqa: E402

browser_oder_überspringen()
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support.ui import Select  # noqa: E402


def main():
    glanzzug, demo = sys.argv[1], sys.argv[2]
    bilder = sys.argv[3] if len(sys.argv) > 3 else None
    tmp = tempfile.mkdtemp(prefix="glanzzug-zeitplanseite-")
    ordner = os.path.join(tmp, "ordner")
    shutil.copytree(demo, ordner)
    zeitplan = os.path.join(ordner, "Zeitplan.txt")
    with open(zeitplan, "wb") as d:
        d.write("; Laden\r\nMo-Fr 08:00-18:30 Demo\r\nSa 09:00-14:00 Demo\r\ntäglich 22:00-07:00 dunkel\r\n".encode("cp1252"))
    prozess = subprocess.Popen(
        [glanzzug, "--headless", "--quiet", "--folder", ordner, "--port", "none",
         "--http", "127.0.0.1:0", "--http-token-file", os.path.join(tmp, "token")],
        stderr=subprocess.PIPE, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), preexec_fn=endet_mit_mir)
    browser = None
    try:
        bereit, _, _ = select.select([prozess.stderr], [], [], 15)
        assert bereit, "glanzzug printed no address"
        adresse = prozess.stderr.readline().decode().split(" at ", 1)[1].strip()
        browser = chromium(os.path.join(tmp, "chromium"), 412, 915)
        browser.set_page_load_timeout(20)
        browser.get(adresse)

        # The week: seven columns, every one covering the whole day with bands.
        warten(lambda: len(browser.find_elements(By.CSS_SELECTOR, "#woche .tag")) == 7, 10, "the week")
        spalten = browser.find_elements(By.CSS_SELECTOR, "#woche .tag")
        assert [s.find_element(By.CLASS_NAME, "tagkopf").text for s in spalten] == \
            ["Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"]
        heute = browser.find_elements(By.CSS_SELECTOR, "#woche .tagkopf.heute")
        assert len(heute) == 1
        assert len(browser.find_elements(By.CSS_SELECTOR, "#woche .jetzt")) == 1
        montag = [b.get_attribute("title") for b in spalten[0].find_elements(By.CLASS_NAME, "band")]
        assert montag == ["dunkel 00:00–07:00", "eigene Lauf-Liste 07:00–08:00", "Demo 08:00–18:30",
                          "eigene Lauf-Liste 18:30–22:00", "dunkel 22:00–24:00"], montag
        assert "Demo" in spalten[5].text and "Jetzt:" in browser.find_element(By.ID, "zeitplanJetzt").text
        if bilder:
            browser.save_screenshot(os.path.join(bilder, "zeitplan-woche-412.png"))

        # Editing: a new rule for Sunday, moved to the top, saved.
        assert len(browser.find_elements(By.CSS_SELECTOR, "#regeln li")) == 3
        browser.find_element(By.ID, "regelNeu").click()
        neu = browser.find_elements(By.CSS_SELECTOR, "#regeln li")[-1]
        tage, von, bis, daten = neu.find_elements(By.TAG_NAME, "input")
        for feld, wert in ((tage, "So"), (von, "10:00"), (bis, "16:00"), (daten, "01.12.-24.12.")):
            feld.clear()
            feld.send_keys(wert)
        Select(neu.find_element(By.TAG_NAME, "select")).select_by_visible_text("Demo")
        for _ in range(3):
            neu.find_element(By.CSS_SELECTOR, "button[aria-label='nach oben']").click()
        browser.find_element(By.ID, "zeitplanSpeichern").click()
        warten(lambda: browser.find_element(By.ID, "zeitplanMeldung").text == "Zeitplan gespeichert.", 10, "the save")
        with open(zeitplan, "rb") as d:
            assert d.read().decode("cp1252") == ("; Laden\r\n01.12.-24.12. So 10:00-16:00 Demo\r\nMo-Fr 08:00-18:30 Demo\r\n"
                                                 "Sa 09:00-14:00 Demo\r\ntäglich 22:00-07:00 dunkel\r\n")
        if bilder:
            browser.execute_script("document.getElementById('zeitplan').scrollIntoView()")
            browser.save_screenshot(os.path.join(bilder, "zeitplan-regeln-412.png"))

        # A bad time is refused with its rule's number; the file stays as saved.
        erste = browser.find_elements(By.CSS_SELECTOR, "#regeln li")[1]
        feld = erste.find_elements(By.TAG_NAME, "input")[2]
        feld.clear()
        feld.send_keys("25:00")
        browser.find_element(By.ID, "zeitplanSpeichern").click()
        meldung = warten(lambda: browser.find_element(By.ID, "zeitplanMeldung").text.startswith("Regel 2:") and
                         browser.find_element(By.ID, "zeitplanMeldung").text, 10, "the refusal")
        assert "08:00-25:00" in meldung, meldung
        with open(zeitplan, "rb") as d:
            assert b"25:00" not in d.read()
        print("ok")
    finally:
        if browser:
            browser.quit()
        prozess.terminate()
        prozess.wait(10)
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
