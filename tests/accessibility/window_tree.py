#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads the reader's window through AT-SPI, as a screen reader does, and
checks what such a reader learns of it: the window, the buttons, the fields
and the day page's text (the reader shows 5 March 2024)."""
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def window(deadline):
    """The reader's frame once it shows a page, or None at the deadline."""
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != "selunar":
                continue
            for frame in app:
                if frame is not None and "–" in frame.name:
                    return frame
        time.sleep(0.2)
    return None


frame = window(time.monotonic() + 60)
if frame is None:
    sys.exit("no window of selunar appeared on the accessibility bus")
expect(frame.getRoleName() == "frame", f"the window is a {frame.getRoleName()}, not a frame")
expect(frame.name == "Selunar 2024 – Dienstag, 5. März 2024", f"the window is named {frame.name!r}")

objects = list(walk(frame))
by_name = {}
for accessible in objects:
    by_name.setdefault((accessible.getRoleName(), accessible.name), accessible)

for name in ["vorheriger Tag", "heute", "nächster Tag", "Bibel", "Suche", "Impressum", "Hilfe",
             "vorheriges Buch", "nächstes Kapitel", "Selunar", "Suchen"]:
    expect(("push button", name) in by_name, f"no push button {name!r}")
for (role, name), accessible in by_name.items():
    expect(role != "filler" or not name, f"a filler named {name!r}")
expect("Alt" in by_name.get(("push button", "nächster Tag"), frame).description,
       "the button \"nächster Tag\" does not name its key")
expect(by_name.get(("push button", "Impressum"), frame).description == "",
       "the button \"Impressum\" has a description but no key")
for name in ["Volltext", "Datum"]:
    expect(("text", name) in by_name, f"no text field {name!r}")


def label_of(accessible):
    """The name of the label a field is labelled by (how lists are named here)."""
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return relation.getTarget(0).name
    return None


lists = {label_of(a) for a in objects if a.getRoleName() == "combo box"}
for name in ["Bibelstelle", "Bereich", "Autor"]:
    expect(("combo box", name) in by_name and name in lists, f"no list {name!r}")
for name in ["Volltext", "Datum"]:
    expect(label_of(by_name.get(("text", name), frame)) == name, f"the field {name!r} is not labelled by its caption")

pages = [a for a in objects if a.name == "Andacht" and a.getRoleName() != "panel"]
expect(len(pages) == 1 and pages[0].getRoleName() == "text", "the day view is not one text")
if pages:
    text = pages[0].queryText()
    page = text.getText(0, -1)
    expect(text.characterCount == len(page), "the text's length differs from its character count")
    for mark in "\ufffc\ufdd0\ufdd1\u2028\u2029":
        expect(mark not in page, f"the page's text holds U+{ord(mark):04X}")
    order = ["Dienstag, 5. März 2024", "Jeremia 29,7", "FRAGE", "TIPP", "BIBELLESE", "Lukas 1,41-80"]
    places = [page.find(part) for part in order]
    expect(-1 not in places and places == sorted(places), f"the page is not read in order: {places}\n{page}")
    expect(text.getText(places[1], places[1] + 12) == "Jeremia 29,7", "offsets do not count the read text")
    text.setCaretOffset(places[1])
    expect(text.caretOffset == places[1], f"the caret is at {text.caretOffset}, not {places[1]}")

# A screen reader presses a button through its action; the new page is told
# as text without marks.
inserted = []
pyatspi.Registry.registerEventListener(lambda event: inserted.append(event.any_data), "object:text-changed:insert")
button = by_name.get(("push button", "nächster Tag"))
if button is not None:
    action = button.queryAction()
    expect(action.nActions >= 1, "the button offers no action")
    action.doAction(0)
    deadline = time.monotonic() + 10
    context = GLib.MainContext.default()
    while not any("Mittwoch, 6. März 2024" in text for text in inserted) and time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.01)
    expect(any("Mittwoch, 6. März 2024" in text for text in inserted), "the new page was not told")
    expect(not any(mark in text for text in inserted for mark in "\ufffc\ufdd0\ufdd1\u2028"),
           "the new page was told with layout marks")
    expect("Mittwoch, 6. März 2024" in frame.name, f"after pressing \"nächster Tag\" the window is {frame.name!r}")

# In the Bible the chooser of the translations is there for a screen reader
# too, as a button that opens its menu.
bible = by_name.get(("push button", "Bibel"))
if bible is not None:
    bible.queryAction().doAction(0)
    deadline = time.monotonic() + 10
    chooser = None
    while chooser is None and time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)
        chooser = next((a for a in walk(frame) if a.name == "Übersetzung wählen"
                        and a.getState().contains(pyatspi.STATE_SHOWING)), None)
        time.sleep(0.05)
    expect(chooser is not None, "the Bible shows no chooser \"Übersetzung wählen\"")
    if chooser is not None:
        expect("button" in chooser.getRoleName(), f"the chooser is a {chooser.getRoleName()}")
        expect(chooser.queryAction().nActions >= 1, "the chooser offers no action")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
