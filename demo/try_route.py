#!/usr/bin/env python3
"""Plays the route that the README teaches through the scripted runner, once
per seed, and counts how often the hero comes through each fight on it.

  demo/try_route.py [--runner build/bin/vetrovay-run] [--seeds 20]
                    [--ending none|give|pay|fight] [--print-script SEED]
                    [--data DATA_FOLDER]

The hero follows the README: the leather jacket if it lies on the main
street, two
dogs at the forest edge for experience, the sawn-off shotgun and its shells
from the glade, then the bunker's gate and corridor, whose fights start by
themselves. With --ending he goes on to end the game: the glass from the pit
given to the hermit, or sold in the store (whose mutants attack) to pay him,
or the hermit fought; then the binoculars to the elder. In a fight he shoots
the first enemy still standing as soon as he may and uses a medkit or a
bandage when his health falls below 40; level-up points go half to health,
half to agility. Each seed plays on a fresh copy of demo/Data; the checkout
is not touched. --print-script prints the commands played for one seed as a
runner script (the exit status says whether that game was won).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SLOTS = [("enemy1", "Image9"), ("enemy2", "Image11"), ("enemy3", "Image10")]
HEALING = ["Аптечка", "Бинт"]


class Runner:
    def __init__(self, runner, data):
        self.proc = subprocess.Popen([runner, "--data", data], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, bufsize=1)
        self.played = []

    def send(self, *commands):
        """Plays the commands, then returns (state, fight on screen)."""
        for c in commands:
            self.played.append(c)
            self.proc.stdin.write(c + "\n")
        self.proc.stdin.write("show Timer1\nstate\n")
        self.proc.stdin.flush()
        fighting = None
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise SystemExit("the runner ended early")
            if line.startswith('{"name":"Timer1"'):
                fighting = json.loads(line)["enabled"]
            elif line.startswith('{"hero"'):
                return json.loads(line), fighting

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def row_of(state, names):
    for i, slot in enumerate(state["inventory"]):
        if slot["name"] in names:
            return i
    return None


def show(runner, control):
    runner.played.append("show " + control)
    runner.proc.stdin.write("show %s\n" % control)
    runner.proc.stdin.flush()
    return json.loads(runner.proc.stdout.readline())


def ground_row(runner, name):
    """The row of an item in the ground list (rows shift as items go)."""
    rows = show(runner, "PItems").get("rows", [])
    return rows.index(name) if name in rows else None


def level_up(runner):
    """On the level-up screen: five points to health, five to agility."""
    if show(runner, "levelup")["onscreen"]:
        runner.send(*(["click Button16"] * 5 + ["click Button20"] * 5 + ["click Image22"]))


def take(runner, name):
    row = ground_row(runner, name)
    if row is not None:
        runner.send("pick PItems %d" % row)


def equip(runner, name):
    state, _ = runner.send("click Image25")
    row = row_of(state, [name])
    if row is not None:
        runner.send("pick PInventory %d" % row)


def fight(runner):
    """Plays a fight that is on screen to its end: "won" or "dead"."""
    state, fighting = runner.send("wait 100")
    for _ in range(3000):
        if state["hero"]["health"] <= 0:
            return "dead"
        if not fighting:
            return "won"
        hero = state["hero"]
        commands = ["wait 200"]
        heal = row_of(state, HEALING)
        if hero["health"] < 40 and hero["ready"] > 30 and heal is not None:
            commands = ["pick PInventory %d" % heal]
        elif hero["ready"] > 45:
            for record, picture in SLOTS:
                enemy = state[record]
                if enemy["name"] != "no" and enemy["health"] > 0:
                    commands = ["click " + picture]
                    break
        state, fighting = runner.send(*commands)
    return "endless"


def move(r, *arrows):
    """Walks through exits; a fight that starts by itself is played out.
    Returns the outcomes of such fights as (place, outcome)."""
    outcomes = []
    for arrow in arrows:
        state, fighting = r.send("click " + arrow, "wait 2500")
        if fighting:
            place = state["loc"]["place"]
            outcome = fight(r)
            outcomes.append((place, outcome))
            if outcome != "won":
                raise Lost(outcomes)
            r.send("wait 2500")
            level_up(r)
            take(r, "Патроны 12 калибра")
    return outcomes


class Lost(Exception):
    pass


def to_bunker(r):
    """New game to the corridor the way the README says."""
    outcomes = []
    r.send("wait 3000", "type Edit2 Тест", "click BitBtn1", "click BitBtn5")
    move(r, "Image15")  # up: the main street
    take(r, "Кожаная куртка")
    equip(r, "Кожаная куртка")
    move(r, "Image15", "Image17")  # the square, the forest edge
    for dog in range(2):  # two dogs for experience
        if dog:
            move(r, "Image18", "Image17")  # away and back: the dog again
        r.send("click Image21")
        outcomes.append(("Опушка леса", fight(r)))
        if outcomes[-1][1] != "won":
            raise Lost(outcomes)
        r.send("wait 2500")
        level_up(r)
    move(r, "Image18", "Image15")  # the square, the glade
    take(r, "Обрез двустволки")
    equip(r, "Обрез двустволки")  # equipped, it no longer weighs
    take(r, "Патроны 12 калибра")
    try:
        return outcomes + move(r, "Image18", "Image18")  # the gate, the corridor
    except Lost as lost:
        raise Lost(outcomes + lost.args[0])


def fetch_glass(r):
    """From the corridor to the pit and back: the glass of light."""
    move(r, "Image17", "Image16", "Image18")  # the gate, the plant, the pit
    take(r, "Стеклышко света")
    move(r, "Image17", "Image15", "Image18")  # the plant, the gate, the corridor


def to_elder(r):
    """From the back room, the binoculars on its floor, to the elder: the end."""
    take(r, "Бинокль всезнания")
    move(r, "Image17", "Image17", "Image17", "Image17")  # to the village
    r.send("pick tlk 0", "click Image23")
    outro = show(r, "outro")["onscreen"]
    r.send("wait 126000")  # the closing text scrolls for about two minutes
    return outro and show(r, "menu")["onscreen"]


def give(r):
    fetch_glass(r)
    move(r, "Image18")  # the back room
    r.send("click Image27")
    return []


def pay(r):
    fetch_glass(r)
    outcomes = move(r, "Image15")  # the store
    state, _ = r.send("click Image20")
    row = row_of(state, ["Стеклышко света"])
    r.send("pick PInventory %d" % row, "click Image31", "click Image38")
    move(r, "Image16", "Image18")  # the corridor, the back room
    r.send("click Image28")
    return outcomes


def kill(r):
    move(r, "Image18")  # the back room
    r.send("click Image21")
    outcome = fight(r)
    if outcome != "won":
        raise Lost([("Каморка", outcome)])
    r.send("wait 2500")
    level_up(r)
    return [("Каморка", outcome)]


ENDINGS = {"none": None, "give": give, "pay": pay, "fight": kill}


DATA = os.path.join(HERE, "Data")


def play(runner_path, seed, ending):
    """One game for one seed: the outcome of every fight, whether the game
    was won, the hero's last state and the commands played."""
    work = tempfile.mkdtemp(prefix="vetrovay-route-")
    try:
        shutil.copytree(DATA, os.path.join(work, "Data"))
        r = Runner(runner_path, work)
        r.send("seed %d" % seed)
        outcomes, won = [], False
        try:
            outcomes = to_bunker(r)
            if ENDINGS[ending]:
                outcomes += ENDINGS[ending](r)
                won = to_elder(r)
        except Lost as lost:
            outcomes += lost.args[0]
        state, _ = r.send("wait 1")
        r.close()
        return outcomes, won, state["hero"], r.played
    finally:
        shutil.rmtree(work, ignore_errors=True)


