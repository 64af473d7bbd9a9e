#!/usr/bin/env python3
"""Soak: plays N seeded random sessions headless through the host player, over every sample.

Each session (session_gen.py) runs under a time limit. A session fails when the program crashes
(a signal, a sanitizer report, an exit code other than 0 or 1), hangs (the time limit passes),
reports a stalled script, or leaves an R.DAT that the independent reader (rdat.py) finds out of
range. Peak memory is the largest resident size of the host and the program, per session.
A failing session's folder is kept with its script and a line that plays it again.

    soak.py --host build/kartino-host --program build/kartino --examples examples --sessions 1000
"""

import argparse
import os
import shlex
import shutil
import signal
import statistics
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import rdat  # noqa: E402
from session_gen import SAMPLES, make_session  # noqa: E402

CRASH_MARKS = ("AddressSanitizer", "LeakSanitizer", "runtime error:", "terminate called", "Segmentation")
STALL_MARK = "DoEvents over and over"


def run_limited(argv, env, cwd, stdout, limit):
    """Runs argv in its own process group; returns (status or None on timeout, peak RSS in KiB)."""
    pid = os.fork()
    if pid == 0:
        try:
            os.setsid()
            os.chdir(cwd)
            fd = os.open(stdout, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
            os.dup2(fd, 1)
            os.dup2(fd, 2)
            os.execve(argv[0], argv, env)
        finally:
            os._exit(127)
    deadline = time.monotonic() + limit
    while True:
        done, status, usage = os.wait4(pid, os.WNOHANG)
        if done:
            return status, usage.ru_maxrss
        if time.monotonic() > deadline:
            os.killpg(pid, signal.SIGKILL)
            _, status, usage = os.wait4(pid, 0)
            return None, usage.ru_maxrss
        time.sleep(0.005)


def find_nocase(folder, name):
    for p in folder.glob("*"):
        if p.name.lower() == name.lower():
            return p
    return None


def play(args, seed, sample, work):
    """Plays one session in the folder `work`; returns (problems, peak RSS in KiB, exit code, how
    R.DAT ends: "g" after a session record, "c" cancelled, "i" demonstration only)."""
    s = make_session(seed, sample, shots=str(work / "shots"))
    (work / "shots").mkdir(parents=True)
    script = work / "script"
    script.write_text("\n".join(s.script) + "\n")
    env = {k: v for k, v in os.environ.items() if not k.startswith("KARTINO_") and k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(s.env, KARTINO_BACKEND="headless", KARTINO_SCRIPT=str(script))
    argv = [str(args.host), "--program", str(args.program), *s.options, "--out", str(work / "run"),
            str(args.examples / sample)]
    (work / "replay").write_text(" ".join(f"{k}={shlex.quote(v)}" for k, v in sorted(s.env.items())) +
                                 f" KARTINO_BACKEND=headless KARTINO_SCRIPT={script} " + shlex.join(argv) + "\n")
    status, rss = run_limited(argv, env, work, work / "output", args.timeout)
    output = (work / "output").read_text(errors="replace")
    problems = []
    code, ending = None, "-"
    if status is None:
        problems.append(f"hang: no end after {args.timeout} s")
    else:
        code = os.waitstatus_to_exitcode(status)
        if code not in (0, 1):
            problems.append(f"crash: exit code {code}")
    problems += [f"crash: {m}" for m in CRASH_MARKS if m in output]
    if STALL_MARK in output:
        problems.append("hang: the program spins on DoEvents")
    results = work / "run" / "ERGEBNIS"
    rfile = find_nocase(results, "R.DAT") if results.is_dir() else None
    if status is not None and rfile is None:
        problems.append("R.DAT missing")
    elif rfile is not None:
        data = rfile.read_bytes()
        problems += [f"R.DAT {p}" for p in rdat.check(data, s.tasks, s.featuremask)]
        ending = rdat.ending(data)
    return problems, rss, code, ending


def spread(values):
    if not values:
        return "-"
    return f"min {min(values) / 1024:.1f} MB, median {statistics.median(values) / 1024:.1f} MB, max {max(values) / 1024:.1f} MB"


def program_arguments(description):
    """A parser with the arguments every runner here takes: the host player, the program, the samples."""
    p = argparse.ArgumentParser(description=description)
    p.add_argument("--host", type=Path, required=True)
    p.add_argument("--program", type=Path, required=True)
    p.add_argument("--examples", type=Path, required=True)
    return p


def main():
    p = program_arguments(__doc__.splitlines()[0])
    p.add_argument("--sessions", type=int, default=20)
    p.add_argument("--seed", type=int, default=1, help="seed of the first session; session i has seed + i")
    p.add_argument("--timeout", type=float, default=60, help="seconds one session may take")
    p.add_argument("--keep", type=Path, help="folder for the failing sessions (default: a new temporary one)")
    args = p.parse_args()
    for name in ("host", "program", "examples"):
        setattr(args, name, getattr(args, name).resolve())
    keep = args.keep or Path(tempfile.mkdtemp(prefix="kartino-soak-"))
    keep.mkdir(parents=True, exist_ok=True)
    samples = sorted(SAMPLES)
    counts = {name: 0 for name in samples}
    codes, endings, rss_all, failures = {}, {}, [], 0
    started = time.monotonic()
    for i in range(args.sessions):
        seed = args.seed + i
        sample = samples[seed % len(samples)]
        work = Path(tempfile.mkdtemp(prefix=f"session-{seed}-", dir=keep))
        problems, rss, code, ending = play(args, seed, sample, work)
        endings[ending] = endings.get(ending, 0) + 1
        counts[sample] += 1
        codes[code] = codes.get(code, 0) + 1
        rss_all.append(rss)
        if problems:
            failures += 1
            print(f"FAILED seed {seed} ({sample}), kept in {work}:")
            for text in problems[:10]:
                print(f"  {text}")
        else:
            shutil.rmtree(work)
    took = time.monotonic() - started
    print(f"{args.sessions} sessions in {took:.0f} s ({', '.join(f'{n} {c}' for n, c in counts.items())})")
    print("exit codes: " + ", ".join(f"{'timeout' if c is None else c}: {n}" for c, n in sorted(codes.items(), key=str)))
    print("R.DAT ends with: " + ", ".join(f"{e}: {n}" for e, n in sorted(endings.items())))
    print(f"peak RSS, first {min(100, len(rss_all))}: {spread(rss_all[:100])}")
    print(f"peak RSS, last {min(100, len(rss_all))}: {spread(rss_all[-100:])}")
    print(f"failed sessions: {failures}")
    if not failures and not args.keep:
        shutil.rmtree(keep)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
