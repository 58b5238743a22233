#!/usr/bin/python3
"""A screen reader's view of the running game, through the AT-SPI bus.

  atspi_reader.py dump            every window of the application "Quorvel"
                                  and its controls, one JSON object a line:
                                  {"depth", "role", "name", "states"}
  atspi_reader.py listen SECONDS  prints "READY", then one JSON object a line
                                  for each window activation, name change and
                                  object shown ({"event", "role", "name"})
                                  until SECONDS have passed or stdin closes
  atspi_reader.py act ROLE NAME ACTION
                                  does the action named ACTION of the one
                                  showing control of ROLE whose name starts
                                  with NAME, as a screen reader's user does;
                                  prints the actions it offers

Apart from "act" it only reads; the test that runs it plays the game and
judges what it read.
"""

import json
import sys

import pyatspi
from gi.repository import GLib


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quorvel":
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


def act(role, prefix, action):
    app = application()
    if app is None:
        print("no application named Quorvel on the accessibility bus", file=sys.stderr)
        return 1
    found = []

    def walk(node):
        try:
            if (node.getRoleName() == role and (node.name or "").startswith(prefix)
                    and node.getState().contains(pyatspi.STATE_SHOWING)):
                found.append(node)
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is not None:
                    walk(child)
        except Exception:  # an object gone while it was read
            pass

    walk(app)
    if len(found) != 1:
        print("%d showing %s named %r" % (len(found), role, prefix), file=sys.stderr)
        return 1
    actions = found[0].queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    print(json.dumps({"actions": names}))
    if action not in names:
        print("no action %r among %r" % (action, names), file=sys.stderr)
        return 1
    return 0 if actions.doAction(names.index(action)) else 1


if __name__ == "__main__":
    if len(sys.argv) >= 5 and sys.argv[1] == "act":
        sys.exit(act(sys.argv[2], sys.argv[3], sys.argv[4]))
    if len(sys.argv) >= 2 and sys.argv[1] == "dump":
        sys.exit(dump())
    if len(sys.argv) >= 3 and sys.argv[1] == "listen":
        sys.exit(listen(float(sys.argv[2])))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
