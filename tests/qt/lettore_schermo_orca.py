#!/usr/bin/env python3
"""The report as a blind user hears it, with Orca, Debian's screen reader.

Run by lettore_schermo_orca.sh inside a private X display and D-Bus session.
Starts Orca, then Varnelo, presses the keys a user presses, and checks what
Orca says after each: the line the keys reach, or nothing at all where a key
leaves the line where it is.

Usage: lettore_schermo_orca.py VARNELO RIGHE_REPORT WORK_DIR [EXAMPLE...]
(RIGHE_REPORT prints the lines an example prints, and the window's title;
WORK_DIR keeps the logs).
"""

import codecs
import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time
import tty

# The keys after choosing an example, the same for every example, each with the
# line (from 0; from the end when negative) it leads to; in a report shorter than
# that, the key stops at the report's edge. Choosing leads to the first line.
PASSI = [("Down", 1), ("Down", 2), ("Down", 3), ("ctrl+Home", 0), ("ctrl+End", -1),
         ("Down", -1), ("Up", -2), ("ctrl+Home", 0), ("Up", 0)]

ATTESA_PAROLA = 10.0  # longest wait for an utterance, or for Orca to take a key
ATTESA_SILENZIO = 1.0  # how long nothing must be said, once Orca has taken the key
# xdotool's names of the modifiers, as Orca's log names their keys.
TASTI_MODIFICATORI = {"ctrl": "Control_L", "alt": "Alt_L"}

ENUNCIATO = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: ?\{|[ \t]*$)", re.M | re.S)
# A key event as Orca's log shows it when Orca takes it: its type and the key's
# name, in brackets (Debian 12's Orca) or quotes (later ones).
TASTO_PRESO = re.compile(r"KEYBOARD_EVENT:\s+type=\S*(PRESSED|RELEASED)\S*(?:\n.*?){1,8}?"
                         r"\n\s+keyval_name=[(']([^)'\n]*)[)']")


class Fallito(Exception):
    pass


class Orca:
    """Orca, its debug output read through a terminal: Python flushes a file it
    opens on a terminal at every line, so each utterance is seen as it is said."""

    def __init__(self, file_log):
        self.testo = ""
        self.blocco = threading.Lock()
        self.master, self.slave = pty.openpty()
        tty.setraw(self.slave)
        self.log = open(file_log, "w", encoding="utf-8")
        with open(file_log + ".out", "w") as uscita:
            self.processo = subprocess.Popen(
                ["orca", "--replace", "--disable=speech", "--disable=braille",
                 "--debug-file=" + os.ttyname(self.slave)],
                stdin=subprocess.DEVNULL, stdout=uscita, stderr=subprocess.STDOUT)
        self.lettore = threading.Thread(target=self._leggi, daemon=True)
        self.lettore.start()

    def _leggi(self):
        # A read may end inside a character: "più" must not become "pi?".
        decodifica = codecs.getincrementaldecoder("utf-8")("replace")
        while True:
            try:
                dati = os.read(self.master, 65536)
            except OSError:
                return
            if not dati:
                return
            testo = decodifica.decode(dati)
            with self.blocco:
                self.testo += testo
            self.log.write(testo)
            self.log.flush()

    def posizione(self):
        with self.blocco:
            return len(self.testo)

    def contiene(self, parola):
        with self.blocco:
            return parola in self.testo

    def enunciati(self, da):
        with self.blocco:
            return [e for e in ENUNCIATO.findall(self.testo[da:])]

    def batti(self, azione, tasto, nome):
        """xdotool's keydown, keyup or key (a tap) of tasto, then the wait until
        Orca has taken the event of the key it calls nome: its press, its
        release, or for a tap either, since the menu's shortcut keeps the press
        of Alt+V from it and the menu that a number closes may take its release."""
        tipi = {"keydown": ("PRESSED",), "keyup": ("RELEASED",)}.get(azione,
                                                                   ("PRESSED", "RELEASED"))
        prima = self.posizione()
        xdotool(azione, tasto)

        def preso():
            with self.blocco:
                return any(tipo in tipi and chiave == nome
                           for tipo, chiave in TASTO_PRESO.findall(self.testo[prima:]))
        if not attendi(preso, ATTESA_PAROLA):
            raise Fallito("Orca never took the key %s (%s)" % (tasto, azione))

    def ferma(self):
        termina(self.processo)
        os.close(self.slave)
        self.lettore.join(5)
        os.close(self.master)
        self.log.close()


def termina(processo):
    """Ends a process this test started. Orca handles SIGTERM only when its
    main loop wakes, so it gets SIGKILL after a moment."""
    if processo.poll() is None:
        processo.send_signal(signal.SIGTERM)
        try:
            processo.wait(3)
        except subprocess.TimeoutExpired:
            processo.kill()
            processo.wait()


def normale(testo):
    return " ".join(testo.split())


def detto(enunciato, riga):
    """Orca says a line with its runs of blanks, and ends a line that ends in a
    letter or digit with a full stop, for the pause."""
    e, r = normale(enunciato), normale(riga)
    return bool(r) and (e == r or e == r + ".")


def attendi(condizione, secondi):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        if condizione():
            return True
        time.sleep(0.1)
    return condizione()


def xdotool(*argomenti, secondi=15):
    return subprocess.run(["xdotool", *argomenti], check=True, timeout=secondi,
                          capture_output=True, text=True).stdout


