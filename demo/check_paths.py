#!/usr/bin/env python3
"""Checks the demo data set under demo/Data (or the folder given).

- every text data file is Windows-1251 with CR LF line ends and no blank
  line at its end;
- every path named in a data file, and every fixed path the engine reads,
  exists under the data folder when letter case is ignored (music files
  that are still missing are only reported, unless --strict);
- the six catalogue files parse by their line layouts, every `ref` finds
  its record, the default weapon and armour exist, and every item named in
  the start inventory, the pickup files and the weapons' ammunition exists;
- the location files parse, their exits lead to existing locations and come
  back the opposite way, their partner lists and pickup files exist;
- fight files name enemies of the enemy catalogue, enemy files have their
  numbers, pictures and at most ten loot pairs of catalogue items;
- picture sizes and formats are the ones the screens expect.

Exit status 0 when nothing is wrong.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

errors = []
warnings = []


TOP = [HERE]


def error(msg):
    if msg not in errors:
        errors.append(msg)


def warn(msg):
    if msg not in warnings:
        warnings.append(msg)


class Root:
    """Resolves game paths ("Data\\Levels\\x.loc") ignoring letter case."""

    def __init__(self, top):
        self.top = top  # the folder that holds "Data"

    def find(self, game_path):
        cur = self.top
        for part in game_path.replace("\\", "/").split("/"):
            if part in ("", "."):
                return None
            try:
                names = os.listdir(cur)
            except (NotADirectoryError, FileNotFoundError):
                return None
            match = [n for n in sorted(names) if n.lower() == part.lower()]
            if not match:
                return None
            cur = os.path.join(cur, match[0])
        return cur


def read_lines(path):
    """Lines of a cp1251 CR LF file; reports format faults."""
    rel = os.path.relpath(path, TOP[0])
    data = open(path, "rb").read()
    try:
        text = data.decode("cp1251")
    except UnicodeDecodeError as e:
        error("%s: not Windows-1251: %s" % (rel, e))
        return []
    if data and not data.endswith(b"\r\n"):
        warn("%s: no line break after the last line" % rel)
    body = text[:-2] if text.endswith("\r\n") else text
    if "\n" in body.replace("\r\n", "") or "\r" in body.replace("\r\n", ""):
        error("%s: line ends other than CR LF" % rel)
    lines = body.split("\r\n") if body else []
    if lines and lines[-1] == "":
        error("%s: blank line at the end" % rel)
    return lines


def is_int(s):
    t = s[1:] if s[:1] in "+-" else s
    return t.isdigit() and t.isascii()


def is_decimal(s):
    t = s[1:] if s[:1] in "+-" else s
    t = t.replace(",", ".", 1)
    if t.count(".") > 1 or not t.replace(".", "").isdigit():
        return False
    return any(ch.isdigit() for ch in t)


def need_path(root, where, game_path, strict_music):
    if root.find(game_path) is None:
        if game_path.lower().endswith(".mp3") and not strict_music:
            warn("%s: music %s not there yet" % (where, game_path))
        else:
            error("%s: %s not found" % (where, game_path))


def image_size(path):
    data = open(path, "rb").read()
    if data[:2] == b"BM":
        w, h, planes, bits = struct.unpack("<iiHH", data[18:30])
        comp = struct.unpack("<I", data[30:34])[0]
        return ("bmp", w, abs(h), bits, comp)
    if data[:2] == b"\xff\xd8":
        i = 2
        while i < len(data):
            if data[i] != 0xFF:
                return None
            marker = data[i + 1]
            length = struct.unpack(">H", data[i + 2:i + 4])[0]
            if marker in (0xC0, 0xC1, 0xC2):
                h, w = struct.unpack(">HH", data[i + 5:i + 9])
                return ("jpg", w, h, 24, marker)
            i += 2 + length
    return None


def check_picture(root, where, game_path, size):
    p = root.find(game_path)
    if p is None:
        error("%s: %s not found" % (where, game_path))
        return
    info = image_size(p)
    if info is None:
        error("%s: %s is not a BMP or JPEG" % (where, game_path))
        return
    kind, w, h, bits, comp = info
    if size and (w, h) != size:
        error("%s: %s is %dx%d, want %dx%d" % (where, game_path, w, h, *size))
    if kind == "bmp" and (bits != 24 or comp != 0):
        error("%s: %s is not a plain 24-bit BMP" % (where, game_path))
    if kind == "jpg" and comp != 0xC0:
        error("%s: %s is not a baseline JPEG" % (where, game_path))


def check_conversation(root, game_path):
    """N at least 1, N blocks each with a digit header, a level and a ';' line."""
    p = root.find(game_path)
    if p is None:
        error("%s not found" % game_path)
        return
    lines = read_lines(p)
    check_picture(root, game_path, lines[1] if len(lines) > 1 else "", None)
    if len(lines) < 5 or not is_int(lines[3]) or int(lines[3]) < 1:
        error("%s: line 4 must be a number of blocks of at least 1" % game_path)
        return
    i = 4
    for k in range(int(lines[3])):
        if i + 1 >= len(lines) or len(lines[i]) < 2 or not lines[i][1].isdigit() \
                or not is_int(lines[i + 1]):
            error("%s line %d: block %d needs a numbered header and a level"
                  % (game_path, i + 1, k + 1))
            return
        i += 2
        while i < len(lines) and not lines[i].startswith(";"):
            i += 1
        if i >= len(lines):
            error("%s: block %d has no closing ';' line" % (game_path, k + 1))
            return


def check_trader(root, name, items):
    """41 lines of captions and values, seven factors, stock pairs, portrait."""
    game_path = "data\\levels\\Trade\\%s.trd" % name
    p = root.find(game_path)
    if p is None:
        error("%s not found" % game_path)
        return
    lines = read_lines(p)
    if len(lines) < 41 or (len(lines) - 41) % 2:
        error("%s: 41 lines and then pairs of item and level" % game_path)
        return
    for n in range(16, 41, 4):
        if not is_decimal(lines[n - 1]):
            error("%s line %d: factor %r" % (game_path, n, lines[n - 1]))
    for i in range(41, len(lines), 2):
        if lines[i] not in items:
            error("%s line %d: %r is no catalogue item" % (game_path, i + 1, lines[i]))
        if not is_int(lines[i + 1]):
            error("%s line %d: level %r" % (game_path, i + 2, lines[i + 1]))
    check_picture(root, game_path, "Data\\Sprites\\Traders\\%s.jpg" % name, (100, 120))


# Catalogue layouts: field names; the ones parsed as integers.
LAYOUTS = {
    "items.dat": (["name", "picture", "quantity", "weight", "kind", "ref",
                   "price", "description"],
                  {"quantity", "weight", "ref", "price"}),
    "guns.dat": (["id", "ammo", "single", "burst", "mindmg", "maxdmg", "state",
                  "wearmin", "wearmax", "text1", "text2", "text3", "text4"],
                 {"id", "single", "burst", "mindmg", "maxdmg", "state",
                  "wearmin", "wearmax"}),
    "armor.dat": (["id", "protect", "radres", "state", "wearmin", "wearmax",
                   "text"],
                  {"id", "protect", "radres", "state", "wearmin", "wearmax"}),
    "medik.dat": (["id", "life", "fatiguecut", "needcut"],
                  {"id", "life", "fatiguecut", "needcut"}),
    "drink.dat": (["id", "life", "fatiguecut", "needcut"],
                  {"id", "life", "fatiguecut", "needcut"}),
    "food.dat": (["id", "life", "fatiguecut", "needcut"],
                 {"id", "life", "fatiguecut", "needcut"}),
}
KIND_FILE = {"gun": "guns.dat", "armor": "armor.dat", "medik": "medik.dat",
             "drink": "drink.dat", "food": "food.dat"}
KINDS = set(KIND_FILE) | {"ammo", "toolkit_w", "toolkit_a", "artefact"}


def parse_catalogue(root, name):
    game = "Data\\Objects\\" + name
    p = root.find(game)
    if p is None:
        error("%s not found" % game)
        return []
    fields, ints = LAYOUTS[name]
    lines = read_lines(p)
    per = 2 * len(fields)
    if len(lines) % per:
        error("%s: %d lines, not a multiple of %d" % (game, len(lines), per))
    recs = []
    for start in range(0, len(lines) - len(lines) % per, per):
        rec = {}
        for k, f in enumerate(fields):
            value = lines[start + 2 * k + 1]
            if f in ints:
                if not is_int(value):
                    error("%s line %d: %s %r is not an integer"
                          % (game, start + 2 * k + 2, f, value))
                    value = "0"
                value = int(value)
            rec[f] = value
        recs.append(rec)
    return recs


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    strict = "--strict" in sys.argv
    top = os.path.abspath(args[0]) if args else HERE
    TOP[0] = top
    root = Root(top)
    if root.find("Data") is None:
        sys.exit("no Data folder in %s" % top)

    # Every text data file: encoding and line ends.
    text_ext = (".cfg", ".loc", ".pkp", ".tlk", ".dat", ".txt", ".trd",
                ".fgt", ".map")
    for dirpath, _, files in os.walk(root.find("Data")):
        for f in sorted(files):
            if f.lower().endswith(text_ext):
                read_lines(os.path.join(dirpath, f))

    # Fixed paths of the engine.
    for f in ["Data\\Config\\roamkin.cfg", "Data\\Config\\inventory.cfg"]:
        need_path(root, "engine", f, strict)
    for i in range(1, 6):
        need_path(root, "engine", "Data\\Intro\\%d.txt" % i, strict)
    for i in range(1, 5):
        check_picture(root, "engine", "Data\\Sprites\\Intro\\%d.jpg" % i,
                      (486, 345))
    for d in ("up", "down"):
        for s in "pn":
            check_picture(root, "engine",
                          "Data\\Sprites\\Arrows\\%s_%s.bmp" % (d, s), (40, 35))
    for d in ("left", "right"):
        for s in "pn":
            check_picture(root, "engine",
                          "Data\\Sprites\\Arrows\\%s_%s.bmp" % (d, s), (35, 40))
    for b in ("view", "use", "throw", "close", "trade", "give", "fight", "pay",
              "ok", "take", "runaway", "buy", "sell", "cancel", "leave"):
        for s in "pn":
            check_picture(root, "engine",
                          "Data\\Sprites\\Buttons\\%s_%s.bmp" % (b, s), (81, 26))
    for f in ("death1.bmp", "death2.bmp"):
        check_picture(root, "engine", "Data\\Death\\" + f, (350, 217))
    for m in ("menu", "intro", "outro", "fight"):
        need_path(root, "engine", "Data\\Music\\%s.mp3" % m, strict)

    # Character start file.
    p = root.find("Data\\Config\\roamkin.cfg")
    capacity = 0
    if p:
        lines = read_lines(p)
        if len(lines) < 26:
            error("roamkin.cfg: %d lines, 26 needed" % len(lines))
        else:
            for n in (4, 6, 8, 10, 12, 14, 16, 18):
                if not is_int(lines[n - 1]):
                    error("roamkin.cfg line %d: %r is not an integer"
                          % (n, lines[n - 1]))
            for n in (20, 22, 24, 26):
                if not is_decimal(lines[n - 1]):
                    error("roamkin.cfg line %d: %r is not a number"
                          % (n, lines[n - 1]))
            if is_int(lines[5]):
                capacity = int(lines[5]) * 800

    # Catalogue.
    cat = {name: parse_catalogue(root, name) for name in LAYOUTS}
    items = {}
    for rec in cat["items.dat"]:
        if rec["name"] in items:
            error("items.dat: %s listed twice" % rec["name"])
        items.setdefault(rec["name"], rec)
        where = "items.dat %s" % rec["name"]
        check_picture(root, where, rec["picture"], (180, 120))
        if rec["kind"] not in KINDS:
            error("%s: unknown kind %r" % (where, rec["kind"]))
        if rec["quantity"] < 1:
            error("%s: quantity below 1" % where)
        if rec["kind"] in KIND_FILE:
            ids = [r["id"] for r in cat[KIND_FILE[rec["kind"]]]]
            if rec["ref"] not in ids:
                error("%s: ref %d not in %s" % (where, rec["ref"],
                                                KIND_FILE[rec["kind"]]))
    for kind_file in KIND_FILE.values():
        ids = [r["id"] for r in cat[kind_file]]
        if len(set(ids)) != len(ids):
            error("%s: an id is used twice" % kind_file)
    for name, kind in (("Руки", "gun"), ("Рубашка и джинсы", "armor")):
        if items.get(name, {}).get("kind") != kind:
            error("items.dat: default %s %s missing" % (kind, name))
    for name in ("Охотничий нож", "Стеклышко света", "Бинокль всезнания"):
        if name not in items:
            error("items.dat: %s missing" % name)
    gun_by_id = {r["id"]: r for r in cat["guns.dat"]}
    for rec in cat["items.dat"]:
        if rec["kind"] == "gun" and rec["name"] not in ("Руки", "Охотничий нож"):
            gun = gun_by_id.get(rec["ref"])
            if gun and items.get(gun["ammo"], {}).get("kind") != "ammo":
                error("guns.dat %d: ammunition %r is no ammo item"
                      % (gun["id"], gun["ammo"]))

    # Start inventory.
    p = root.find("Data\\Config\\inventory.cfg")
    if p:
        load = 0
        for n, line in enumerate(read_lines(p), 1):
            if line not in items:
                error("inventory.cfg line %d: %r is no catalogue item"
                      % (n, line))
            else:
                load += items[line]["weight"]
        if capacity and load > capacity:
            error("inventory.cfg: load %d over capacity %d" % (load, capacity))

    # Locations.
    locdir = root.find("Data\\Levels\\Locations")
    locs = {}
    if locdir is None:
        error("location folder missing")
    else:
        for f in sorted(os.listdir(locdir)):
            if not f.lower().endswith(".loc"):
                continue
            name = f[:-4]
            lines = read_lines(os.path.join(locdir, f))
            if name.lower() in ("dead", "done"):
                continue
            if len(lines) < 43:
                error("%s: only %d lines" % (f, len(lines)))
                continue
            v = {k: lines[i - 1] for k, i in (
                ("locname", 2), ("locpic", 4), ("place", 6), ("placepic", 8),
                ("music", 10), ("up", 12), ("down", 14), ("left", 16),
                ("right", 18), ("talks", 20), ("trd", 22), ("pkp", 24),
                ("fgt", 26), ("deadly", 32), ("deadtime", 34))}
            if not is_int(v["deadtime"]):
                error("%s: deadtime %r" % (f, v["deadtime"]))
            for n in (36, 38, 40, 42):
                if not is_decimal(lines[n - 1]):
                    error("%s line %d: %r is not a number"
                          % (f, n, lines[n - 1]))
            if len(lines) - 43 > 50:
                error("%s: more than 50 description lines" % f)
            check_picture(root, f, v["locpic"], (100, 100))
            check_picture(root, f, v["placepic"], (137, 137))
            need_path(root, f, v["music"], strict)
            locs[name] = v
        for f in ("dead.loc", "done.loc"):
            if root.find("Data\\Levels\\Locations\\" + f) is None:
                error("%s missing" % f)
    if "1" not in locs:
        error("the start location 1 is missing")
    opposite = {"up": "down", "down": "up", "left": "right", "right": "left"}
    for name, v in locs.items():
        for d in opposite:
            to = v[d]
            if to == "no":
                continue
            if to not in locs:
                error("%s.loc: exit %s to missing location %r" % (name, d, to))
            elif locs[to][opposite[d]] != name:
                error("%s.loc: exit %s to %s does not come back"
                      % (name, d, to))
        if v["talks"] != "no":
            p = root.find("data\\levels\\talks\\%s.tlk" % v["talks"])
            if p is None:
                error("%s.loc: partner list %s.tlk missing" % (name, v["talks"]))
            elif len(read_lines(p)) % 2:
                error("%s.tlk: odd number of lines" % v["talks"])
            else:
                partners = read_lines(p)
                for conv in partners[1::2]:
                    check_conversation(root, "data\\levels\\Talks\\%s.tlk" % conv)
        if v["trd"] != "no":
            check_trader(root, v["trd"], items)
        if v["pkp"] != "no":
            if root.find("data\\levels\\Pickup\\%s.pkp" % v["pkp"]) is None:
                error("%s.loc: pickup file %s.pkp missing" % (name, v["pkp"]))
        if v["fgt"] != "no":
            if root.find("data\\levels\\Fights\\%s.fgt" % v["fgt"]) is None:
                error("%s.loc: fight file %s.fgt missing" % (name, v["fgt"]))
    check_conversation(root, "Data\\levels\\Talks\\lsttalk.tlk")
    check_picture(root, "outro", "Data\\Sprites\\Outro\\outro.jpg", (486, 345))
    if sum(1 for v in locs.values() if v["place"] == "Каморка") != 1:
        error("the place Каморка must be in exactly one location")

    # Pickup files.
    pkdir = root.find("Data\\Levels\\Pickup")
    if pkdir:
        for f in sorted(os.listdir(pkdir)):
            if not f.lower().endswith(".pkp"):
                continue
            lines = read_lines(os.path.join(pkdir, f))
            if len(lines) % 3:
                error("%s: %d lines, not entries of three" % (f, len(lines)))
            for i in range(0, len(lines) - 2, 3):
                if lines[i + 1] not in items:
                    error("%s line %d: %r is no catalogue item"
                          % (f, i + 2, lines[i + 1]))
                if lines[i + 2] not in ("aviable", "unaviable"):
                    error("%s line %d: availability %r"
                          % (f, i + 3, lines[i + 2]))

    # Fights: every fight file names three catalogue keys (or "no"), every
    # enemy file has its 40 value lines with numbers where numbers belong,
    # its pictures at 89x113, and loot that the catalogue knows.
    enemies = {}
    cat = root.find("Data\\Combat\\enemies.dat")
    if cat is None:
        error("Data\\Combat\\enemies.dat missing")
    else:
        lines = read_lines(cat)
        for i in range(0, len(lines) - 1, 2):
            enemies[lines[i]] = lines[i + 1]
    for key, file in sorted(enemies.items()):
        p = root.find("Data\\Combat\\" + file)
        if p is None:
            error("enemies.dat: enemy file %s of %s missing" % (file, key))
            continue
        lines = read_lines(p)
        for n in (6, 8, 10, 12, 14, 16, 18, 20, 24, 38, 40):
            if len(lines) < n or not is_int(lines[n - 1]):
                error("%s line %d: not an integer" % (file, n))
        for n in (26, 28, 30):
            if len(lines) >= n:
                check_picture(root, "%s line %d" % (file, n), lines[n - 1], (89, 113))
        loot = lines[41:]
        if len(loot) % 2 or len(loot) > 20:
            error("%s: loot must be at most ten pairs" % file)
        for i in range(0, len(loot) - 1, 2):
            if loot[i] not in items:
                error("%s line %d: loot %r is no catalogue item" % (file, 42 + i, loot[i]))
    for name, v in locs.items():
        if v["fgt"] == "no":
            continue
        p = root.find("data\\levels\\Fights\\%s.fgt" % v["fgt"])
        if p is None:
            continue
        keys = (read_lines(p) + ["", "", ""])[:3]
        if keys[0] == "no":
            error("%s.fgt: the first enemy is required" % v["fgt"])
        for k in keys:
            if k != "no" and k not in enemies:
                error("%s.fgt: enemy %r is not in enemies.dat" % (v["fgt"], k))
    if enemies:
        need_path(root, "engine", "data\\levels\\fights\\fight.map", strict)
        for i in range(1, 9):
            check_picture(root, "engine",
                          "data\\sprites\\fight\\roamkin\\%d.bmp" % i, (64, 96))

    # Any other line that looks like a data path.
    for dirpath, _, files in os.walk(root.find("Data")):
        for f in sorted(files):
            if not f.lower().endswith(text_ext):
                continue
            path = os.path.join(dirpath, f)
            for n, line in enumerate(read_lines(path), 1):
                if line.lower().startswith("data\\"):
                    need_path(root, "%s line %d" % (f, n), line, strict)

    for w in warnings:
        print("warning:", w)
    for e in errors:
        print("error:", e)
    print("%d locations, %d items, %d errors, %d warnings"
          % (len(locs), len(items), len(errors), len(warnings)))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
