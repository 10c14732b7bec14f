"""What the Python tests share: waiting for a condition, a program that ends with its
test, and the headless browser of the page tests."""
import ctypes
import os
import signal
import sys
import time

ÜBERSPRUNGEN = 77  # ctest's SKIP_RETURN_CODE for these tests
CHROMIUM, TREIBER = "/usr/bin/chromium", "/usr/bin/chromedriver"
_PR_SET_PDEATHSIG = 1


def warten(bedingung, sekunden, was):
    """Polls `bedingung` until it gives something true, which is returned; an
    AssertionError naming `was` after `sekunden`."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + was)


def endet_mit_mir():
    """preexec_fn for subprocess.Popen: the kernel sends the program SIGTERM when the test's
    process dies, also when ctest kills it for its timeout, so that no player outlives its
    test and holds its port, folder or output pipe. (Linux only; the signal follows the
    thread that started the program, here always the main thread.)"""
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def browser_oder_überspringen():
    """Exits with ÜBERSPRUNGEN when python3-selenium, chromium or chromium-driver is
    missing; call it before importing from selenium."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("skipped: python3-selenium is not installed")
        sys.exit(ÜBERSPRUNGEN)
    for programm in (CHROMIUM, TREIBER):
        if not os.access(programm, os.X_OK):
            print(f"skipped: {programm} is not installed (chromium, chromium-driver)")
            sys.exit(ÜBERSPRUNGEN)


def chromium(profil, breite, höhe):
    """Headless Chromium with its profile in the folder `profil`, a window of the size
    given, and the browser's console kept (get_log("browser"))."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    optionen = webdriver.ChromeOptions()
    optionen.binary_location = CHROMIUM
    for o in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
              "--disable-background-networking", "--disable-component-update", "--disable-sync",
              "--disable-dev-shm-usage", "--user-data-dir=" + profil, f"--window-size={breite},{höhe}"):
        optionen.add_argument(o)
    optionen.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(TREIBER), options=optionen)
