#!/usr/bin/env python3
"""Hostile sizes: whole sessions over the small sample with one input far too large.

Each case lays out a copy of the sample, makes one file hostile (a map of 1 GiB, a map whose
second line is 100 MB long, a map of a million records, a list file of a million places, a script
of a million lines, a script beyond the 16 MiB a script may have), plays a session through the
host player and checks how it ends (exit code, the cancel record, the error log line), its wall
time and its peak memory. Large files are sparse where their content does not matter, so the
cases write some tens of megabytes in all.

    hostile_sizes.py --host build/kartino-host --program build/kartino --examples examples
"""

import os
import shutil
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from soak import find_nocase, program_arguments, run_limited  # noqa: E402

MILLION = 1_000_000
MAP = "KARTEN/EUROPA.VEC"
LIST = "UEB/DEUTSCH/EUROPA.LST"
PLAY = "key 13\nwait 500\nclick 500 400\nkey 13\n" * 8  # the start screen, then answers


def sparse(path, size, head=b""):
    with open(path, "wb") as f:
        f.write(head)
    os.truncate(path, size)


def map_of_a_gigabyte(ds, script):
    sparse(ds / MAP, 1 << 30)


def map_line_of_100_mb(ds, script):
    header = (ds / MAP).read_bytes().split(b"\r\n")[0] + b"\r\n"
    sparse(ds / MAP, 100 << 20, header)  # the zeros after the header are one line


def map_of_a_million_records(ds, script):
    lines = (ds / MAP).read_bytes().split(b"\r\n")
    (ds / MAP).write_bytes(b"1000000" + lines[0][1:] + b"\r\n" + b"*x\r\n" * MILLION)


def list_of_a_million_places(ds, script):
    place = b"*0,Ort,Land,,0,0,10,45,0\r\n"
    (ds / LIST).write_bytes((ds / LIST).read_bytes().split(b"\r\n")[0] + b"\r\n" + place * MILLION)


def script_of_a_million_lines(ds, script):
    # Mostly a millisecond at a time, with a mouse move among every hundred lines.
    script.write_text("key 13\n" + ("wait 1\n" * 99 + "move 300 200\n") * (MILLION // 100))


def script_beyond_its_bound(ds, script):
    sparse(script, (16 << 20) + 1, b"key 13\n")


# name, preparation, expected exit code, text expected in errwin.dat or the output
CASES = [
    ("a map of 1 GiB", map_of_a_gigabyte, 1, "vec:fngrafin,7,Out of memory"),
    ("a map line of 100 MB", map_line_of_100_mb, 1, "vec:fngrafin,7,Out of memory"),
    ("a map of a million records", map_of_a_million_records, 1, "vec:fngrafin,6,Overflow"),
    ("a list of a million places", list_of_a_million_places, 1, "7,Out of memory"),
    ("a script of a million lines", script_of_a_million_lines, 1, ""),
    ("a script beyond 16 MiB", script_beyond_its_bound, 1, "is larger than 16 MiB"),
]


def main():
    p = program_arguments(__doc__.splitlines()[0])
    p.add_argument("--timeout", type=float, default=120)
    args = p.parse_args()
    failed = 0
    for name, prepare, code, expected in CASES:
        work = Path(tempfile.mkdtemp(prefix="kartino-hostile-"))
        ds, script = work / "ds", work / "script"
        shutil.copytree(args.examples.resolve() / "sample", ds)
        script.write_text(PLAY)
        prepare(ds, script)
        env = {k: v for k, v in os.environ.items() if not k.startswith("KARTINO_") and k != "DISPLAY"}
        env.update(KARTINO_BACKEND="headless", KARTINO_SCRIPT=str(script), KARTINO_CLOCK="10:00:00")
        argv = [str(args.host.resolve()), "--program", str(args.program.resolve()), "--in-place", str(ds)]
        started = time.monotonic()
        status, rss = run_limited(argv, env, work, work / "output", args.timeout)
        took = time.monotonic() - started
        output = (work / "output").read_text(errors="replace")
        results = ds / "ERGEBNIS"
        log = find_nocase(results, "errwin.dat")
        record = find_nocase(results, "R.DAT")
        problems = []
        if status is None:
            problems.append(f"no end after {args.timeout} s")
        elif os.waitstatus_to_exitcode(status) != code:
            problems.append(f"exit code {os.waitstatus_to_exitcode(status)}, not {code}")
        if expected and expected not in output and not (log and expected in log.read_text(errors="replace")):
            problems.append(f"no '{expected}' in the output or errwin.dat")
        if record is None or b'"c",' not in record.read_bytes():
            problems.append("no cancel record in R.DAT")
        print(f"{'FAILED' if problems else 'ok'}: {name}: {took:.1f} s, peak RSS {rss / 1024:.1f} MB"
              + "".join(f"\n  {t}" for t in problems))
        failed += bool(problems)
        if problems:
            print(f"  kept in {work}")
        else:
            shutil.rmtree(work)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
