#!/usr/bin/env python3
"""Writes the sample data set examples/sample: text files in code page 850 with CR LF line ends.
Usage: sample_data.py [OUTPUT_FOLDER]   (default: examples/sample beside this repository's tools)"""
import os
import sys

from datafiles import SEPARATOR, item, palette, write

CHARSET = ["ENGLISH,0", "", "DEUTSCH,0", "POLSKI,238", "RUSSKIJ,204", "ohne Komma wird übersprungen"]

# Working colours 0-15 as indices into the 64 colours; colour 3 is the redefined entry 64 (sea blue).
WORKING = [0, 1, 2, 64, 4, 5, 20, 7, 56, 57, 58, 59, 60, 61, 62, 63]
MAP = [
    "7  <-2;500;40;440> /m=4 /c /p1,64,24,40,63," + ",".join(str(i) for i in WORKING),
    "C3,B200,180,B150,90,",
    "T300,400,",
    "*Meer",
    "C0,B120,180,M20,L80,90,L160,0,D40,315,",
    "L80,270,L120,180,Z20,",
    "G20,B20,30,F2,",
    "*Land",
]
# name, region, country, river, distance and direction from the map centre
PLACES = [
    ("Paris", 2, "Frankreich", "Seine", 60, 150),
    ("Berlin", 1, "Deutschland", "Spree", 50, 60),
    ("Rom", 3, "Italien", "Tiber", 40, 300),
    ("Madrid", 3, "Spanien", "Manzanares", 90, 170),
    ("Wien", 1, "Österreich", "Donau", 60, 20),
]
for name, _, _, _, r, a in PLACES:
    MAP += [f"C4,B{r},{a},U3,C0,K3,", "*" + name]

LIST = ["   3 /l,Mitteleuropa,Westeuropa,Südeuropa,", "*0,Meer,,,0,0,0,0,0", "*0,Land,,,0,0,0,0,0"]
LIST += [f"*{reg},{name},{country},{river},0,0,{r},{a},0" for name, reg, country, river, r, a in PLACES]

EXERCISE_TEXTS = [
    "Europa", "Hauptstädte Europas", "Klicken Sie auf die Stadt, deren Name oben steht.",
    "Hauptstadt", "Land", "Fluss", "Jede richtige Antwort bringt bis zu / Punkte.",
    "Wo liegt diese Stadt?", "Die Stadt liegt hier.", "Sehr gut!", "Das war knapp daneben.",
    "Leider weit daneben.", "Punkte", "Aufgaben", "Kilometer", "Vorführung / Übung",
]
EXERCISE = ["Kartino Beispielübung: Hauptstädte Europas", "Zeilen bis zur Marke werden überlesen.", "**"]
EXERCISE += [item(t) for t in EXERCISE_TEXTS]
EXERCISE += [
    "**", "Block 1: ohne Zeitlimit", "*",
    '"b0","b1000000110","b110","b11"', "7,0,30,0", '"EUROPA.VEC","Europa","EUROPA.LST"', "2,6,0",
    "***", "Block 2: mit Zeitlimit von fünf Minuten", "*",
    '"b10000001","b1000000110","b110","b11"', "7,300,30,0", '"EUROPA.VEC","Europa","EUROPA.LST"', "2,6,0",
]

PRB_LINES = [
    "Kartino Sprachdatei Deutsch", "Kartino", "Ja", "Nein", "Abbrechen", "Richtig!", "Leider falsch!",
    "Hilfe", "Ende", "Zeit",
]
PRB_ITEMS = [
    # instruction list 1-13
    "Kartenübung", "Aufgabe", "von", " Mal mit der Leertaste", "Auf der Karte sehen Sie Europa.",
    "Zeigen Sie mit der Maus, wo der Ort liegt, und klicken Sie.", "Sie dürfen um bis zu",
    "Kilometer danebenliegen.", "Richtig", "Falsch", "Punkte", "Durchschnitt", "Kilometer",
    "Nächste Aufgabe", "Welche Karte?",                                           # texts 7, 54
    "Start", "Zurück", "Abstand:", "Ihre Antwort", "Lösung",                      # texts 8-12
    "Wenn Sie nicht weiterwissen, hilft Ihnen das Programm.",                    # help texts 1-4
    "Hilfe erhalten Sie bis zu", "Erste Hilfe: die Region", "Zweite Hilfe: das Land",
    "Gesamt", "Erste Hälfte", "Zweite Hälfte",                                    # texts 31-33
    "Möchten Sie die falsch gelösten Aufgaben wiederholen?", "Wiederholung",      # repeat texts 1-5
    "Es gibt nichts zu wiederholen.", "Wiederholung beendet.", "Weiter mit der Übung",
    "frei", "frei",                                                               # two discarded
    "Sehr gut!", "Gut!", "Knapp daneben.", "Daneben.", "Weit daneben.",          # texts 34-42
    "Zeit ist um.", "Noch eine Aufgabe.", "Übung beendet.", "Ergebnis",
    "  km  ",                                                                     # text 48, trimmed
    "Sie haben / Minuten Zeit.", "Die Zeit läuft, sobald die erste Aufgabe erscheint.",  # 43, 44
    "Erst die Vorführung?", "Ende der Vorführung.",                          # 45, 46
    "Bitte warten", "Klicken Sie auf die Karte.", "Treffer", "Fehler",           # 49-52
    "Sekunden", "Ort", "Region", "Land", "Fluss",                                 # 66-70
    "Weiter", "Zurück",                                                           # 71, 72
    "Ende", "Ihr Ergebnis", "Übersicht", "Weiter",                               # 47, 58, 59, 61
    "13,32",                                                                      # 62: go-on keys
    "Abbruch", "Ende der Übung", "Auf Wiedersehen!", "Übung", "Gesamtpunkte", "Bestwert",  # 60-76
]
assert len(PRB_ITEMS) == 70, len(PRB_ITEMS)
PRB = PRB_LINES + [item(t) for t in PRB_ITEMS]

INSTRU = [
    "Kartenübung: Hauptstädte Europas", SEPARATOR,
    "Auf dem Bildschirm sehen Sie eine Karte von Europa. Oben steht der Name",
    "einer Hauptstadt. Zeigen Sie mit der Maus, wo die Stadt liegt, und klicken Sie.",
    SEPARATOR, "Mit Alt+Esc können Sie die Übung jederzeit beenden.",
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "examples", "sample")
    write(root, "DATEN/stdvga64", palette())
    write(root, "DATEN/charset", CHARSET)
    write(root, "UEB/DEUTSCH/EUROP", EXERCISE)
    write(root, "UEB/DEUTSCH/prb", PRB)
    write(root, "UEB/DEUTSCH/EUROPA.LST", LIST)
    write(root, "KARTEN/EUROPA.VEC", MAP)
    write(root, "ERGEBNIS/instru", INSTRU)


if __name__ == "__main__":
    main()
