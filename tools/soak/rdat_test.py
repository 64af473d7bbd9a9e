#!/usr/bin/env python3
"""The R.DAT reader of the soak: the golden sessions' files pass, and each kind of damage to
one of them is found.

    rdat_test.py SESSIONS-FOLDER
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import rdat  # noqa: E402

TASKS, FEATUREMASK = 6, 543  # the golden sessions' host options


def field(data, record, number, value):
    """data with field `number` (1-based) of the first `record` line set to `value`."""
    lines = data.split(b"\r\n")
    i = next(k for k, line in enumerate(lines) if line.startswith(b'"%s",' % record))
    items = lines[i].split(b",")
    items[number - 1] = value
    lines[i] = b",".join(items)
    return b"\r\n".join(lines)


# (what is done to the europe session's R.DAT, a text the reader must report)
DAMAGE = [
    (lambda d: field(d, b"g", 5, b"-28788.18"), "g5 mean answer time"),
    (lambda d: field(d, b"g", 7, b"7"), "g7 right answers"),
    (lambda d: field(d, b"g", 18, b"14"), "g18 result mask"),
    (lambda d: field(d, b"g", 22, b"2"), "g22 status flags"),
    (lambda d: field(d, b"g", 24, b"543"), "g24 feature mask"),
    (lambda d: field(d, b"g", 19, b"A"), "not a number"),
    (lambda d: field(d, b"g", 29, b"120,7"), "30 fields"),
    (lambda d: field(d, b"e", 2, b"9"), "e task number"),
    (lambda d: d.replace(b"------", b"-----"), "answer line"),
    (lambda d: d.replace(b" 1, 1, 0,", b" 1,-86365.77, 0,", 1), "answer value"),
    (lambda d: d.replace(b"s5J    -1", b"s5J     3"), "offer answer"),
    (lambda d: d.replace(b"\r\n", b"\n"), "CR LF"),
    (lambda d: d + b"x\r\n", "is no record"),
    (lambda d: b"", "empty"),
]


def main():
    sessions = Path(sys.argv[1])
    failures = []
    for golden in sorted(sessions.glob("*/expected/R.DAT")):
        failures += [f"{golden}: {p}" for p in rdat.check(golden.read_bytes(), TASKS, FEATUREMASK)]
    europe = (sessions / "europe/expected/R.DAT").read_bytes()
    for damage, report in DAMAGE:
        problems = rdat.check(damage(europe), TASKS, FEATUREMASK)
        if not any(report in p for p in problems):
            failures.append(f"damage not found (expected '{report}'): {problems}")
    for text in failures:
        print(text)
    print("FAILED" if failures else f"PASSED ({len(DAMAGE)} kinds of damage found)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
