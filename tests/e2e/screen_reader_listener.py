#!/usr/bin/python3
"""Plays the first two deals of a match by keys alone, choosing each key from what the program
announces, as a player who cannot see the table would, and records the accessibility events a
screen reader gets meanwhile. When a card is asked the keys pass over the whole hand, left and
right, and play the card they end on. Then it checks, for each deal, that the focus events of each
turn named as many cards as the hand holds, the played one among them, and that an announcement
came for every bid, every card played (with its player), every trick's taker and the deal's
scores. Run on an X screen inside a D-Bus session:
    screen_reader_listener.py <zavkari binary>
"""
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

LATIN = "abgdevzTiklmnopJrstufqRySCcZwWxjh"
GEORGIAN = "აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"


def georgian(latin):
    return latin.translate(str.maketrans(LATIN, GEORGIAN))


PLAYERS = [georgian(name) for name in ("gio", "zurala", "valtiko", "gorbeni")]
HEARD = {georgian(words): words for words in (
    "Tqveni saxeli?", "ramdens ambobT?", "koziria?", "viSi, romeli feri?",
    "waiRos, romeli feri?", "Tqveni svla")}
DEALS = 2

failures = []
deals = []    # per deal: the notifications and the focus events after its first announcement
keys_due = []  # what to press, a key at a time, each once the program has answered the last
program = subprocess.Popen([sys.argv[1]], env=dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb"))


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def answer(words):
    """The keys for what the program asks: pasi (or the next bid if refused), no trump, the first
    suit, and for a card the whole hand right to left and back before Enter."""
    question = HEARD.get(words)
    if question == "Tqveni saxeli?":
        keys_due.extend(["g", "i", "o", "Return"])
    elif question == "ramdens ambobT?":
        keys_due.extend(["Right", "Return"])
    elif question == "koziria?":
        keys_due.extend(["b", "Return"])
    elif question in ("viSi, romeli feri?", "waiRos, romeli feri?"):
        keys_due.extend(["Down", "Return"])
    elif question == "Tqveni svla":
        held = deals[-1]["cards"] - len(deals[-1]["turns"])
        deals[-1]["turns"].append({"held": held, "focused": set()})
        keys_due.extend(["Left"] * held + ["Right"] * held + ["Return"])
    elif words.startswith(georgian("ar SeiZleba")):
        keys_due.extend(["Right", "Return"])


def heard(event):
    try:
        role, name = event.source.getRole(), event.source.name
    except Exception:  # gone already
        return
    if event.type.startswith("object:state-changed:focused"):
        if event.detail1 and role == pyatspi.ROLE_PUSH_BUTTON and deals and deals[-1]["turns"]:
            deals[-1]["turns"][-1]["focused"].add(name)
        return
    if role != pyatspi.ROLE_NOTIFICATION or not event.detail1:
        return
    print("heard:", name, flush=True)
    if georgian(" karti, arigebs ") in name:
        if len(deals) == DEALS:
            return finish()
        deals.append({"said": [], "turns": [], "cards": int(name.split()[0])})
    if deals:
        deals[-1]["said"].append(name)
    answer(name)


def press_due():
    if keys_due:
        press(keys_due.pop(0))
    return True


def start():
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zavkari $"],
                             capture_output=True, text=True).stdout.split()
    if not windows:
        return True
    press("ctrl+n")
    return False


def check(deal, number):
    said, n = deal["said"], deal["cards"]
    def count(test):
        return sum(1 for words in said if test(words))
    def by(player, words):
        return words.startswith(player + ": ")
    for player in PLAYERS:
        bids = count(lambda w: by(player, w) and w.split(": ")[1] in [georgian("pasi")] + [
            str(b) for b in range(1, n + 1)])
        plays = count(lambda w: by(player, w) and georgian("is ") in w)
        if bids != 1 or plays != n:
            failures.append(f"deal {number}: {player}: {bids} bids, {plays} cards announced")
    tricks = count(lambda w: w.startswith(georgian("xeli waiRo: ")))
    scores = [w for w in said if w.startswith(georgian("qulebi: "))]
    if tricks != n:
        failures.append(f"deal {number}: {tricks} trick takers announced for {n} tricks")
    if len(scores) != 1 or not all(player in scores[0] for player in PLAYERS):
        failures.append(f"deal {number}: deal scores announced as {scores}")
    played = [w.split(": ")[1] for w in said if by(PLAYERS[0], w) and georgian("is ") in w]
    if len(deal["turns"]) != n:
        failures.append(f"deal {number}: {len(deal['turns'])} turns of {n}")
    for turn, card in zip(deal["turns"], played):
        if len(turn["focused"]) != turn["held"] or not card.startswith(tuple(turn["focused"])):
            failures.append(f"deal {number}: focus on {sorted(turn['focused'])} over a hand of "
                            f"{turn['held']}, {card} played")


def finish():
    for number, deal in enumerate(deals, 1):
        check(deal, number)
    press("ctrl+q")
    pyatspi.Registry.stop()


for kind in ("object:state-changed:showing", "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(heard, kind)
GLib.timeout_add(200, start)
GLib.timeout_add(150, press_due)
GLib.timeout_add_seconds(100, lambda: (failures.append("the deals did not end in time"),
                                       pyatspi.Registry.stop()))
pyatspi.Registry.start()
try:
    if program.wait(timeout=10) != 0:
        failures.append(f"the program ended with status {program.returncode}")
except subprocess.TimeoutExpired:
    program.kill()
    failures.append("Ctrl+Q did not end the program")
for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
print("ok" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
