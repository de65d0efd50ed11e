#!/usr/bin/python3
"""What a screen reader gets from blefino over AT-SPI.

  atspi_client.py listen OUT READY   writes each name the table's status line
                                     is given (the opponents' moves in words),
                                     one a line, until killed; touches READY
                                     once it listens
  atspi_client.py list NAME          prints the items of the list named NAME
                                     in blefino's windows, one a line
"""
import sys
import time

import pyatspi


def listen(out_path, ready_path):
    out = open(out_path, "w", encoding="utf-8")

    def on_name(event):
        source = event.source
        if source.getRole() != pyatspi.ROLE_STATUS_BAR:
            return
        # The name the event carries, as it was when it was sent.
        name = event.any_data if isinstance(event.any_data, str) else source.name
        out.write(name + "\n")
        out.flush()

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    open(ready_path, "w").close()
    pyatspi.Registry.start()


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def list_items(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is None or "blefino" not in (app.name or "").lower():
                continue
            found = find(app, lambda n: n.name == name and n.getRole() == pyatspi.ROLE_LIST)
            if found is not None:
                for i in range(found.childCount):
                    print(found.getChildAtIndex(i).name)
                return 0
        time.sleep(0.1)
    print("no list named " + name, file=sys.stderr)
    return 1


if __name__ == "__main__":
    if sys.argv[1] == "listen":
        listen(sys.argv[2], sys.argv[3])
    else:
        sys.exit(list_items(sys.argv[2]))
