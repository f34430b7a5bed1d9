#!/usr/bin/python3
"""Plays the first two deals of a match by keys alone, choosing each key from what the program
announces, as a player who cannot see the table would, and records the accessibility events a
screen reader gets meanwhile. Then it checks, for each deal, that a focus event named every card
the keys passed over, and that an announcement came for every bid, every card played (with its
player), every trick's taker and the deal's scores. Run on an X screen inside a D-Bus session:
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
keys_due = []  # what to press once the program has had a moment
program = subprocess.Popen([sys.argv[1]], env=dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb"))


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def hand():
    """The cards of the hand: the table's buttons that can take the focus."""
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == program.pid)
    cards = pyatspi.findAllDescendants(app, lambda node: (
        node.getRole() == pyatspi.ROLE_PUSH_BUTTON
        and node.getState().contains(pyatspi.STATE_FOCUSABLE)))
    return [card.name for card in cards]


def answer(words):
    """The keys for what the program asks: pasi (or the next bid if refused), no trump, the first
    suit, and for a card every card of the hand from left to right and back before Enter."""
    question = HEARD.get(words)
    if question == "Tqveni saxeli?":
        keys_due.append(["g", "i", "o", "Return"])
    elif question == "ramdens ambobT?":
        keys_due.append(["Right", "Return"])
    elif question == "koziria?":
        keys_due.append(["b", "Return"])
    elif question in ("viSi, romeli feri?", "waiRos, romeli feri?"):
        keys_due.append(["Down", "Return"])
    elif question == "Tqveni svla":
        cards = hand()
        deals[-1]["hands"].append(cards)
        keys_due.append(["Left"] * len(cards) + ["Right"] * len(cards) + ["Return"])
    elif words.startswith(georgian("ar SeiZleba")):
        keys_due.append(["Right", "Return"])


def heard(event):
    try:
        role, name = event.source.getRole(), event.source.name
    except Exception:  # gone already
        return
    if event.type.startswith("object:state-changed:focused"):
        if event.detail1 and role == pyatspi.ROLE_PUSH_BUTTON and deals:
            deals[-1]["focused"].add(name)
        return
    if role != pyatspi.ROLE_NOTIFICATION or not event.detail1:
        return
    print("heard:", name, flush=True)
    if georgian(" karti, arigebs ") in name:
        if len(deals) == DEALS:
            return finish()
        deals.append({"said": [], "focused": set(), "hands": [], "cards": int(name.split()[0])})
    if deals:
        deals[-1]["said"].append(name)
    answer(name)


def press_due():
    while keys_due:
        press(*keys_due.pop(0))
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
    passed = set(card for cards in deal["hands"] for card in cards)
    if len(deal["hands"]) != n or not passed or not passed <= deal["focused"]:
        failures.append(f"deal {number}: focus on {sorted(deal['focused'])}, cards passed "
                        f"{sorted(passed)} in {len(deal['hands'])} turns")


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