def script(played):
    """The commands as a runner script, queries left out."""
    return [c for c in played if not c.startswith("show ")]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--runner", default=os.path.join(ROOT, "build", "bin", "vetrovay-run"))
    ap.add_argument("--seeds", type=int, default=20)
    ap.add_argument("--ending", choices=sorted(ENDINGS), default="none",
                    help="after the bunker, end the game this way")
    ap.add_argument("--print-script", type=int, metavar="SEED")
    ap.add_argument("--data", help="the Data folder to play a copy of (default: the demo's)")
    args = ap.parse_args()
    if args.data:
        global DATA
        DATA = args.data
    if args.print_script is not None:
        _, won, _, played = play(args.runner, args.print_script, args.ending)
        print("\n".join(script(played)))
        return 0 if won or args.ending == "none" else 1
    tally, wins = {}, 0
    for seed in range(1, args.seeds + 1):
        outcomes, won, hero, _ = play(args.runner, seed, args.ending)
        wins += won
        for place, outcome in outcomes:
            tally.setdefault(place, {}).setdefault(outcome, 0)
            tally[place][outcome] += 1
        print("seed %2d: %s; health %d, level %d%s" % (
            seed, ", ".join("%s %s" % o for o in outcomes), hero["health"], hero["level"],
            ", game won" if won else ""))
    for place, counts in tally.items():
        print("%-20s %s" % (place, ", ".join("%s %d" % kv for kv in sorted(counts.items()))))
    if args.ending != "none":
        print("games won: %d of %d" % (wins, args.seeds))
    return 0


if __name__ == "__main__":
    sys.exit(main())
