"""An independent reader of R.DAT, the result file the host reads after a session.

It parses the file from its bytes alone (CR LF lines: list-output records, the answer line,
protocol lines, the demonstration record) and checks every field against the range the program
can give it. `check(data, tasks, featuremask)` returns a list of problems, empty for a sound file.

    python3 rdat.py [--tasks N] [--featuremask N] R.DAT...
"""

import argparse
import re
import sys

NUMBER = re.compile(r"^-?(\d+\.?\d*|\.\d+)(E[-+]\d+)?$")
STR_NUMBER = re.compile(r"^( |-)(\d+\.?\d*|\.\d+)(E[-+]\d+)?$")  # Str(): a blank before non-negatives
PROTOCOL = re.compile(r"^s(?P<code>[235])(?P<answer>.)(?P<value>[ \d-]{6,})"
                      r"\d\d-\d\d-\d{4}\d\d:\d\d:\d\d$")
NO_INTEGER, NO_LONG = -999, -99999
FEATURE_BITS_KEPT = 0b01100011100
INT16 = (-32768, 32767)
INT32 = (-2147483648, 2147483647)


def list_items(line):
    """The items of one list-output line: strings as str, numbers as float."""
    items, pos = [], 0
    while True:
        if line.startswith('"', pos):
            end = line.find('"', pos + 1)
            if end < 0:
                raise ValueError("unclosed string")
            items.append(line[pos + 1:end])
            pos = end + 1
        else:
            end = line.find(",", pos)
            text = line[pos:] if end < 0 else line[pos:end]
            if not NUMBER.match(text):
                raise ValueError(f"not a number: {text!r}")
            items.append(float(text))
            pos = len(line) if end < 0 else end
        if pos == len(line):
            return items
        if line[pos] != ",":
            raise ValueError(f"no comma after item {len(items)}")
        pos += 1


class Checker:
    def __init__(self, tasks, featuremask):
        self.tasks = tasks
        self.half = round(tasks * 0.5)  # CInt: halves to even, as Python's round
        self.featuremask = featuremask
        self.problems = []

    def fail(self, where, text):
        self.problems.append(f"{where}: {text}")

    def whole(self, where, v, low, high, markers=()):
        if not isinstance(v, float) or v != int(v):
            self.fail(where, f"{v!r} is not a whole number")
        elif v not in markers and not low <= v <= high:
            self.fail(where, f"{v:g} outside {low}..{high}")

    def real(self, where, v, low, high, markers=()):
        if not isinstance(v, float):
            self.fail(where, f"{v!r} is not a number")
        elif v not in markers and not low <= v <= high:
            self.fail(where, f"{v:g} outside {low}..{high}")

    def bits(self, where, v, allowed, required=0):
        self.whole(where, v, *INT16)
        if isinstance(v, float) and v == int(v) and (int(v) & ~allowed or int(v) & required != required):
            self.fail(where, f"{int(v)} has bits outside {allowed:#x} or lacks {required:#x}")

    def letter(self, where, v):
        if not (isinstance(v, str) and re.fullmatch("[A-Z]", v)):
            self.fail(where, f"{v!r} is not a variant letter")

    def session_record(self, f):
        """The 29 fields of a "g" record."""
        if len(f) != 29:
            return self.fail("g", f"{len(f)} fields, not 29")
        t, h = self.tasks, self.half
        half_points = max(h, t - h) * 20 + 50
        find_mode = isinstance(f[24], float) and int(f[24]) & 1
        rate = (0, 200) if find_mode else (0, 10_000_000)  # per cent right, or mean km error
        self.real("g2 points", f[1], 0, 2 * half_points, (NO_INTEGER,))
        self.real("g3 first-half points", f[2], 0, half_points, (NO_INTEGER,))
        self.real("g4 second-half points", f[3], 0, half_points, (NO_INTEGER,))
        self.real("g5 mean answer time", f[4], 0, 9999, (NO_INTEGER,))
        self.real("g6 time per right answer", f[5], 0, 9999, (NO_INTEGER,))
        self.whole("g7 right answers", f[6], 0, t, (NO_INTEGER,))
        self.whole("g8 wrong answers", f[7], 0, t, (NO_INTEGER,))
        self.whole("g9 wrong in the first half", f[8], 0, h, (NO_INTEGER,))
        self.whole("g10 help steps", f[9], 0, INT16[1], (NO_INTEGER,))
        self.whole("g11 first-half rate", f[10], *rate, (NO_LONG,))
        self.whole("g12 second-half rate", f[11], *rate, (NO_LONG,))
        self.whole("g13 header field", f[12], *INT32)
        self.real("g14 first-half mean time", f[13], 0, 1e12, (NO_LONG,))
        self.real("g15 second-half mean time", f[14], 0, 1e12, (NO_LONG,))
        self.real("g16 demonstration seconds", f[15], -86400, 86400, (NO_LONG,))
        self.whole("g17 task number", f[16], 0, t + 1)
        self.whole("g18 result mask", f[17], 15, 15)
        self.letter("g19 variant", f[18])
        if f[19] not in (0.0, 1.0, 2727.0):
            self.fail("g20 valid fields", f"{f[19]!r} is none of 0, 1, 2727")
        if f[20] != "":
            self.fail("g21", f"{f[20]!r} is not empty")
        self.bits("g22 status flags", f[21], 0b100100101, 0b100000000)
        self.bits("g23 offer flags", f[22], 0b100101)
        self.whole("g24 feature mask", f[23], *INT16)
        if self.featuremask is not None and f[23] != (self.featuremask & FEATURE_BITS_KEPT):
            self.fail("g24 feature mask", f"{f[23]:g} is not the given mask AND {FEATURE_BITS_KEPT:#x}")
        self.whole("g25 exercise flags", f[24], *INT16)
        self.whole("g26 result flags", f[25], 1, 1)
        self.whole("g27", f[26], NO_INTEGER, NO_INTEGER)
        self.whole("g28", f[27], NO_LONG, NO_LONG)
        self.real("g29 time limit", f[28], 0, 86400, (NO_LONG,))

    def cancel_record(self, f):
        if len(f) != 7:
            return self.fail("c", f"{len(f)} fields, not 7")
        self.whole("c2 answered", f[1], 0, self.tasks)
        self.whole("c3 result mask", f[2], 15, 15)
        self.letter("c4 variant", f[3])
        self.whole("c5 exercise flags", f[4], *INT16)
        self.bits("c6 status flags", f[5], 0b100100101, 0b100000000)
        self.bits("c7 offer flags", f[6], 0b100101)

    def answer_line(self, line, allow_empty):
        """tasklist1..4: k answer values, k times, k place numbers (each Str and ","), k help codes."""
        if line == "" and allow_empty:
            return
        items = line.split(",")
        codes, numbers = items[-1], items[:-1]
        k = len(codes)
        if len(numbers) != 3 * k or k > self.tasks or not re.fullmatch(r"[0-9-]*", codes):
            return self.fail("answer line", f"{line!r} is not {k} answers, times, places and help codes")
        for n in numbers:
            if not STR_NUMBER.match(n):
                return self.fail("answer line", f"{n!r} is not a number as Str writes it")
        values = [float(n) for n in numbers]
        for v in values[:k]:
            self.whole("answer value", v, 0, 100_000)
        for v in values[k:2 * k]:
            self.real("answer time", v, 0, 1e9)
        for v in values[2 * k:]:
            self.whole("place number", v, 0, 999)

    def protocol_line(self, line):
        m = PROTOCOL.match(line)
        if not m:
            return self.fail("protocol line", f"{line!r} is not s, code, answer, value, date, time")
        value = int(m["value"].replace(" ", ""))
        if m["code"] == "5" and value != -1:
            self.fail("protocol line", f"offer answer with value {value}, not -1")
        if m["code"] == "2" and not 0 <= value <= self.tasks:
            self.fail("protocol line", f"repetition offer for {value} tasks")


