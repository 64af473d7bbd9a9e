#!/usr/bin/env python3
"""Writes the data sets examples/world (WELTK), examples/europe (EUROP) and examples/iceland
(ISLAN) with real geography. Coastlines and borders come from GMT (GSHHG low-resolution
shorelines, DCW country polygons), which is needed only to run this script; the written data
sets are plain files.
Usage: real_samples.py [world|europe|iceland ...]   (default: all three)"""
import math
import os
import sys

import geo
import vecpath
from datafiles import SEPARATOR, item, palette, write, write_sounds

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(HERE, "..", "..", "examples")
SIMPLIFY = 0.5  # design units

CHARSET = ["DEUTSCH,0", "ENGLISH,0"]


# ---------------------------------------------------------------- shared texts

def prb(overrides=None):
    """The German language file: ten whole lines, then seventy items in reading order."""
    t = {
        "h1": "Kartino Sprachdatei Deutsch", "h2": "Kartino",
        0: "Ja", 1: "Nein", 2: "Abbrechen", 3: "Richtig!", 53: "Leider falsch!", 4: "Hilfe",
        5: "Ende", 6: "Zeit",
        "i1": "Kartenübung", "i2": "Aufgabe", "i3": "von", "i4": " Punkte",
        "i5": "Auf dem Bildschirm sehen Sie eine Karte.",
        "i6": "Zeigen Sie mit der Maus auf den gesuchten Ort und klicken Sie.",
        "i7": "Sie dürfen um bis zu", "i8": "Kilometer danebenliegen.", "i9": "Richtig",
        "i10": "Falsch", "i11": "Punkte", "i12": "Durchschnitt", "i13": "Punkte:",
        7: "Nächste Aufgabe", 54: "Welche Karte?", 8: "Start", 9: "Zurück", 10: "Abstand:",
        11: "Ihre Antwort", 12: "Lösung",
        "p1": "Wenn Sie nicht weiterwissen, klicken Sie auf Hilfe oder drücken Sie F1.",
        "p2": "Jede Hilfe kostet", "p3": "Erste Hilfe", "p4": "Weitere Hilfe",
        31: "Gesamt", 32: "Erste Hälfte", 33: "Zweite Hälfte",
        "r1": "Von", "r2": "Aufgaben waren", "r3": "nicht richtig", "r4": ".",
        "r5": "Möchten Sie diese Aufgaben wiederholen",
        "x1": "frei", "x2": "frei",
        34: "Sehr gut!", 35: "Gut!", 36: "Knapp daneben.", 37: "Daneben.", 38: "Weit daneben.",
        39: "Die Zeit ist um.", 40: "Noch eine Aufgabe.", 41: "Die Übung ist beendet.", 42: "Ergebnis",
        48: "  km  ",
        43: "Die Vorführung dauert höchstens / Minuten.",
        44: "Mit der Taste E beenden Sie sie früher.",
        45: "Möchten Sie zuerst die Vorführung sehen?",
        46: "Die Vorführung ist zu Ende. Gleich beginnt die Übung.",
        49: "Bitte warten", 50: "Hilfe", 51: "Treffer", 52: "Fehler",
        66: "Sekunden", 67: "Ort", 68: "Region", 69: "Land", 70: "Fluss", 71: "Weiter", 72: "Zurück",
        47: "Ende", 58: "Ihr Ergebnis", 59: "Übersicht", 61: "Weiter", 62: "13,32",
        60: "Abbruch", 63: "Ende der Übung", 64: "Auf Wiedersehen!", 65: "Übung",
        75: "Gesamtpunkte", 76: "Bestwert",
    }
    t.update(overrides or {})
    whole = ["h1", "h2", 0, 1, 2, 3, 53, 4, 5, 6]
    items = ([f"i{k}" for k in range(1, 14)] + [7, 54, 8, 9, 10, 11, 12] + ["p1", "p2", "p3", "p4"]
             + [31, 32, 33] + [f"r{k}" for k in range(1, 6)] + ["x1", "x2"] + list(range(34, 43))
             + [48, 43, 44, 45, 46, 49, 50, 51, 52] + list(range(66, 73)) + [47, 58, 59, 61, 62]
             + [60, 63, 64, 65, 75, 76])
    assert len(items) == 70
    return [t[k] for k in whole] + [item(t[k]) for k in items]


def exercise_file(title, texts, blocks):
    """Two free lines, the sixteen exercise texts, then the blocks: a comment line, the "*"
    line and the four parameter lines."""
    assert len(texts) == 16 and "/" in texts[15]
    lines = [title, "Zeilen bis zur Marke werden überlesen.", "**"] + [item(t) for t in texts] + ["**"]
    for n, b in enumerate(blocks):
        if n:
            lines.append("***")
        lines += [b["comment"], "*",
                  ",".join('"' + f + '"' for f in b["flags"]),
                  f'{b["question"]},{b["timelimit"]},{b["param"]},{b["param2"]}',
                  ",".join('"' + f + '"' for f in b["files"]),
                  f'{b["range"][0]},{b["range"][1]},0']
    return lines


