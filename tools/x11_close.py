#!/usr/bin/python3
"""Asks an X window to close the way a window manager's close button does: a WM_DELETE_WINDOW client
message. Without a window manager (as under a bare Xvfb) nothing else sends one.

Usage: /usr/bin/python3 tools/x11_close.py WINDOW_ID   (decimal or 0x hex, e.g. from xdotool search)
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    window_id = int(sys.argv[1], 0)
    disp = display.Display()
    window = disp.create_resource_object("window", window_id)
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        sys.exit("window 0x%x does not take WM_DELETE_WINDOW" % window_id)
    message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    # A round trip, not a flush: only a reply proves the server took the request before we hang up. A
    # flushed message was lost about one time in three on a busy machine.
    disp.sync()
    disp.close()


if __name__ == "__main__":
    main()
