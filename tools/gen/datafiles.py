"""Shared pieces of the data-set generators: text files in code page 850 with CR LF line ends,
the 64-colour palette file, list-input items and the synthesised sound files."""
import os
import shutil
import subprocess

SEPARATOR = "\u2550" * 80  # the double horizontal line, byte 205 in code page 850


def item(text):
    """One list-input item: quoted when a comma or a leading or trailing blank would be lost."""
    if "," in text or text != text.strip() or text == "":
        return '"' + text + '"'
    return text


def write(root, relative, lines):
    path = os.path.join(root, *relative.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp850"))


def palette():
    """64 colours: bits 0-2 the strong blue, green and red parts (170), bits 3-5 the weak ones (85)."""
    lines = []
    for i in range(64):
        r = 170 * ((i >> 2) & 1) + 85 * ((i >> 5) & 1)
        g = 170 * ((i >> 1) & 1) + 85 * ((i >> 4) & 1)
        b = 170 * (i & 1) + 85 * ((i >> 3) & 1)
        lines.append(f"{r},{g},{b}")
    return lines


# The three sounds of the suite folder, as sox synthesis arguments: a low double buzz for a
# wrong click, a rising three-note signal for a right answer, a short thump at the end of the
# demonstration. 22050 Hz, mono, 16 bit.
SOUNDS = {
    "warn.wav": ["synth", "0.12", "square", "220", "vol", "0.3", "pad", "0", "0.06", "repeat", "1"],
    "tusch.wav": ["synth", "0.14", "sine", "523.25", ":", "synth", "0.14", "sine", "659.25", ":",
                  "synth", "0.4", "sine", "783.99", "fade", "0", "0.4", "0.25", "vol", "0.6"],
    "bang1.wav": ["synth", "0.35", "brownnoise", "fade", "0", "0.35", "0.3", "vol", "0.9"],
}


def write_sounds(root):
    """Writes all/warn.wav, all/tusch.wav and all/bang1.wav with sox; without sox an existing
    file is kept."""
    folder = os.path.join(root, "all")
    os.makedirs(folder, exist_ok=True)
    sox = shutil.which("sox")
    for name, effects in SOUNDS.items():
        path = os.path.join(folder, name)
        if sox is None:
            if not os.path.exists(path):
                raise SystemExit("sox is needed to write " + path)
            continue
        args = [sox, "-R", "-D", "-n", "-r", "22050", "-c", "1", "-b", "16", path]
        # ":" separates effect chains, which sox plays one after the other.
        subprocess.run(args + effects, check=True)