def exercise_texts(own, prefix):
    """The sixteen exercise texts: the data set's own texts 0 to 7, the prefix of text 10, and
    the texts all three share (the km feedback, the result line, the value-line prefixes and the
    demonstration's seconds)."""
    assert len(own) == 8
    return own + ["Sie lagen / km daneben.", "Mittlere Abweichung:", prefix, "Südliche Breite",
                  "Nördliche Breite", "Westliche Länge", "Östliche Länge", "Zeit: / s"]


def bits(*numbers):
    return "b" + format(sum(1 << n for n in numbers), "b") if numbers else "b0"


def header(count, block, redefinitions, working):
    """Map header: record count in columns 1-3, the parameter block, zoom 4 and the colour
    switch with its redefinitions (index, red, green, blue in 0..63) and 16 working colours."""
    fields = [str(v) for r in redefinitions for v in r] + [str(w) for w in working]
    text = f"{block} /m=4 /c /p{len(redefinitions)}," + ",".join(fields)
    for switch in ("/l", "/r", "/b", "/d", "/u", "/x", "/k", "/2", "/9", "/-", "/="):
        assert switch not in text, switch
    return f"{count:<3}" + text if count < 100 else f"{count} " + text


def signed(v):
    return ("+" if v >= 0 else "-") + f"{abs(v):.2f}"


def list_line(region, name, country, third, v1, v2, r, a, highlight="-1"):
    fields = [str(region), name, country, third, v1, v2, vecpath.number(r), vecpath.number(a), highlight]
    for f in fields:
        assert "," not in f and '"' not in f, f
    return "*" + ",".join(fields)


def write_common(root, prb_lines, instru):
    write(root, "DATEN/stdvga64", palette())
    write(root, "DATEN/charset", CHARSET)
    write(root, "UEB/DEUTSCH/prb", prb_lines)
    write(root, "ERGEBNIS/instru", instru)
    write_sounds(root)


def write_host_options(root, options):
    with open(os.path.join(root, "host-options"), "w", newline="\n") as f:
        f.write(options + "\n")


def outline_records(rings, centre, name, outline, fill, min_seed=2.0, min_size=1.5):
    """Records that draw each ring (design units) in the outline colour and fill its inside."""
    turtle = vecpath.Turtle(centre, name, outline)
    kept = 0
    for ring in rings:
        pts = vecpath.simplify(ring, SIMPLIFY)
        if len(pts) < 3:
            continue
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        if max(max(xs) - min(xs), max(ys) - min(ys)) < min_size:
            continue
        kept += 1
        turtle.ring(pts, vecpath.interior_points(pts), fill, min_seed)
    return turtle.done(), kept


def sea_record(centre, left, top, right, bottom, colour, name="Meer"):
    t = vecpath.Turtle(centre, name, colour)
    t.move((left, top))
    t.raw(f"T{bottom - top},{right - left},")
    return t.done()


def report(name, root, records):
    size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(root) for f in fs)
    longest = max(len("".join(tokens)) for _, tokens in records)
    print(f"{name}: {len(records)} records, longest record text {longest} characters, {size} bytes")


# ---------------------------------------------------------------- world

WORLD_CENTRE = (320, 246)
WORLDX0, WORLDY0 = 298.7, 293.3


def worldlat2y_exact(lat):
    y0 = WORLDY0
    if lat > 83:
        return y0 - 205
    if lat > 75:
        return y0 - (169 + (lat - 75) * 4.5)
    if lat > 60:
        return y0 - (122 + (lat - 60) * 47 / 15)
    if lat > 45:
        return y0 - (86 + (lat - 45) * 36 / 15)
    if lat > -45:
        return y0 - lat * 28.5 / 15
    if lat > -56:
        return y0 + 86 - (lat + 45) * 36 / 15
    return y0 + 86 + 11 * 36 / 15


def world_x(lon):
    if lon < -168.05:
        lon += 360
    return WORLDX0 + lon * 640 / 360


