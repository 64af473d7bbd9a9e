#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a folder its own folder may not use.

Each subsystem folder of src/ may include the folders listed for it below and its own; the
table keeps dependencies pointing downwards (nothing in platform/ knows the exercise, nothing
above platform/ui knows which backend runs). Usage: include_edges.py SOURCE_DIR
"""
import guard_report
import re
import sys

PLATFORM = {"platform/basic", "platform/text", "platform/gfx", "platform/ui"}
ALLOWED = {
    "platform/gfx": set(),
    "platform/text": {"platform/gfx"},
    "platform/basic": {"platform/text"},  # data file names, in code page 1252, become UTF-8 on disk
    "platform/ui": {"platform/basic", "platform/text", "platform/gfx"},
    "platform/backend/headless": PLATFORM,
    "platform/backend/sdl": PLATFORM,
    "platform/backend": PLATFORM | {"platform/backend/headless", "platform/backend/sdl"},
    "common": PLATFORM,
    "vecgraphics": PLATFORM | {"common"},
    "session": PLATFORM | {"common", "vecgraphics"},
    "content": PLATFORM | {"common", "vecgraphics", "session"},
    "exercise": PLATFORM | {"common", "vecgraphics", "session", "content"},
    "demo": PLATFORM | {"common", "vecgraphics", "session", "content"},
    "app": PLATFORM | {"platform/backend", "common", "vecgraphics", "session", "content", "exercise", "demo"},
}
# Headers that may be included across the table: the state structs the session aggregate holds,
# which live with the subsystem that owns them (they include nothing of it).
STATE_HEADERS = {
    "content/map_geometry.hpp", "content/place_tables.hpp", "content/presentation.hpp",
    "exercise/exercise_state.hpp",
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def folder(path):
    """The subsystem folder of a path relative to src/: the longest table key it lies in."""
    parts = path.split("/")
    for n in range(len(parts) - 1, 0, -1):
        if "/".join(parts[:n]) in ALLOWED:
            return "/".join(parts[:n])
    return None


def main():
    bad = []
    for path, text in guard_report.sources(sys.argv[1], ["src"]):
        rel = path[len("src/"):]
        own = folder(rel)
        for match in INCLUDE.finditer(text):
            line = guard_report.line_of(text, match.start())
            target = folder(match.group(1))
            if own is None:
                bad.append(f"src/{rel}:{line}: the file lies in no folder of the table")
            elif target is None:
                bad.append(f'src/{rel}:{line}: "{match.group(1)}" lies in no folder of the table')
            elif target != own and target not in ALLOWED[own] and match.group(1) not in STATE_HEADERS:
                bad.append(f'src/{rel}:{line}: {own} -> {target} ("{match.group(1)}") is not an allowed edge')
    return guard_report.report(bad, "include edge(s) outside the table", "every include edge is in the table")


if __name__ == "__main__":
    sys.exit(main())
