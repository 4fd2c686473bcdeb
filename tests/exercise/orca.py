# SPDX-License-Identifier: GPL-3.0-or-later
# A run of 20 as a blind pupil does it, keys only, with Orca: started by
# orca.sh inside its own session. What counts is what Orca says, read from
# the "SPEECH OUTPUT" lines of its debug log; the answers come from the
# operations as Orca says them, in words. Reading aloud stays off, so every
# fact comes from the screen reader.
import os
import re
import subprocess
import sys
import time

LAVORO = os.environ["LAVORO"]
LOG = os.path.join(LAVORO, "orca.log")
ATTESA = 30.0

UNITA = ["zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "undici",
         "dodici", "tredici", "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"]
DECINE = ["", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta", "ottanta", "novanta"]


def in_lettere(n):
    if n < 20:
        return UNITA[n]
    decina, unita = DECINE[n // 10], n % 10
    if unita in (1, 8):
        decina = decina[:-1]
    parola = decina + (UNITA[unita] if unita else "")
    return parola[:-3] + "tré" if parola.endswith("tre") else parola


NUMERI = {in_lettere(n): n for n in range(100)}


class Orca:
    """Orca's speech, line by line, from where the test last looked."""

    def __init__(self):
        self.letto = 0

    def frasi(self):
        try:
            with open(LOG, encoding="utf-8", errors="replace") as f:
                righe = f.read().splitlines()
        except FileNotFoundError:
            return []
        nuove = []
        for riga in righe[self.letto:]:
            riga = re.sub(r"\s*(voice=\S+)?\s*\{[^{}]*\}\s*$", "", riga)
            m = re.search(r"SPEECH OUTPUT: '(.*)'$", riga)
            nuove.append(m.group(1).strip() if m else None)
        return nuove

    def attendi(self, schema, cosa):
        """The first sentence said from now on that matches `schema`."""
        return re.fullmatch(schema, self.fino(schema, cosa)[-1])

    def fino(self, schema, cosa):
        """The sentences said from now on, up to the first that matches `schema`."""
        fine = time.time() + ATTESA
        while time.time() < fine:
            frasi = self.frasi()
            for i, frase in enumerate(frasi):
                if frase is not None and re.fullmatch(schema, frase):
                    self.letto += i + 1
                    return [f for f in frasi[:i + 1] if f is not None]
            time.sleep(0.1)
        fallito("Orca did not say %s within %d s (expected /%s/)" % (cosa, ATTESA, schema))


def fallito(perche):
    print("FAIL: " + perche)
    sys.exit(1)


def tasti(*nomi):
    for nome in nomi:
        subprocess.run(["xdotool", "key", "--clearmodifiers", nome], check=True)
        time.sleep(0.15)


def numero(parola):
    if parola not in NUMERI:
        fallito("%r is not a number in words" % parola)
    return NUMERI[parola]


def risultato(frase):
    """The result of "ventinove meno quattro, uguale quanto?", said either way round."""
    sinistra, destra = frase.rstrip("?").split(", uguale ")
    espressione = sinistra if " meno " in sinistra else destra
    a, b = espressione.split(" meno ")
    return numero(a) - numero(b)


def tab_fino(orca, nome):
    # Each control Tab reaches is said with its role last.
    for _ in range(12):
        tasti("Tab")
        detto = orca.fino(r".*pulsante( radio)?\.?", "the next control")
        if nome + "." in detto or nome + " pulsante." in detto:
            return
    fallito("Tab never reached %r" % nome)


def main():
    orca = Orca()
    subprocess.Popen(["orca", "--user-prefs", os.path.join(LAVORO, "orca"), "--debug-file", LOG],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca.attendi(r"Lettore schermo attivo\.", "that it is on, in Italian")
    ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    programma = subprocess.Popen([os.environ["PROGRAMMA"]], cwd=os.path.join(LAVORO, "programma"), env=ambiente,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca.attendi(r"1\. Calcolo del risultato\.", "the first objective, which has the focus")

    # The menu bar from F10, and back where the pupil was.
    tasti("F10")
    orca.attendi(r"(Stampa schede|Valutazione)\.", "the first entry of the menu bar")
    tasti("Escape")
    orca.attendi(r"1\. Calcolo del risultato\.", "the objective again, after Esc")

    # The choices, each heard as made.
    tasti("space")
    orca.attendi(r"selezionato", "that the objective is chosen")
    tab_fino(orca, "1. Numeri da  1   a 30")
    tasti("space")
    orca.attendi(r"selezionato", "that the level is chosen")
    tab_fino(orca, "Avanti")
    tasti("space")

    for n in range(1, 21):
        frase = orca.attendi(r"notifica ((\w+ meno \w+|quanto), uguale (quanto|\w+ meno \w+)\?)",
                             "operation %d" % n).group(1)
        giusta = risultato(frase)
        sbagliata = str(giusta + 1)
        if n == 1:
            # A wrong answer, and help accepted: the operation completed.
            tasti(*sbagliata, "Return")
            orca.attendi(r"notifica Errato\. Ti aiuto \?", "the verdict and the help offer")
            tasti("s")
            detta = orca.attendi(r"notifica .* fa (\w+)\.", "the answer help shows")
            if numero(detta.group(1)) != giusta:
                fallito("help said %s, not %d" % (detta.group(1), giusta))
        elif n == 2:
            # Help refused three times: the program steps in and shows the answer.
            for volta in range(3):
                tasti(*sbagliata, "Return")
                orca.attendi(r"notifica Errato\. Ti aiuto \?", "the help offer, time %d" % (volta + 1))
                tasti("n")
                if volta < 2:
                    orca.attendi(r"notifica " + re.escape(frase), "the operation again, to try again")
            orca.attendi(r"notifica Ora intevengo io\.", "that the program steps in")
            tasti("Return")
            detta = orca.attendi(r"notifica .* fa (\w+)\.", "the answer the program shows")
            if numero(detta.group(1)) != giusta:
                fallito("the program said %s, not %d" % (detta.group(1), giusta))
        else:
            tasti(*str(giusta), "Return")
            if n < 20:
                orca.attendi(r"notifica Esatto\.", "the verdict of operation %d" % n)
        if n < 20:
            tasti("Return")
    orca.attendi(r"notifica Esatto\. Esercitazione terminata\. Se ricominci, gli esercizi andranno persi\.",
                 "the last verdict and the end of the run")

    # A menu entry by its mnemonic: the list of executed operations opens.
    tasti("alt+v")
    orca.attendi(r"STAMPA DEGLI ESERCIZI ESEGUITI.*", "the printout window, opened by Alt+V")

    programma.terminate()
    print("a run of 20 by keys alone, every operation, verdict, help and the end heard through Orca")


main()
