#!/usr/bin/python3
"""Drops files onto the X window under a screen point, as a file manager does.

A minimal XDND drag source: it offers the files as text/uri-list, sends enter
and position, waits for the target's status, drops, answers the target's
request for the data and waits until the target reports the drop finished.
Every wait has a deadline. Wine turns such a drop onto a window that accepts
files into WM_DROPFILES with the Z:\\ paths in the order given here.

    xdnd_drop.py X Y FILE...
"""
import os
import select
import sys
import time
import urllib.parse

from Xlib import X, display
from Xlib.protocol import event

XDND_VERSION = 5


class DropError(RuntimeError):
    pass


def uri_list(paths):
    lines = ["file://" + urllib.parse.quote(os.path.abspath(p)) for p in paths]
    return ("\r\n".join(lines) + "\r\n").encode()


class _Source:
    def __init__(self, dpy, data):
        self.dpy = dpy
        self.data = data
        self.atom = {name: dpy.intern_atom(name) for name in (
            "XdndAware", "XdndSelection", "XdndEnter", "XdndPosition", "XdndStatus", "XdndLeave",
            "XdndDrop", "XdndFinished", "XdndActionCopy", "text/uri-list")}
        self.window = dpy.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)

    def target_at(self, x, y):
        """The XDND-aware window under the point and its protocol version."""
        root = self.dpy.screen().root
        window = root
        while True:
            child = window.translate_coords(root, x, y).child
            if not child:
                return None, 0
            aware = child.get_full_property(self.atom["XdndAware"], X.AnyPropertyType)
            if aware and aware.value:
                return child, min(XDND_VERSION, aware.value[0])
            window = child

    def send(self, target, kind, *values):
        data = [self.window.id] + list(values) + [0] * (4 - len(values))
        message = event.ClientMessage(window=target, client_type=self.atom[kind], data=(32, data))
        target.send_event(message, event_mask=0)
        self.dpy.flush()

    def wait_for(self, kind, deadline):
        """Answers data requests until the target's message `kind` arrives."""
        while True:
            while self.dpy.pending_events():
                ev = self.dpy.next_event()
                if ev.type == X.SelectionRequest:
                    self.answer(ev)
                elif ev.type == X.ClientMessage and ev.client_type == self.atom[kind]:
                    return ev.data[1]  # the message's five 32-bit values
            left = deadline - time.monotonic()
            if left <= 0:
                raise DropError(f"no {kind} from the drop target in time")
            select.select([self.dpy.fileno()], [], [], left)

    def answer(self, request):
        prop = request.property or request.target
        if request.selection == self.atom["XdndSelection"] and request.target == self.atom["text/uri-list"]:
            request.requestor.change_property(prop, request.target, 8, self.data)
        else:
            prop = X.NONE
        notify = event.SelectionNotify(time=request.time, requestor=request.requestor,
                                       selection=request.selection, target=request.target, property=prop)
        request.requestor.send_event(notify)
        self.dpy.flush()


def drop_files(x, y, paths, timeout=10.0):
    """Drops `paths` at screen point (x, y); raises DropError when the drop does not complete."""
    dpy = display.Display()
    try:
        source = _Source(dpy, uri_list(paths))
        deadline = time.monotonic() + timeout
        target, version = source.target_at(x, y)
        if target is None:
            raise DropError(f"no XDND-aware window at {x},{y}")
        source.window.set_selection_owner(source.atom["XdndSelection"], X.CurrentTime)
        source.send(target, "XdndEnter", version << 24, source.atom["text/uri-list"])
        source.send(target, "XdndPosition", 0, (x << 16) | y, X.CurrentTime, source.atom["XdndActionCopy"])
        if not source.wait_for("XdndStatus", deadline)[1] & 1:
            source.send(target, "XdndLeave")
            raise DropError(f"the window at {x},{y} refuses the drop")
        source.send(target, "XdndDrop", 0, X.CurrentTime)
        source.wait_for("XdndFinished", deadline)
    finally:
        dpy.close()


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    drop_files(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:])