def check(data, tasks, featuremask=None):
    c = Checker(tasks, featuremask)
    if not data:
        return ["the file is empty"]
    if not data.endswith(b"\r\n"):
        c.fail("file", "does not end with CR LF")
    lines = data.decode("cp1252", errors="replace").split("\r\n")[:-1]
    if any("\r" in line or "\n" in line for line in lines):
        c.fail("file", "holds a line end other than CR LF")
    i = 0
    while i < len(lines):
        line, where = lines[i], f"line {i + 1}"
        try:
            if line.startswith('"g",'):
                c.session_record(list_items(line))
                e = list_items(lines[i + 1]) if i + 1 < len(lines) else []
                if len(e) != 2 or e[0] != "e":
                    c.fail(where, "a session record without its \"e\" record")
                else:
                    c.whole("e task number", e[1], -1, tasks)
                c.answer_line(lines[i + 2] if i + 2 < len(lines) else "", True)
                i += 3
            elif line.startswith('"c",'):
                c.cancel_record(list_items(line))
                c.answer_line(lines[i + 1] if i + 1 < len(lines) else "", True)
                i += 2
                if i != len(lines):
                    c.fail(where, "lines after the cancel record's answer line")
            elif line.startswith("s"):
                c.protocol_line(line)
                i += 1
            elif line == "i":
                i += 1
                if i != len(lines):
                    c.fail(where, "lines after the demonstration record")
            else:
                c.fail(where, f"{line[:80]!r} is no record")
                i += 1
        except ValueError as err:
            c.fail(where, str(err))
            i += 1
    return c.problems


def ending(data):
    """How the file ends: "g" (a session record, then perhaps protocol lines), "c" (the cancel
    record), "i" (the demonstration only) or "-" (none of them)."""
    kind = "-"
    for line in data.decode("cp1252", errors="replace").split("\r\n"):
        if line[:4] in ('"g",', '"c",') or line == "i":
            kind = line[1] if line != "i" else "i"
    return kind


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--tasks", type=int, default=999)
    p.add_argument("--featuremask", type=int)
    p.add_argument("files", nargs="+")
    a = p.parse_args()
    bad = 0
    for name in a.files:
        with open(name, "rb") as f:
            problems = check(f.read(), a.tasks, a.featuremask)
        for text in problems:
            print(f"{name}: {text}")
        bad += bool(problems)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