# City, country, region, tzdata zone (zone.tab coordinates, degrees and minutes, ISO 6709).
WORLD_REGIONS = ["Europa", "Asien", "Afrika", "Nordamerika", "Südamerika", "Australien und Ozeanien"]
WORLD_CITIES = [
    ("Reykjavík", "Island", 1, "Atlantic/Reykjavik", "+6409-02151"),
    ("Oslo", "Norwegen", 1, "Europe/Oslo", "+5955+01045"),
    ("Helsinki", "Finnland", 1, "Europe/Helsinki", "+6010+02458"),
    ("Stockholm", "Schweden", 1, "Europe/Stockholm", "+5920+01803"),
    ("Moskau", "Russland", 1, "Europe/Moscow", "+554521+0373704"),
    ("London", "Vereinigtes Königreich", 1, "Europe/London", "+513030-0000731"),
    ("Paris", "Frankreich", 1, "Europe/Paris", "+4852+00220"),
    ("Berlin", "Deutschland", 1, "Europe/Berlin", "+5230+01322"),
    ("Warschau", "Polen", 1, "Europe/Warsaw", "+5215+02100"),
    ("Kyjiw", "Ukraine", 1, "Europe/Kyiv", "+5026+03031"),
    ("Madrid", "Spanien", 1, "Europe/Madrid", "+4024-00341"),
    ("Lissabon", "Portugal", 1, "Europe/Lisbon", "+3843-00908"),
    ("Rom", "Italien", 1, "Europe/Rome", "+4154+01229"),
    ("Athen", "Griechenland", 1, "Europe/Athens", "+3758+02343"),
    ("Istanbul", "Türkei", 1, "Europe/Istanbul", "+4101+02858"),
    ("Tokio", "Japan", 2, "Asia/Tokyo", "+353916+1394441"),
    ("Seoul", "Südkorea", 2, "Asia/Seoul", "+3733+12658"),
    ("Shanghai", "China", 2, "Asia/Shanghai", "+3114+12128"),
    ("Hongkong", "China", 2, "Asia/Hong_Kong", "+2217+11409"),
    ("Manila", "Philippinen", 2, "Asia/Manila", "+143512+1205804"),
    ("Bangkok", "Thailand", 2, "Asia/Bangkok", "+1345+10031"),
    ("Singapur", "Singapur", 2, "Asia/Singapore", "+0117+10351"),
    ("Jakarta", "Indonesien", 2, "Asia/Jakarta", "-0610+10648"),
    ("Kalkutta", "Indien", 2, "Asia/Kolkata", "+2232+08822"),
    ("Karatschi", "Pakistan", 2, "Asia/Karachi", "+2452+06703"),
    ("Dubai", "Vereinigte Arabische Emirate", 2, "Asia/Dubai", "+2518+05518"),
    ("Teheran", "Iran", 2, "Asia/Tehran", "+3540+05126"),
    ("Taschkent", "Usbekistan", 2, "Asia/Tashkent", "+4120+06918"),
    ("Ulaanbaatar", "Mongolei", 2, "Asia/Ulaanbaatar", "+4755+10653"),
    ("Nowosibirsk", "Russland", 2, "Asia/Novosibirsk", "+5502+08255"),
    ("Jakutsk", "Russland", 2, "Asia/Yakutsk", "+6200+12940"),
    ("Wladiwostok", "Russland", 2, "Asia/Vladivostok", "+4310+13156"),
    ("Magadan", "Russland", 2, "Asia/Magadan", "+5934+15048"),
    ("Kairo", "Ägypten", 3, "Africa/Cairo", "+3003+03115"),
    ("Casablanca", "Marokko", 3, "Africa/Casablanca", "+3339-00735"),
    ("Algier", "Algerien", 3, "Africa/Algiers", "+3647+00303"),
    ("Dakar", "Senegal", 3, "Africa/Dakar", "+1440-01726"),
    ("Lagos", "Nigeria", 3, "Africa/Lagos", "+0627+00324"),
    ("Khartum", "Sudan", 3, "Africa/Khartoum", "+1536+03232"),
    ("Addis Abeba", "Äthiopien", 3, "Africa/Addis_Ababa", "+0902+03842"),
    ("Nairobi", "Kenia", 3, "Africa/Nairobi", "-0117+03649"),
    ("Kinshasa", "Demokratische Republik Kongo", 3, "Africa/Kinshasa", "-0418+01518"),
    ("Luanda", "Angola", 3, "Africa/Luanda", "-0848+01314"),
    ("Windhuk", "Namibia", 3, "Africa/Windhoek", "-2234+01706"),
    ("Johannesburg", "Südafrika", 3, "Africa/Johannesburg", "-2615+02800"),
    ("Anchorage", "Vereinigte Staaten", 4, "America/Anchorage", "+611305-1495401"),
    ("Whitehorse", "Kanada", 4, "America/Whitehorse", "+6043-13503"),
    ("Vancouver", "Kanada", 4, "America/Vancouver", "+4916-12307"),
    ("Los Angeles", "Vereinigte Staaten", 4, "America/Los_Angeles", "+340308-1181434"),
    ("Denver", "Vereinigte Staaten", 4, "America/Denver", "+394421-1045903"),
    ("Winnipeg", "Kanada", 4, "America/Winnipeg", "+4953-09709"),
    ("Chicago", "Vereinigte Staaten", 4, "America/Chicago", "+415100-0873900"),
    ("New York", "Vereinigte Staaten", 4, "America/New_York", "+404251-0740023"),
    ("Halifax", "Kanada", 4, "America/Halifax", "+4439-06336"),
    ("Nuuk", "Grönland", 4, "America/Nuuk", "+6411-05144"),
    ("Mexiko-Stadt", "Mexiko", 4, "America/Mexico_City", "+1924-09909"),
    ("Havanna", "Kuba", 4, "America/Havana", "+2308-08222"),
    ("Panama-Stadt", "Panama", 4, "America/Panama", "+0858-07932"),
    ("Bogotá", "Kolumbien", 5, "America/Bogota", "+0436-07405"),
    ("Caracas", "Venezuela", 5, "America/Caracas", "+1030-06656"),
    ("Lima", "Peru", 5, "America/Lima", "-1203-07703"),
    ("La Paz", "Bolivien", 5, "America/La_Paz", "-1630-06809"),
    ("São Paulo", "Brasilien", 5, "America/Sao_Paulo", "-2332-04637"),
    ("Asunción", "Paraguay", 5, "America/Asuncion", "-2516-05740"),
    ("Santiago", "Chile", 5, "America/Santiago", "-3327-07040"),
    ("Buenos Aires", "Argentinien", 5, "America/Argentina/Buenos_Aires", "-3436-05827"),
    ("Montevideo", "Uruguay", 5, "America/Montevideo", "-345433-0561245"),
    ("Darwin", "Australien", 6, "Australia/Darwin", "-1228+13050"),
    ("Perth", "Australien", 6, "Australia/Perth", "-3157+11551"),
    ("Adelaide", "Australien", 6, "Australia/Adelaide", "-3455+13835"),
    ("Brisbane", "Australien", 6, "Australia/Brisbane", "-2728+15302"),
    ("Sydney", "Australien", 6, "Australia/Sydney", "-3352+15113"),
    ("Hobart", "Australien", 6, "Australia/Hobart", "-4253+14719"),
    ("Port Moresby", "Papua-Neuguinea", 6, "Pacific/Port_Moresby", "-0930+14710"),
    ("Nouméa", "Neukaledonien (Frankreich)", 6, "Pacific/Noumea", "-2216+16627"),
    ("Suva", "Fidschi", 6, "Pacific/Fiji", "-1808+17825"),
    ("Auckland", "Neuseeland", 6, "Pacific/Auckland", "-3652+17446"),
    ("Honolulu", "Vereinigte Staaten", 6, "Pacific/Honolulu", "+211825-1575130"),
]


