# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the running program through AT-SPI alone, as a screen reader or a
# switch-access tool does: chooses objective 1, level 1 and "Avanti" in the
# start window, presses "7" on the exercise keypad and reads "7" back from the
# answer. Exits 77 when the program never appears on the accessibility bus.
import sys
import time

import pyatspi

ATTESA = 20.0


def attendi(cerca, cosa):
    fine = time.time() + ATTESA
    while time.time() < fine:
        trovato = cerca()
        if trovato is not None:
            return trovato
        time.sleep(0.2)
    print("not found within %d s: %s" % (ATTESA, cosa))
    sys.exit(1)


def programma():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Sottrazioni":
            return app
    return None


def mostrato(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def trova(radice, condizione):
    if radice is None:
        return None
    try:
        if condizione(radice):
            return radice
        figli = list(radice)
    except Exception:
        return None
    for figlio in figli:
        trovato = trova(figlio, condizione)
        if trovato is not None:
            return trovato
    return None


def tasto(nome):
    ruoli = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON)
    return lambda a: a.getRole() in ruoli and a.name == nome and mostrato(a)


def premi(app, nome):
    acc = attendi(lambda: trova(app, tasto(nome)), "a key named %r, showing" % nome)
    azioni = acc.queryAction()
    nomi = [azioni.getName(i) for i in range(azioni.nActions)]
    if "Press" not in nomi:
        print("%r offers no Press action: %s" % (nome, nomi))
        sys.exit(1)
    azioni.doAction(nomi.index("Press"))


def main():
    fine = time.time() + ATTESA
    app = None
    while app is None and time.time() < fine:
        app = programma()
        time.sleep(0.2)
    if app is None:
        print("SKIPPED: the program never appeared on the accessibility bus")
        sys.exit(77)
    premi(app, "1. Calcolo del risultato")
    premi(app, "1. Numeri da  1   a 30")
    premi(app, "Avanti")
    premi(app, "7")
    risposta = lambda a: a.description == "La tua risposta" and mostrato(a) and a.name == "7"
    attendi(lambda: trova(app, risposta), 'the answer reading "7"')
    print('pressed "7" through AT-SPI and read "7" back from the answer')


main()
