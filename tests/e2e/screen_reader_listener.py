#!/usr/bin/python3
"""Plays the first two deals of a match by keys alone, each key chosen from what the program
announces, and checks what a screen reader is told in each deal: every bid, every card played with
its player, every trick's taker and the deal's scores; and, as the keys pass over the whole hand
and back when a card is asked, a focus event for every card of the hand, the played one among them.
Run on an X screen inside a D-Bus session:  screen_reader_listener.py <zavkari binary>"""
import os
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib


def georgian(latin):
    return latin.translate(str.maketrans("abgdevzTiklmnopJrstufqRySCcZwWxjh",
                                         "აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"))


PLAYER = "(" + georgian("gio|zurala|valtiko|gorbeni") + ")"
# The keys for each question: a name, pasi (the next bid when refused), no trump, the first suit.
ANSWERS = {georgian(words): keys for words, keys in (
    ("Tqveni saxeli?", "g i o Return"), ("ramdens ambobT?", "Right Return"),
    ("ar SeiZleba!!!", "Right Return"), ("koziria?", "b Return"),
    ("viSi, romeli feri?", "Down Return"), ("waiRos, romeli feri?", "Down Return"))}
deals, keys_due, failures = [], [], []
program = subprocess.Popen([sys.argv[1]], env=dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb"))


def press(key):
    subprocess.run(["xdotool", "key", key], check=True)


def heard(event):
    try:
        role, name = event.source.getRole(), event.source.name
    except Exception:  # gone already
        return
    if not event.detail1:
        return
    if event.type.endswith("focused") and role == pyatspi.ROLE_PUSH_BUTTON and deals[-1:] and \
            deals[-1]["turns"]:
        deals[-1]["turns"][-1]["focused"].add(name)
    if role != pyatspi.ROLE_NOTIFICATION:
        return
    print("heard:", name, flush=True)
    if georgian(" karti, arigebs ") in name:
        if len(deals) == 2:
            return finish()
        deals.append({"said": [], "turns": [], "cards": int(name.split()[0])})
    if deals:
        deals[-1]["said"].append(name)
    keys_due.extend(ANSWERS.get(name, "").split())
    if name == georgian("Tqveni svla"):  # the hand, a key at a time, then its card
        held = deals[-1]["cards"] - len(deals[-1]["turns"])
        deals[-1]["turns"].append({"held": held, "focused": set()})
        keys_due.extend(["Left"] * held + ["Right"] * held + ["Return"])


def check(number, deal):
    n = deal["cards"]
    def said(pattern):
        return [m for m in (re.fullmatch(pattern, w) for w in deal["said"]) if m]
    expected = {
        PLAYER + ": (" + georgian("pasi") + "|[1-9])": 4,  # the bids
        PLAYER + ": " + georgian(".+is .+"): 4 * n,        # the cards, with their players
        georgian("xeli waiRo: ") + "(" + PLAYER + "|" + georgian("aravin") + ")": n,
        georgian("qulebi: ") + "(" + PLAYER + r" \S+(, |$)){4}": 1,
    }
    for pattern, count in expected.items():
        if len(said(pattern)) != count:
            failures.append(f"deal {number}: {len(said(pattern))} of {count} like {pattern}")
    played = [m.group(1) for m in said(georgian("gio: (.+is .+)"))]
    for turn, card in zip(deal["turns"], played):
        if len(turn["focused"]) != turn["held"] or not card.startswith(tuple(turn["focused"])):
            failures.append(f"deal {number}: focus on {turn['focused']} over {turn['held']} cards,"
                            f" {card} played")


def finish():
    for number, deal in enumerate(deals, 1):
        check(number, deal)
    press("ctrl+q")
    pyatspi.Registry.stop()


def start():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zavkari $"],
                           capture_output=True).stdout
    if found:
        press("ctrl+n")
    return not found


for kind in ("object:state-changed:showing", "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(heard, kind)
GLib.timeout_add(200, start)
# A key each 150 ms: the program has said what the last one did before the next comes.
GLib.timeout_add(150, lambda: (keys_due and press(keys_due.pop(0)), True)[1])
GLib.timeout_add_seconds(100, lambda: failures.append("no end in time") or pyatspi.Registry.stop())
pyatspi.Registry.start()
try:
    if program.wait(timeout=10) != 0:
        failures.append(f"the program ended with status {program.returncode}")
except subprocess.TimeoutExpired:
    program.kill()
    failures.append("Ctrl+Q did not end the program")
print("\n".join("FAIL: " + f for f in failures) or "ok")
sys.exit(1 if failures else 0)