def iso6709(text):
    """'+5955+01045' or '+404251-0740023' -> (lat, lon) in degrees."""
    def part(s, degree_digits):
        sign = -1 if s[0] == "-" else 1
        d = s[1:]
        deg = int(d[:degree_digits])
        rest = d[degree_digits:]
        minutes = int(rest[:2])
        seconds = int(rest[2:4]) if len(rest) >= 4 else 0
        return sign * (deg + minutes / 60 + seconds / 3600)
    cut = max(text.rfind("+"), text.rfind("-"))
    return part(text[:cut], 2), part(text[cut:], 3)


def world_places():
    places = []
    for name, country, region, zone, coords in WORLD_CITIES:
        lat, lon = iso6709(coords)
        x = vecpath.cint(world_x(lon))
        y = vecpath.cint(worldlat2y_exact(lat))
        places.append(dict(name=name, country=country, region=region, zone=zone, lat=lat, lon=lon,
                           x=x, y=y))
    return places


def build_world():
    root = os.path.join(EXAMPLES, "world")
    rings = geo.shorelines((-169.5, 190.5, -60, 84), 5000)
    projected = []
    for ring in rings:
        pts = []
        for lon, lat in ring:
            if lon < -169.5:  # the data base gives some points east of 180 degrees as west
                lon += 360
            elif lon >= 190.5:
                lon -= 360
            x = min(639.0, max(0.0, WORLDX0 + lon * 640 / 360))
            pts.append((x, worldlat2y_exact(lat)))
        projected.append(pts)
    projected.sort(key=lambda r: -vecpath.area(r))
    # Sea inside the colour-10 frame of the world map, then the land: coast colour 5, land 2.
    records = sea_record(WORLD_CENTRE, 1, 89, 638, 405, 3)
    land, kept = outline_records(projected, WORLD_CENTRE, "Land", 5, 2)
    records += land
    first = len(records)
    places = world_places()
    for p in places:
        records.append((p["name"], []))
    last = len(records) - 1
    redefine = [(64, 22, 36, 54), (40, 30, 44, 18), (41, 12, 26, 8)]
    working = [0, 62, 40, 64, 36, 41, 20, 7, 56, 57, 58, 60, 1, 59, 62, 63]
    vec = [header(len(records), "<-1;0;0;0>", redefine, working)] + vecpath.record_lines(records)
    lst = ["   6 /l," + ",".join(WORLD_REGIONS) + ","]
    for name, _ in records[:first]:
        lst.append(f"*0,{name},,,0,0,0,0,0")
    for p in places:
        r, a = vecpath.place_polar(WORLD_CENTRE, (p["x"], p["y"]))
        lst.append(list_line(p["region"], p["name"], p["country"], "Zeitzone " + p["zone"],
                             signed(p["lat"]), signed(p["lon"]), r, a))
    texts = exercise_texts([
        "Weltkarte", "Großstädte der Welt", "Schätzen Sie, wo die Stadt liegt, und klicken Sie dorthin.",
        "Stadt", "Land", "Zeitzone", "Je / km Abweichung kostet einen Punkt.",
        "Wo liegt diese Stadt? Klicken Sie auf die Karte."], "Land: ")
    files = ["WELT.VEC", "Welt", "WELT.LST"]
    blocks = [
        dict(comment="Block 1: alle Städte in gemischter Folge, Toleranz 500 km",
             flags=[bits(8, 11), bits(1, 2, 9), bits(1, 2, 9), bits(4, 5)],
             question=7, timelimit=0, param=100, param2=0, files=files, range=(first, last)),
        dict(comment="Block 2: eine ausgedünnte Auswahl, gemischt, Toleranz 300 km, Vorführung angeboten",
             flags=[bits(7, 8, 9, 11), bits(1, 2, 9), bits(1, 2, 9), bits(4, 5)],
             question=7, timelimit=180, param=60, param2=0, files=files, range=(first, last)),
    ]
    write(root, "UEB/DEUTSCH/WELTK", exercise_file("Kartino Übung: Großstädte der Welt", texts, blocks))
    write(root, "UEB/DEUTSCH/WELT.LST", lst)
    write(root, "KARTEN/WELT.VEC", vec)
    write_common(root, prb({"i5": "Auf dem Bildschirm sehen Sie eine Weltkarte.",
                            "i6": "Schätzen Sie, wo die Stadt liegt, und klicken Sie dorthin."}), [
        "Kartenübung: Großstädte der Welt", SEPARATOR,
        "Auf dem Bildschirm sehen Sie eine Karte der Welt. Oben steht der Name einer",
        "Großstadt und ihr Land. Schätzen Sie, wo die Stadt liegt, und klicken Sie dorthin.",
        "Das Programm misst, wie viele Kilometer Ihre Antwort vom richtigen Ort entfernt ist.",
        SEPARATOR, "Mit Alt+Esc können Sie die Übung jederzeit beenden.",
    ])
    write_host_options(root, "--exercise WELTK --block 1 --tasks 10 --hostflags 2048 --hostoptions 133 "
                             "--featuremask 543 --protocolflags 8")
    report("world", root, records)
    print(f"  land rings kept {kept} of {len(rings)}; places {first}..{last}")
    return places


