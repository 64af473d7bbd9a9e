#!/usr/bin/env python3
"""Fails when a symbol that belongs to one layer is used outside the files allowed for it.

The environment is read in a few named places; files are opened through the file layer (the
tools and the test support open their own); SDL stays inside the SDL backend, and only the
backend selection loads the module it is built into; only a main() or the fuzz and test support
end the process directly. Comments and string literals do not count. Usage: symbol_homes.py SOURCE_DIR
"""
import guard_report
import re
import sys

FOLDERS = ("src", "tools", "tests", "fuzz", "bench")

# name, pattern, allowed paths (a path ending in "/" allows the whole folder)
RULES = [
    ("environment", r"\b(secure_)?getenv\b|\benviron\b", [
        "src/platform/ui/trace.cpp",          # KARTINO_TRACE
        "src/platform/text/codepage.cpp",     # KARTINO_OEM_CODEPAGE
        "src/platform/basic/paths.cpp",       # KARTINO_DRIVE_<LETTER>
        "src/platform/backend/settings.cpp",  # the backend settings
        "src/platform/backend/settings.hpp",
        "tests/support/golden.cpp",           # KARTINO_UPDATE_GOLDEN
        "bench/vecdraw_bench.cpp",
    ]),
    ("file stream", r"\bfopen\b|(?<![<\w:])(std::)?[io]?fstream\b", [
        "src/platform/basic/",                # the file layer
        "src/platform/gfx/bmp.cpp",           # pictures by path, for the tools and tests
        "src/platform/gfx/png.cpp",
        "src/platform/ui/trace.cpp",          # the trace file
        "src/platform/backend/sdl/child_processes.cpp",  # /proc
        "tools/",
        "tests/support/temp_dir.cpp",
        "tests/e2e/golden_sessions_test.cpp",
        "bench/vector_reader_bench.cpp",
    ]),
    ("SDL", r"\bSDL_\w+|#\s*include\s*<SDL", [
        "src/platform/backend/sdl/",
    ]),
    ("module loading", r"\bdl(open|sym|close|error)\b|#\s*include\s*<dlfcn", [
        "src/platform/backend/window_module.cpp",
    ]),
    ("process end", r"(?<![\w.])(std::|::)?(exit|_exit|_Exit|quick_exit|abort)\s*\(", [
        "src/app/main.cpp",
        "tools/host/main.cpp",                # the child after fork
        "tools/render/main.cpp",
        "fuzz/fuzz_support.hpp",
        "tests/support/",
        "tests/e2e/early_signal_test.cpp",    # the child after fork
    ]),
]

LEXEME = re.compile(
    r'//[^\n]*'                                # line comment
    r'|/\*.*?\*/'                              # block comment
    r'|R"(?P<d>[^(\s]*)\(.*?\)(?P=d)"'         # raw string
    r'|"(?:\\.|[^"\\\n])*"'                    # string
    r"|'(?:\\[^'\n]{1,8}|[^'\\\n])'",          # character
    re.S)


def code_only(text):
    """The text with comments and literals blanked; line breaks are kept for line numbers."""
    return LEXEME.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), text)


def allowed(path, homes):
    return any(path.startswith(h) if h.endswith("/") else path == h for h in homes)


def main():
    bad = []
    for rel, text in guard_report.sources(sys.argv[1], FOLDERS):
        code = code_only(text)
        for name, pattern, homes in RULES:
            if allowed(rel, homes):
                continue
            for m in re.finditer(pattern, code):
                line = guard_report.line_of(code, m.start())
                bad.append(f"{rel}:{line}: {name} symbol '{m.group(0).strip()}' outside its allowed files")
    return guard_report.report(bad, "use(s) outside the allowed files", "every guarded symbol is in an allowed file")


if __name__ == "__main__":
    sys.exit(main())
