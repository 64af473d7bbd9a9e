#!/usr/bin/env python3
"""Fails when a C++ file of src/, tools/, tests/, fuzz/ or bench/ is not as clang-format (with
the tree's .clang-format) would write it; exits 77 (skipped) when no clang-format is installed.
Usage: clang_format.py SOURCE_DIR
"""
import pathlib
import shutil
import subprocess
import sys

FOLDERS = ("src", "tools", "tests", "fuzz", "bench")
SKIPPED = 77


def main():
    root = pathlib.Path(sys.argv[1])
    tool = next((t for t in ("clang-format", "clang-format-14") if shutil.which(t)), None)
    if tool is None:
        print("clang-format is not installed")
        return SKIPPED
    files = sorted(str(p.relative_to(root)) for d in FOLDERS for p in (root / d).rglob("*")
                   if p.suffix in (".cpp", ".hpp"))
    unformatted = []
    for start in range(0, len(files), 100):
        batch = files[start:start + 100]
        run = subprocess.run([tool, "--dry-run", "--Werror", *batch], cwd=root, capture_output=True, text=True)
        for line in run.stderr.splitlines():
            if ": error: " in line:
                unformatted.append(line.split(":", 1)[0])
        if run.returncode != 0 and not unformatted:
            print(run.stderr)
            return 1
    names = sorted(set(unformatted))
    for name in names:
        print(f"{name}: not formatted ({unformatted.count(name)} place(s))")
    print(f"{len(names)} of {len(files)} files not formatted" if names else f"all {len(files)} files formatted")
    return 1 if names else 0


if __name__ == "__main__":
    sys.exit(main())
