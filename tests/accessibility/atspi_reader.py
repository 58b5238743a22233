#!/usr/bin/python3
"""A screen reader's view of the running game, through the AT-SPI bus.

  atspi_reader.py dump            every window of the application "Quorvel"
                                  and its controls, one JSON object a line:
                                  {"depth", "role", "name", "states"}
  atspi_reader.py listen SECONDS  prints "READY", then one JSON object a line
                                  for each window activation, name change and
                                  object shown ({"event", "role", "name"})
                                  until SECONDS have passed or stdin closes
  atspi_reader.py act ROLE NAME ACTION [WINDOW]
                                  does the action named ACTION of the one
                                  showing control of ROLE whose name starts
                                  with NAME (in the window whose name starts
                                  with WINDOW, or whose role is ROLE for
                                  @ROLE, if given; "=NAME" for exactly NAME,
                                  "=" for none), as a screen reader's user
                                  does; prints the actions it offers
  atspi_reader.py acthidden ROLE NAME ACTION [WINDOW]
                                  the same for the one control of ROLE named
                                  NAME... that is not showing (a hidden one)
  atspi_reader.py settext ROLE NAME TEXT [WINDOW]
                                  sets the text of that control through its
                                  editable text; prints {"text"} as it reads
                                  after the change
  atspi_reader.py focus ROLE NAME [WINDOW]
                                  asks the focus for that control
  atspi_reader.py setvalue ROLE NAME VALUE [WINDOW]
                                  sets its value through its value interface;
                                  prints {"value"} as it reads after the change

With QUORVEL_ATSPI_PID set, only the game of that process is read (two
games on one bus). Apart from "act", "settext", "focus" and "setvalue" it only reads; the test
that runs it plays the game and judges what it read. Whether the game obeyed
is for the test to judge from the game: the bus answers alike either way.
"""

import json
import os
import sys

import pyatspi
from gi.repository import GLib


def application():
    # Where two games share the bus, QUORVEL_ATSPI_PID says whose tree is read.
    pid = int(os.environ.get("QUORVEL_ATSPI_PID", "0"))
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quorvel":
            if pid and app.get_process_id() != pid:
                continue
            return app
    return None


def dump():
    app = application()
    if app is None:
        print("no application named Quorvel on the accessibility bus", file=sys.stderr)
        return 1

    def walk(node, depth):
        try:
            states = sorted(pyatspi.stateToString(s) for s in node.getState().getStates())
            print(json.dumps({"depth": depth, "role": node.getRoleName(), "name": node.name,
                              "states": states}))
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is not None:
                    walk(child, depth + 1)
        except Exception as error:  # an object gone while it was read
            print(json.dumps({"depth": depth, "role": "gone", "name": str(error), "states": []}))

    walk(app, 0)
    return 0


def listen(seconds):
    def on_event(event):
        try:
            if event.type.startswith("object:state-changed:showing") and not event.detail1:
                return
            source = event.source
            print(json.dumps({"event": event.type, "role": source.getRoleName(),
                              "name": source.name}), flush=True)
        except Exception:
            pass

    for kind in ("window:activate", "object:property-change:accessible-name",
                 "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_HUP | GLib.IO_IN,
                      lambda *args: pyatspi.Registry.stop())
    print("READY", flush=True)
    pyatspi.Registry.start()
    return 0


def find(role, prefix, window=None, showing=True):
    """The one showing (or, showing=False, hidden) control of `role` named
    `prefix`..., or None (said why)."""
    app = application()
    if app is None:
        print("no application named Quorvel on the accessibility bus", file=sys.stderr)
        return None
    found = []

    def walk(node):
        try:
            name = node.name or ""
            named = name == prefix[1:] if prefix.startswith("=") else name.startswith(prefix)
            if (node.getRoleName() == role and named
                    and node.getState().contains(pyatspi.STATE_SHOWING) == showing):
                found.append(node)
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is not None:
                    walk(child)
        except Exception:  # an object gone while it was read
            pass

    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if top is None:
            continue
        if window is not None and window.startswith("@"):
            if top.getRoleName() != window[1:]:
                continue
        elif window is not None and not (top.name or "").startswith(window):
            continue
        walk(top)
    if len(found) != 1:
        print("%d %s %s named %r" % (len(found), "showing" if showing else "hidden", role, prefix),
              file=sys.stderr)
        return None
    return found[0]


def act(role, prefix, action, window=None, showing=True):
    node = find(role, prefix, window, showing)
    if node is None:
        return 1
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    print(json.dumps({"actions": names}))
    if action not in names:
        print("no action %r among %r" % (action, names), file=sys.stderr)
        return 1
    actions.doAction(names.index(action))
    return 0


def settext(role, prefix, text, window=None):
    node = find(role, prefix, window)
    if node is None:
        return 1
    node.queryEditableText().setTextContents(text)
    shown = node.queryText()
    print(json.dumps({"text": shown.getText(0, shown.characterCount)}))
    return 0


def focus(role, prefix, window=None):
    node = find(role, prefix, window)
    if node is None:
        return 1
    node.queryComponent().grabFocus()
    return 0


def setvalue(role, prefix, value, window=None):
    node = find(role, prefix, window)
    if node is None:
        return 1
    node.queryValue().currentValue = float(value)
    print(json.dumps({"value": node.queryValue().currentValue}))
    return 0


if __name__ == "__main__":
    if len(sys.argv) >= 5 and sys.argv[1] == "act":
        sys.exit(act(*sys.argv[2:6]))
    if len(sys.argv) >= 5 and sys.argv[1] == "acthidden":
        window = sys.argv[5] if len(sys.argv) > 5 else None
        sys.exit(act(sys.argv[2], sys.argv[3], sys.argv[4], window, showing=False))
    if len(sys.argv) >= 5 and sys.argv[1] == "settext":
        sys.exit(settext(*sys.argv[2:6]))
    if len(sys.argv) >= 4 and sys.argv[1] == "focus":
        sys.exit(focus(*sys.argv[2:5]))
    if len(sys.argv) >= 5 and sys.argv[1] == "setvalue":
        sys.exit(setvalue(*sys.argv[2:6]))
    if len(sys.argv) >= 2 and sys.argv[1] == "dump":
        sys.exit(dump())
    if len(sys.argv) >= 3 and sys.argv[1] == "listen":
        sys.exit(listen(float(sys.argv[2])))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