def premi(orca, tasto, esito):
    """Presses a key, or a chord such as ctrl+End, as a hand does: each key once
    Orca has taken the one before, and the modifiers held until esito() has
    heard what the key did. Orca reads a caret move with the modifiers of the
    last key event it has taken: a Ctrl let go before it takes the move turns
    ctrl+Home into Home, and it says a character, not the line. The key itself
    is tapped."""
    *modificatori, chiave = tasto.split("+")
    for m in modificatori:
        orca.batti("keydown", m, TASTI_MODIFICATORI[m])
    orca.batti("key", chiave, chiave)
    risultato = esito()
    for m in reversed(modificatori):
        orca.batti("keyup", m, TASTI_MODIFICATORI[m])
    return risultato


def main():
    varnelo, righe_report, cartella = sys.argv[1:4]
    esempi = [int(a) for a in sys.argv[4:]] or [1, 2, 3, 4]

    def testi(richiesta):
        return subprocess.run([righe_report, richiesta], check=True, capture_output=True,
                              text=True).stdout.splitlines()

    titolo = testi("titolo")[0]
    righe = {n: testi(str(n)) for n in esempi}
    avviati = []
    errori = []
    orca = None
    try:
        # Orca's first start in a new home writes its settings and then hears no
        # events: one start to write them, ended, then the one that listens.
        preparazione = Orca(os.path.join(cartella, "orca-preparazione.log"))
        dati_orca = os.path.join(os.environ["XDG_DATA_HOME"], "orca")
        attendi(lambda: preparazione.contiene("Startup complete")
                or os.path.exists(os.path.join(dati_orca, "user-settings.conf")), 30)
        time.sleep(1)
        preparazione.ferma()

        orca = Orca(os.path.join(cartella, "orca.log"))
        if not attendi(lambda: orca.contiene("Startup complete"), 30):
            print("note: Orca never said 'Startup complete'; going on", flush=True)
        inizio = orca.posizione()
        with open(os.path.join(cartella, "varnelo.log"), "w") as log_varnelo:
            programma = subprocess.Popen([varnelo], stdin=subprocess.DEVNULL,
                                         stdout=log_varnelo, stderr=subprocess.STDOUT)
        avviati.append(programma)
        finestra = xdotool("search", "--sync", "--onlyvisible", "--name",
                           "^" + re.escape(titolo) + "$").split()[0]
        xdotool("windowfocus", "--sync", finestra)
        if not attendi(lambda: any(titolo in e for e in orca.enunciati(inizio)), 20):
            raise Fallito("Orca never spoke the window's title %r; it said: %r"
                          % (titolo, orca.enunciati(inizio)))

        def riga_detta(passo, prima, riga, atteso):
            if attendi(lambda: any(detto(e, atteso) for e in orca.enunciati(prima)),
                       ATTESA_PAROLA):
                print("ok   %s: Orca said line %d %r" % (passo, riga + 1, atteso), flush=True)
            else:
                errori.append("%s: expected line %d %r; Orca said %r"
                              % (passo, riga + 1, atteso, orca.enunciati(prima)))
                print("FAIL " + errori[-1], flush=True)

        def niente_detto(passo, prima, riga, righe_n):
            time.sleep(ATTESA_SILENZIO)
            dette = [e for e in orca.enunciati(prima) if any(detto(e, r) for r in righe_n)]
            if dette:
                errori.append("%s: the line stays, so nothing should be said; Orca said %r"
                              % (passo, dette))
                print("FAIL " + errori[-1], flush=True)
            else:
                print("ok   %s: stays on line %d, nothing said" % (passo, riga + 1), flush=True)

        for n in esempi:
            righe_n = righe[n]
            # Alt+V opens the menu at its first item; the user hears it, then
            # presses the example's number.
            prima = orca.posizione()
            if not premi(orca, "alt+v",
                         lambda: attendi(lambda: any("1. esempio" in e
                                                     for e in orca.enunciati(prima)),
                                         ATTESA_PAROLA)):
                errori.append("example %d, alt+v: Orca never spoke the menu's first item; "
                              "it said %r" % (n, orca.enunciati(prima)))
                print("FAIL " + errori[-1], flush=True)
            attuale = None
            for tasto, bersaglio in [(str(n), 0)] + PASSI:
                quante = len(righe_n)
                riga = min(bersaglio, quante - 1) if bersaglio >= 0 else max(quante + bersaglio, 0)
                passo = "example %d, %s" % (n, tasto)
                prima = orca.posizione()
                if riga != attuale:
                    premi(orca, tasto, lambda: riga_detta(passo, prima, riga, righe_n[riga]))
                else:
                    premi(orca, tasto, lambda: niente_detto(passo, prima, riga, righe_n))
                attuale = riga

        # Keys that move no line still reach the window: Alt+S ends the program,
        # so Orca hears no more of its keys.
        xdotool("key", "alt+s")
        try:
            if programma.wait(10) == 0:
                print("ok   alt+s with the report focused ended the program", flush=True)
            else:
                errori.append("after alt+s the program ended with status %d; its output: %s"
                              % (programma.returncode, os.path.join(cartella, "varnelo.log")))
                print("FAIL " + errori[-1], flush=True)
        except subprocess.TimeoutExpired:
            errori.append("alt+s with the report focused did not end the program")
            print("FAIL " + errori[-1], flush=True)
    except (Fallito, subprocess.SubprocessError, OSError) as errore:
        errori.append(str(errore))
        print("FAIL " + errori[-1], flush=True)
    finally:
        for processo in avviati:
            termina(processo)
        if orca:
            orca.ferma()
    if errori:
        print("\n%d failed; Orca's log: %s" % (len(errori), os.path.join(cartella, "orca.log")))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
