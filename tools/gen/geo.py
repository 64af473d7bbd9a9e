"""Coastlines and country borders for the data-set generators, taken from GMT at authoring time:
the GSHHG shorelines (low resolution, level 1 only) and the DCW country polygons. The
generated data sets do not need GMT."""
import subprocess
import tempfile


def _segments(text):
    segments, current = [], None
    for line in text.splitlines():
        if line.startswith(">"):
            current = []
            segments.append(current)
        elif line.strip() and current is not None:
            a = line.split()
            current.append((float(a[0]), float(a[1])))
    return [s for s in segments if len(s) > 1]


def _gmt(args):
    # GMT leaves its history file in the working folder; give it a throw-away one.
    with tempfile.TemporaryDirectory() as scratch:
        return subprocess.run(["gmt"] + args, check=True, capture_output=True, text=True,
                              cwd=scratch).stdout


def _key(p):
    return (round(p[0], 5), round(p[1], 5))


def _stitch(segments):
    """Joins the shoreline pieces of the binned data base (cut at bin edges) into closed rings;
    pieces that do not close (cut at the region's edge) are returned as open chains."""
    starts = {}
    for i, s in enumerate(segments):
        starts.setdefault(_key(s[0]), []).append(i)
    used = [False] * len(segments)
    rings, chains = [], []
    for i in range(len(segments)):
        if used[i]:
            continue
        used[i] = True
        chain = list(segments[i])
        while True:
            k = _key(chain[-1])
            if k == _key(chain[0]) and len(chain) > 3:
                rings.append(chain)
                break
            following = [j for j in starts.get(k, []) if not used[j]]
            if not following:
                chains.append(chain)
                break
            used[following[0]] = True
            chain.extend(segments[following[0]][1:])
    return rings, chains


def shorelines(region, min_area_km2):
    """Closed land rings (lon, lat) of the GSHHG low-resolution shoreline inside region
    (west, east, south, north), islands of at least min_area_km2."""
    west, east, south, north = region
    text = _gmt(["coast", f"-R{west}/{east}/{south}/{north}", "-Dl", "-W1", "-M",
                 f"-A{min_area_km2}/1/1"])
    rings, chains = _stitch(_segments(text))
    if chains:
        raise SystemExit(f"{len(chains)} shoreline pieces cross the region's edge; widen it")
    return rings


def country(code):
    """The DCW polygons of one country (ISO 3166 two-letter code) as rings of (lon, lat)."""
    rings = []
    for s in _segments(_gmt(["coast", "-E" + code, "-M"])):
        # Some rings come with longitudes of 180..360; west of Greenwich is negative here.
        # A ring that crosses 180 degrees (the far east of Russia) keeps its longitudes.
        if min(lon for lon, _ in s) > 180:
            s = [(lon - 360, lat) for lon, lat in s]
        if _key(s[0]) != _key(s[-1]):
            s = s + [s[0]]
        rings.append(s)
    return rings
