#!/usr/bin/python3
"""A stand-in for the desktop portal's Screenshot interface, for tests on a
private session bus. Each call answers as the JSON file named on the command
line says at the time of the call:

    {"reply": "error"}            the call fails
    {"handle": "/some/path"}      the call names its own request path
    {"code": 0, "results": {...}} the request's Response, 20 ms later
    {"signature": "s", "args": ["x"]}  a Response of another shape
    {}                            no Response at all
"""

import json
import sys

import dbus
import dbus.lowlevel
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

REQUEST = "org.freedesktop.portal.Request"


class Portal(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def Screenshot(self, _parent_window, options, sender):
        with open(sys.argv[1], encoding="utf-8") as f:
            script = json.load(f)
        if script.get("reply") == "error":
            raise dbus.exceptions.DBusException("no pictures today",
                                                name="org.freedesktop.portal.Error.Failed")
        path = script.get("handle", "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), options["handle_token"]))
        if "code" in script or "signature" in script:
            GLib.timeout_add(20, respond, path, script)
        return dbus.ObjectPath(path)


def respond(path, script):
    signal = dbus.lowlevel.SignalMessage(path, REQUEST, "Response")
    if "signature" in script:
        signal.append(*script["args"], signature=script["signature"])
    else:
        results = dbus.Dictionary(script.get("results", {}), signature="sv")
        signal.append(dbus.UInt32(script["code"]), results, signature="ua{sv}")
    BUS.send_message(signal)
    return False


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
BUS = dbus.SessionBus()
NAME = dbus.service.BusName("org.freedesktop.portal.Desktop", BUS)
Portal(BUS, "/org/freedesktop/portal/desktop")
GLib.MainLoop().run()
