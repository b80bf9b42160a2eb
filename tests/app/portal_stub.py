#!/usr/bin/python3
"""The desktop portal's Screenshot interface, answering each call as the JSON
file named on the command line says: "reply": "error" fails the call,
"handle" names the request, "code" and "results" or "signature" and "args"
make its Response; without them there is none."""

import json
import sys

import dbus
import dbus.lowlevel
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class Portal(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def Screenshot(self, _parent_window, options, sender):
        with open(sys.argv[1], encoding="utf-8") as f:
            script = json.load(f)
        if script.get("reply") == "error":
            raise dbus.exceptions.DBusException("no", name="org.freedesktop.portal.Error.Failed")
        path = script.get("handle", "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), options["handle_token"]))
        if "code" in script or "signature" in script:
            GLib.timeout_add(20, respond, path, script)
        return dbus.ObjectPath(path)


def respond(path, script):
    signal = dbus.lowlevel.SignalMessage(path, "org.freedesktop.portal.Request", "Response")
    if "signature" in script:
        signal.append(*script["args"], signature=script["signature"])
    else:
        signal.append(dbus.UInt32(script["code"]),
                      dbus.Dictionary(script.get("results", {}), signature="sv"))
    BUS.send_message(signal)
    return False


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
BUS = dbus.SessionBus()
NAME = dbus.service.BusName("org.freedesktop.portal.Desktop", BUS)
Portal(BUS, "/org/freedesktop/portal/desktop")
GLib.MainLoop().run()