# ---------------------------------------------------------------- europe

EUROPE_CENTRE = (320, 240)
EUROPE_FRAME = (65, 82, 575, 450)


def europe_xy(lon, lat):
    return (273 + 8.1 * lon, 450 - (lat - 35.6) * 11.22)


EUROPE_COUNTRIES = [
    "IS", "IE", "GB", "IM", "FO", "PT", "ES", "AD", "GI", "FR", "MC", "BE", "NL", "LU", "CH", "LI",
    "DE", "DK", "NO", "SE", "FI", "AX", "EE", "LV", "LT", "BY", "PL", "CZ", "SK", "AT", "SI", "HR",
    "BA", "RS", "XK", "ME", "AL", "MK", "GR", "BG", "RO", "MD", "UA", "HU", "IT", "SM", "VA", "MT",
    "TR", "CY", "SY", "RU", "MA", "DZ", "TN", "GE",
]

# Capital, country, region, name in the country's language, latitude, longitude.
EUROPE_REGIONS = ["Nordeuropa", "Westeuropa", "Mitteleuropa", "Südeuropa", "Osteuropa", "Südosteuropa"]
WEST = [
    ("Reykjavík", "Island", 1, "Reykjavík", 64.146, -21.942),
    ("Dublin", "Irland", 2, "Baile Átha Cliath", 53.350, -6.260),
    ("London", "Vereinigtes Königreich", 2, "London", 51.507, -0.128),
    ("Lissabon", "Portugal", 4, "Lisboa", 38.722, -9.139),
    ("Madrid", "Spanien", 4, "Madrid", 40.417, -3.704),
    ("Andorra la Vella", "Andorra", 4, "Andorra la Vella", 42.507, 1.522),
    ("Paris", "Frankreich", 2, "Paris", 48.857, 2.352),
    ("Brüssel", "Belgien", 2, "Bruxelles / Brussel", 50.847, 4.357),
    ("Amsterdam", "Niederlande", 2, "Amsterdam", 52.370, 4.895),
    ("Luxemburg", "Luxemburg", 2, "Lëtzebuerg", 49.612, 6.130),
    ("Monaco", "Monaco", 2, "Monaco", 43.733, 7.417),
    ("Bern", "Schweiz", 3, "Bern", 46.948, 7.447),
    ("Vaduz", "Liechtenstein", 3, "Vaduz", 47.141, 9.521),
    ("Oslo", "Norwegen", 1, "Oslo", 59.914, 10.752),
    ("Kopenhagen", "Dänemark", 1, "København", 55.676, 12.568),
    ("Berlin", "Deutschland", 3, "Berlin", 52.520, 13.405),
    ("Prag", "Tschechien", 3, "Praha", 50.088, 14.420),
    ("Stockholm", "Schweden", 1, "Stockholm", 59.329, 18.069),
    ("Rom", "Italien", 4, "Roma", 41.903, 12.496),
    ("San Marino", "San Marino", 4, "San Marino", 43.936, 12.447),
    ("Valletta", "Malta", 4, "Il-Belt Valletta", 35.899, 14.514),
    ("Ljubljana", "Slowenien", 6, "Ljubljana", 46.056, 14.506),
]
EAST = [
    ("Helsinki", "Finnland", 1, "Helsinki", 60.170, 24.938),
    ("Tallinn", "Estland", 1, "Tallinn", 59.437, 24.754),
    ("Riga", "Lettland", 1, "Riga", 56.950, 24.105),
    ("Vilnius", "Litauen", 1, "Vilnius", 54.687, 25.280),
    ("Minsk", "Belarus", 5, "Minsk", 53.904, 27.562),
    ("Warschau", "Polen", 3, "Warszawa", 52.230, 21.012),
    ("Kyjiw", "Ukraine", 5, "Kyiv", 50.450, 30.523),
    ("Chisinau", "Moldau", 5, "Chisinau", 47.011, 28.864),
    ("Wien", "Österreich", 3, "Wien", 48.208, 16.373),
    ("Bratislava", "Slowakei", 3, "Bratislava", 48.149, 17.107),
    ("Budapest", "Ungarn", 3, "Budapest", 47.498, 19.040),
    ("Zagreb", "Kroatien", 6, "Zagreb", 45.815, 15.982),
    ("Sarajevo", "Bosnien und Herzegowina", 6, "Sarajevo", 43.856, 18.413),
    ("Belgrad", "Serbien", 6, "Beograd", 44.787, 20.457),
    ("Podgorica", "Montenegro", 6, "Podgorica", 42.441, 19.263),
    ("Tirana", "Albanien", 6, "Tiranë", 41.328, 19.818),
    ("Pristina", "Kosovo", 6, "Prishtinë", 42.663, 21.166),
    ("Skopje", "Nordmazedonien", 6, "Skopje", 41.998, 21.425),
    ("Sofia", "Bulgarien", 6, "Sofija", 42.698, 23.322),
    ("Bukarest", "Rumänien", 6, "Bucuresti", 44.427, 26.103),
    ("Athen", "Griechenland", 4, "Athína", 37.984, 23.728),
    ("Ankara", "Türkei", 6, "Ankara", 39.933, 32.860),
]


