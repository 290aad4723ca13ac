#!/usr/bin/python3
"""Reads the accessibility tree of the running program through AT-SPI.

  accessibility_tree.py names WINDOW_TITLE
      fails on a focusable control without a name, and on two buttons of the
      window with one name; prints every focusable control's role and name.
  accessibility_tree.py tab-to NAME
      presses Tab (xdotool) until the focused control is called NAME.
  accessibility_tree.py focus NAME
      waits up to 5 s for the focus to be on a control called NAME.
  accessibility_tree.py field|description NAME
      prints the text or the description of the control called NAME.
  accessibility_tree.py runs NAME
      fails unless the control's text is not empty and comes in attribute runs
      that each hold the offset asked for (Orca reads as far as they reach).
  accessibility_tree.py events-before WINDOW_TITLE KEY
      presses KEY and prints how many events other than state changes came
      before the window was activated (Orca works through them first).
  accessibility_tree.py alert TEXT
      fails unless a window of the program is an alert whose text can be
      read (its description or a text inside it) and holds TEXT.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Tockmere":
                return app
        time.sleep(0.1)
    fail("no application called Tockmere on the accessibility bus")


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def window(title):
    for _ in range(100):
        app = application()
        for i in range(app.childCount):
            win = app.getChildAtIndex(i)
            if win is not None and win.name == title:
                return win
        time.sleep(0.1)
    fail("no window called '%s'" % title)


def has(node, state):
    return node.getState().contains(state)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def label_of(node):
    """The name of the label a control is labelled by, or ''."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def check_names(title):
    win = window(title)
    buttons = {}
    for node in nodes(win):
        if not has(node, pyatspi.STATE_FOCUSABLE) or not has(node, pyatspi.STATE_SHOWING):
            continue
        role, name = node.getRoleName(), node.name
        print("%-12s %s" % (role, name))
        if not name.strip():
            fail("a focusable %s of '%s' has no name (it shows '%s')" % (role, title, text_of(node)))
        # A combo box is called by its value; its label is told by a relation.
        if role == "combo box" and not label_of(node).strip():
            fail("the combo box '%s' of '%s' has no label" % (name, title))
        if role == "push button":
            if name in buttons:
                fail("two buttons of '%s' are both called '%s'" % (title, name))
            buttons[name] = node


def focused():
    for node in nodes(application()):
        if has(node, pyatspi.STATE_FOCUSED):
            return node
    return None


def tab_to(name):
    for _ in range(40):
        node = focused()
        if node is not None and node.name == name:
            return
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.2)
    fail("Tab never reached the control called '%s'" % name)


def focus(name):  # a menu item is focused with the menu bar's title above it
    for _ in range(50):
        names = [n.name for n in nodes(application()) if has(n, pyatspi.STATE_FOCUSED)]
        if name in names:
            return
        time.sleep(0.1)
    fail("the focus is on %s, not on '%s'" % (names, name))


def shown(name):  # not the label that names it, nor the program
    for node in nodes(application()):
        if node.name != name or node.getRoleName() in ("label", "application"):
            continue
        if has(node, pyatspi.STATE_SHOWING):
            return node
    fail("no control called '%s' is shown" % name)


def runs(name):
    text = shown(name).queryText()
    if text.characterCount == 0:
        fail("the control called '%s' is empty" % name)
    for offset in range(text.characterCount):
        _, start, end = text.getAttributeRun(offset, False)
        if not start <= offset < end:
            fail("'%s': the attribute run at %d is %d-%d" % (name, offset, start, end))


def events_before(title, key):
    seen = []

    def heard(event):
        if event.type.startswith("window:activate") and event.source.name == title:
            pyatspi.Registry.stop()
        elif event.host_application is not None and event.host_application.name == "Tockmere":
            seen.append(event.type)

    application()
    pyatspi.Registry.registerEventListener(heard, "object:", "window:activate")
    GLib.timeout_add(200, lambda: subprocess.run(["xdotool", "key", key]) and False)
    GLib.timeout_add(10000, lambda: seen.append(None) or pyatspi.Registry.stop())
    pyatspi.Registry.start()
    if None in seen:
        fail("the window '%s' was not activated within 10 s of %s" % (title, key))
    # Its controls showing and the focus are the dialog coming up; the rest
    # (names, texts, carets, selections) tell of its building.
    print(len([e for e in seen if not e.startswith("object:state-changed:")]))


def alert(text):
    for _ in range(50):
        app = application()
        for i in range(app.childCount):
            win = app.getChildAtIndex(i)
            if win is None or win.getRoleName() != "alert":
                continue
            readable = [win.description] + [text_of(n) for n in nodes(win)]
            if any(text in r for r in readable):
                return
            fail("the alert '%s' does not let its text be read: %r" % (win.name, readable))
        time.sleep(0.2)
    fail("no window of the program is an alert")


if __name__ == "__main__":
    command = sys.argv[1]
    {"names": check_names, "tab-to": tab_to, "focus": focus, "runs": runs,
     "field": lambda name: print(text_of(shown(name))),
     "description": lambda name: print(shown(name).description),
     "events-before": events_before, "alert": alert}[command](*sys.argv[2:])
