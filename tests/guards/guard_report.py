"""What the guards share: the sources of some folders and the report of what they found."""
import pathlib

SUFFIXES = (".cpp", ".hpp", ".h")


def sources(root, folders):
    """(path relative to root, text) of every C++ source below the folders, in order."""
    root = pathlib.Path(root)
    for file in sorted(p for d in folders for p in (root / d).rglob("*") if p.suffix in SUFFIXES):
        yield file.relative_to(root).as_posix(), file.read_text(encoding="utf-8", errors="replace")


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def report(bad, found, clean):
    """Prints each finding and the summary; the exit code of the guard."""
    for b in bad:
        print(b)
    print(f"{len(bad)} {found}" if bad else clean)
    return 1 if bad else 0