def build_europe():
    root = os.path.join(EXAMPLES, "europe")
    assert len(WEST) == len(EAST)
    left, top, right, bottom = EUROPE_FRAME
    records = sea_record(EUROPE_CENTRE, left, top, right, bottom, 3)
    country_records = []
    for code in EUROPE_COUNTRIES:
        rings = []
        for ring in geo.country(code):
            pts = vecpath.clip([europe_xy(lon, lat) for lon, lat in ring], left, top, right, bottom)
            if len(pts) >= 3 and vecpath.area(pts) > 0.5:
                rings.append(pts)
        if rings:
            recs, kept = outline_records(rings, EUROPE_CENTRE, "Land " + code, 8, 7)
            if kept:
                country_records += recs
    records += country_records
    sets = {}
    for variant, capitals in (("Westen", WEST), ("Osten", EAST)):
        # The capitals' points go into slots 30 and up; each place record draws its disc there.
        marks = vecpath.Turtle(EUROPE_CENTRE, "Hauptstädte", 9)
        places = []
        for k, (name, country, region, local, lat, lon) in enumerate(capitals):
            x, y = europe_xy(lon, lat)
            p = (vecpath.cint(x), vecpath.cint(y))
            assert left < p[0] < right and top < p[1] < bottom, name
            marks.move(p)
            marks.store(30 + k)
            places.append(dict(name=name, country=country, region=region, local=local, lat=lat,
                               lon=lon, x=p[0], y=p[1], slot=30 + k))
        recs = records + marks.done()
        first = len(recs)
        for p in places:
            recs.append((p["name"], [f"G{p['slot']},", "C9,", "U2,"]))
        last = len(recs) - 1
        sets[variant] = (recs, places, first, last)
    firsts = {v: s[2] for v, s in sets.items()}
    assert len(set(firsts.values())) == 1
    first, last = sets["Westen"][2], sets["Westen"][3]
    redefine = [(64, 22, 38, 60), (42, 47, 46, 41)]
    working = [0, 62, 2, 64, 36, 5, 20, 42, 56, 36, 58, 60, 1, 61, 62, 63]
    for variant, (recs, places, _, _) in sets.items():
        vec = [header(len(recs), "<-2;0;0;0>", redefine, working)] + vecpath.record_lines(recs)
        lst = ["   6 /l," + ",".join(EUROPE_REGIONS) + ","]
        for name, _ in recs[:first]:
            lst.append(f"*0,{name},,,0,0,0,0,0")
        for p in places:
            r, a = vecpath.place_polar(EUROPE_CENTRE, (p["x"], p["y"]))
            lst.append(list_line(p["region"], p["name"], p["country"], p["local"], signed(p["lat"]),
                                 signed(p["lon"]), r, a))
        write(root, f"KARTEN/{variant}.VEC", vec)
        write(root, f"UEB/DEUTSCH/{variant}.LST", lst)
        report("europe " + variant, root, recs)
    texts = exercise_texts([
        "Europa", "Hauptstädte Europas", "Klicken Sie auf den roten Punkt der gesuchten Hauptstadt.",
        "Hauptstadt", "Land", "Landessprache", "Jede richtige Antwort bringt 20 Punkte.",
        "Wo liegt diese Hauptstadt? Klicken Sie auf ihren Punkt."], "Hauptstadt: ")
    files = ["Westen/Osten/", "Europa", "Westen.LST"]
    blocks = [
        dict(comment="Block 1: mit Vorführung von höchstens zwei Minuten, Farbtest",
             flags=[bits(0, 5, 6, 7, 8), bits(1, 2), bits(1, 2), bits()],
             question=7, timelimit=120, param=30, param2=2.5, files=files, range=(first, last)),
        dict(comment="Block 2: ohne Vorführung, Farbtest",
             flags=[bits(0, 5, 6, 8), bits(1, 2), bits(1, 2), bits()],
             question=7, timelimit=0, param=30, param2=2.5, files=files, range=(first, last)),
    ]
    write(root, "UEB/DEUTSCH/EUROP", exercise_file("Kartino Übung: Hauptstädte Europas", texts, blocks))
    write_common(root, prb({"i5": "Auf dem Bildschirm sehen Sie eine Karte von Europa.",
                            "i6": "Klicken Sie auf den roten Punkt der gesuchten Hauptstadt.",
                            54: "Welcher Teil Europas?"}), [
        "Kartenübung: Hauptstädte Europas", SEPARATOR,
        "Auf dem Bildschirm sehen Sie eine Karte von Europa. Die roten Punkte sind",
        "Hauptstädte. Oben steht der Name einer Hauptstadt und ihr Land. Klicken Sie",
        "auf den Punkt dieser Hauptstadt. Klicks neben die Punkte zählen nicht.",
        "Wählen Sie zuerst den Westen (W) oder den Osten (O) Europas.",
        SEPARATOR, "Mit Alt+Esc können Sie die Übung jederzeit beenden.",
    ])
    write_host_options(root, "--exercise EUROP --block 1 --tasks 10 --hostflags 2048 --hostoptions 160 "
                             "--featuremask 543 --protocolflags 8")
    print(f"  countries {len(country_records)} records; places {first}..{last}")
    return {v: s[1] for v, s in sets.items()}


