"""Seeded random sessions: the host's choices, the screen and a trainee script of random input.

One `random.Random` decides everything, so a session is given by its seed alone. The trainee
presses random keys (the go-on keys, Esc, the abort keys, F1, the yes/no letters, arrows and any
code with any shift bits), clicks, moves and drags anywhere on the screen and on the places where
the forms keep their controls, waits short and long, now and then closes the window, and takes a
screenshot once in a while.
"""

import random
from dataclasses import dataclass, field

# Per sample: its exercise, how many places its blocks draw from, and its block count.
SAMPLES = {
    "sample": ("EUROP", 5, 2),
    "europe": ("EUROP", 22, 2),
    "iceland": ("ISLAN", 21, 2),
    "world": ("WELTK", 78, 2),
}

# Design points (640 x 480) of the controls: go on, yes, no, the close box, the variant row,
# the demonstration's buttons, the middle of the map.
CONTROL_POINTS = [(320, 445), (470, 445), (550, 445), (627, 11), (40, 386), (200, 386),
                  (560, 20), (600, 20), (600, 60), (320, 240)]
SCREENS = [(640, 480), (800, 600), (1024, 768), (1280, 1024), (1366, 768), (1920, 1080), (320, 240)]

KEYS = [(13, 0)] * 12 + [(32, 0)] * 3 + [
    (112, 0),            # F1
    (74, 0), (78, 0), (74, 1), (78, 1),  # the yes and no letters
    (65, 0), (66, 0), (67, 0),           # variant initials
    (37, 0), (38, 0), (39, 0), (40, 0),  # arrows
]
ENDING_KEYS = [(27, 0), (27, 4), (81, 2), (115, 4)]  # Esc, the host's abort key Alt+Esc, Ctrl+Q, Alt+F4


@dataclass
class Session:
    sample: str
    options: list
    env: dict
    script: list = field(default_factory=list)
    tasks: int = 0
    featuremask: int = 0


def _clock(r):
    if r.random() < 0.1:  # just before midnight, so that a session may run into the next day
        return f"23:59:{r.randrange(30, 60):02d}"
    return f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"


def _screen(r):
    if r.random() < 0.7:
        return r.choice(SCREENS)
    return r.randrange(200, 2600), r.randrange(150, 1700)


def _area(r, w, h):
    roll = r.random()
    if roll < 0.5:
        return "-1x-1"  # the whole screen
    if roll < 0.8:
        return f"{r.randrange(100, w + 1)}x{r.randrange(80, h + 1)}"
    return f"{r.randrange(1, 4000)}x{r.randrange(1, 3000)}"


def _point(r, w, h, area):
    if r.random() < 0.4:
        x, y = r.choice(CONTROL_POINTS)
        aw, ah = (w, h) if area == "-1x-1" else map(int, area.split("x"))
        return (w - aw) // 2 + x * aw // 640 + r.randrange(-3, 4), (h - ah) // 2 + y * ah // 480 + r.randrange(-3, 4)
    if r.random() < 0.05:
        return r.randrange(-50, w + 50), r.randrange(-50, h + 50)
    return r.randrange(w), r.randrange(h)


def _key(r):
    roll = r.random()
    if roll < 0.01:
        return r.choice(ENDING_KEYS)
    if roll < 0.08:
        return r.randrange(256), r.randrange(8)
    return r.choice(KEYS)


def _wait(r):
    roll = r.random()
    if roll < 0.7:
        return r.randrange(0, 2500)
    if roll < 0.95:
        return r.randrange(2500, 20000)
    return r.randrange(20000, 400000)  # beyond the time limits and the demonstration's pauses


def _line(r, w, h, area, shots):
    roll = r.random()
    if roll < 0.30:
        code, shift = _key(r)
        kind = r.choices(["key", "keydown", "keyup"], [8, 1, 1])[0]
        return f"{kind} {code}" + (f" {shift}" if shift else "")
    if roll < 0.55:
        x, y = _point(r, w, h, area)
        return f"click {x} {y}"
    if roll < 0.68:
        x, y = _point(r, w, h, area)
        return f"move {x} {y}"
    if roll < 0.72:
        x, y = _point(r, w, h, area)
        return f"{r.choice(['down', 'up'])} {x} {y}"
    if roll < 0.998:
        return f"wait {_wait(r)}"
    if roll < 0.999 or not shots:
        return "close"
    return f"screenshot {shots}/shot{r.randrange(1000)}.png"


def make_session(seed, sample, shots=""):
    """The session of `seed` on `sample`; screenshots go into the folder `shots` ("" for none)."""
    r = random.Random(seed)
    exercise, places, blocks = SAMPLES[sample]
    tasks = r.randrange(2, min(places, 12) + 1)
    featuremask = r.randrange(1024) if r.random() < 0.8 else r.randrange(-32768, 32768)
    hostoptions = sum(bit for bit in (1, 4, 32, 128) if r.random() < 0.5)
    w, h = _screen(r)
    area = _area(r, w, h)
    options = ["--exercise", exercise, "--block", str(r.randrange(1, blocks + 1)), "--tasks", str(tasks),
               "--hostflags", str(r.choice([0, 2048, 2048])), "--hostoptions", str(hostoptions),
               "--featuremask", str(featuremask), "--protocolflags", str(r.choice([0, 8, 8])),
               "--seed", str(r.randrange(-2**31 + 1, 2**31)), "--area", area]
    env = {"KARTINO_SCREEN": f"{w}x{h}", "KARTINO_CLOCK": _clock(r),
           "KARTINO_DPI": str(r.choice([72, 96, 96, 120, 144]))}
    if r.random() < 0.2:
        env["KARTINO_KEYBOARD_POINTER"] = "1"
    s = Session(sample, options, env, tasks=tasks, featuremask=featuremask)
    s.script = [_line(r, w, h, area, shots) for _ in range(r.randrange(5, 400))]
    return s
