#!/usr/bin/python3
"""An accessibility client of Varnelo's window, as a screen reader is: starts
PROGRAM, chooses "1. esempio" through the menu, reads the report the window
shows, then chooses "Esci" and expects the program to end with status 0.

Usage: lettore_report.py PROGRAM
"""
import os
import subprocess
import sys
import time

import pyatspi

ATTESE = ["valore di ritorno = 4", "Directory Windows = /usr"]


def attendi(cerca, cosa, secondi=30):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        trovato = cerca()
        if trovato is not None:
            return trovato
        time.sleep(0.2)
    sys.exit(f"lettore_report: no {cosa} after {secondi} s")


def applicazione():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Varnelo":
            return app
    return None


def testo(accessibile):
    """What a reader reads of a text object: its text interface; empty for the rest."""
    try:
        return accessibile.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def primo(radice, condizione):
    return pyatspi.findDescendant(radice, condizione, True)


def scegli(app, voce):
    elemento = attendi(lambda: primo(app, lambda a: a.getRoleName() == "menu item"
                                     and a.name.replace("&", "") == voce), f"menu item {voce}")
    azioni = elemento.queryAction()
    azioni.doAction(0)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    # On the X server this test started, whatever platform the caller's
    # environment names (an offscreen one has no accessibility bridge).
    ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    programma = subprocess.Popen([sys.argv[1]], env=ambiente)
    try:
        app = attendi(applicazione, "application Varnelo on the accessibility bus")
        scegli(app, "1. esempio")
        # The report is read-only text without a name: a reader reads its text.
        report = attendi(lambda: primo(app, lambda a: testo(a).startswith(ATTESE[0])),
                         "report of 1. esempio")
        righe = [riga.rstrip(" ") for riga in testo(report).split("\n")]
        if righe != ATTESE:
            sys.exit(f"lettore_report: the report reads {righe}, not {ATTESE}")
        print("read:", " | ".join(righe))
        scegli(app, "Esci")
        stato = programma.wait(timeout=30)
    finally:
        if programma.poll() is None:
            programma.kill()
    if stato != 0:
        sys.exit(f"lettore_report: {sys.argv[1]} ended with status {stato}")


if __name__ == "__main__":
    main()