# ---------------------------------------------------------------- iceland

ICELAND_CENTRE = (320, 256)
ICELAND_SCALE = 1250  # metres per design unit at zoom 4
ICELAND_LON0, ICELAND_LAT0 = -19.0, 64.95
ICELAND_SEA = (56, 96, 584, 428)  # ends above row 28: three rows below it for the help lines
KM_PER_DEGREE = 111.195


def iceland_xy(lon, lat):
    units = 1000 / ICELAND_SCALE
    kx = KM_PER_DEGREE * math.cos(math.radians(ICELAND_LAT0)) * units
    ky = KM_PER_DEGREE * units
    return (ICELAND_CENTRE[0] + (lon - ICELAND_LON0) * kx, ICELAND_CENTRE[1] - (lat - ICELAND_LAT0) * ky)


# The regions by their German names: short enough for the right-hand column of the help lines.
ICELAND_REGIONS = ["Hauptstadtgebiet", "Reykjanes-Halbinsel", "Westisland", "Westfjorde", "Nordwestisland",
                   "Nordostisland", "Ostisland", "Südisland"]
# Town, region, description, latitude, longitude.
ICELAND_TOWNS = [
    ("Reykjavík", 1, "Hauptstadt am Faxaflói", 64.146, -21.942),
    ("Keflavík", 2, "Ort beim internationalen Flughafen", 64.003, -22.562),
    ("Borgarnes", 3, "am Borgarfjörður", 64.539, -21.921),
    ("Stykkishólmur", 3, "Hafen am Breiðafjörður", 65.075, -22.727),
    ("Ólafsvík", 3, "Hafen am Snæfellsnes", 64.894, -23.711),
    ("Ísafjörður", 4, "größter Ort der Westfjorde", 66.075, -23.124),
    ("Patreksfjörður", 4, "im Süden der Westfjorde", 65.596, -23.990),
    ("Hólmavík", 4, "am Steingrímsfjörður", 65.706, -21.680),
    ("Blönduós", 5, "an der Mündung der Blanda", 65.661, -20.279),
    ("Sauðárkrókur", 5, "am Skagafjörður", 65.746, -19.639),
    ("Siglufjörður", 5, "nördlichster Ort auf Tröllaskagi", 66.152, -18.909),
    ("Akureyri", 6, "größte Stadt des Nordens am Eyjafjörður", 65.683, -18.091),
    ("Húsavík", 6, "Hafen an der Skjálfandi-Bucht", 66.045, -17.338),
    ("Þórshöfn", 6, "Hafen an der Þistilfjörður-Bucht", 66.197, -15.331),
    ("Egilsstaðir", 7, "am See Lagarfljót", 65.265, -14.395),
    ("Seyðisfjörður", 7, "Fährhafen im Osten", 65.260, -14.010),
    ("Neskaupstaður", 7, "am Norðfjörður", 65.148, -13.686),
    ("Höfn", 7, "Hafen vor dem Vatnajökull", 64.254, -15.212),
    ("Kirkjubæjarklaustur", 8, "an der Ringstraße im Süden", 63.788, -18.054),
    ("Vík", 8, "südlichster Ort", 63.419, -19.006),
    ("Selfoss", 8, "an der Ölfusá", 63.933, -20.997),
]


def build_iceland():
    root = os.path.join(EXAMPLES, "iceland")
    left, top, right, bottom = ICELAND_SEA
    rings = geo.shorelines((-25.5, -12.5, 62.8, 67.0), 0)
    projected = [[iceland_xy(lon, lat) for lon, lat in ring] for ring in rings]
    projected.sort(key=lambda r: -vecpath.area(r))
    records = sea_record(ICELAND_CENTRE, left, top, right, bottom, 3)
    land, kept = outline_records(projected, ICELAND_CENTRE, "Island", 5, 6)
    records += land
    marks = vecpath.Turtle(ICELAND_CENTRE, "Orte", 14)
    places = []
    for k, (name, region, description, lat, lon) in enumerate(ICELAND_TOWNS):
        x, y = iceland_xy(lon, lat)
        p = (vecpath.cint(x), vecpath.cint(y))
        marks.move(p)
        marks.store(30 + k)
        places.append(dict(name=name, region=region, description=description, lat=lat, lon=lon,
                           x=p[0], y=p[1], slot=30 + k))
    records += marks.done()
    first = len(records)
    for p in places:
        records.append((p["name"], [f"G{p['slot']},", "C14,", "U2,", "C8,", "K2,"]))
    last = len(records) - 1
    bar = (72, 392)  # its label on row 26, inside the sea
    redefine = [(64, 20, 34, 52), (40, 36, 44, 26), (41, 16, 24, 10)]
    working = [0, 62, 2, 64, 36, 41, 40, 7, 56, 57, 58, 60, 1, 59, 62, 63]
    vec = [header(len(records), f"<{ICELAND_SCALE};100;{bar[0]};{bar[1]}>", redefine, working)]
    vec += vecpath.record_lines(records)
    lst = ["   8 /l," + ",".join(ICELAND_REGIONS) + ","]
    for name, _ in records[:first]:
        lst.append(f"*0,{name},,,0,0,0,0,0")
    for p in places:
        r, a = vecpath.place_polar(ICELAND_CENTRE, (p["x"], p["y"]))
        lst.append(list_line(p["region"], p["name"], "Island", p["description"], signed(p["lat"]),
                             signed(p["lon"]), r, a))
    texts = exercise_texts([
        "Island", "Orte in Island", "Klicken Sie auf den gelben Punkt des gesuchten Ortes.",
        "Ort", "Landesteil", "Hinweis", "Jede richtige Antwort bringt 20 Punkte.",
        "Wo liegt dieser Ort? Klicken Sie auf seinen Punkt."], "Landesteil: ")
    files = ["ISLAND.VEC", "Island", "ISLAND.LST"]
    blocks = [
        dict(comment="Block 1: Ortsnamen, drei Hilfen (Landesteil, Hinweis, Breite)",
             flags=[bits(0, 8, 10), bits(1, 9), bits(1, 8), bits(0, 3, 4)],
             question=7, timelimit=0, param=30, param2=0, files=files, range=(first, last)),
        dict(comment="Block 2: Ortsname und Landesteil, ausgedünnt, ohne Hilfe, Vorführung angeboten",
             flags=[bits(0, 7, 8, 9, 10), bits(0, 1, 9), bits(0, 1, 8), bits()],
             question=7, timelimit=120, param=30, param2=0, files=files, range=(first, last)),
    ]
    write(root, "UEB/DEUTSCH/ISLAN", exercise_file("Kartino Übung: Orte in Island", texts, blocks))
    write(root, "UEB/DEUTSCH/ISLAND.LST", lst)
    write(root, "KARTEN/ISLAND.VEC", vec)
    write_common(root, prb({"i5": "Auf dem Bildschirm sehen Sie eine Karte von Island.",
                            "i6": "Klicken Sie auf den gelben Punkt des gesuchten Ortes."}), [
        "Kartenübung: Orte in Island", SEPARATOR,
        "Auf dem Bildschirm sehen Sie eine Karte von Island. Die gelben Punkte sind Orte.",
        "Oben steht der Name eines Ortes. Klicken Sie auf seinen Punkt.",
        "Falsch gelöste Aufgaben können Sie am Ende wiederholen.",
        SEPARATOR, "Mit Alt+Esc können Sie die Übung jederzeit beenden.",
    ])
    write_host_options(root, "--exercise ISLAN --block 1 --tasks 8 --hostflags 2048 --hostoptions 133 "
                             "--featuremask 543 --protocolflags 8")
    report("iceland", root, records)
    print(f"  land rings kept {kept} of {len(rings)}; places {first}..{last}")
    return places


def main():
    wanted = sys.argv[1:] or ["world", "europe", "iceland"]
    for name in wanted:
        {"world": build_world, "europe": build_europe, "iceland": build_iceland}[name]()


if __name__ == "__main__":
    main()
