#!/usr/bin/python3
"""A desktop notification service for the tests, on the session bus named by
DBUS_SESSION_BUS_ADDRESS. Its arguments: the log file, and optionally a delay
in milliseconds before it answers Notify (as a busy desktop may). It logs each
call, one tab-separated line each, when the call comes:

  ready
  Notify <app_name> <replaces_id> <app_icon> <summary> <body> <urgency> <image WxH> <timeout> <id>
         <resident: 1, 0 or none>
  Actions <id> <key> <label> <key> <label> ...
  Close <id>
  Invoked <id> <key> <token>

A test stands in for the user choosing an action of notification <id> with
  notification_service.py --invoke <id> <key> <token> [<times>]
which has the service send ActivationToken (when the token is not empty) and
ActionInvoked, as a desktop does for a click; <times> such clicks at once
(2: a double click).
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
TEST = "org.tockmere.Test"


class Service(dbus.service.Object):
    def __init__(self, bus, log, delay_ms):
        super().__init__(bus, PATH)
        self.log = log
        self.delay_ms = delay_ms
        self.last_id = 0

    def write(self, *fields):
        self.log.write("\t".join(str(f) for f in fields) + "\n")
        self.log.flush()

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u",
                         async_callbacks=("reply", "error"))
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout,
               reply, error):
        self.last_id += 1
        image = hints.get("image-data")
        size = "%dx%d" % (image[0], image[1]) if image is not None else "none"
        urgency = int(hints["urgency"]) if "urgency" in hints else "none"
        resident = int(hints["resident"]) if "resident" in hints else "none"
        self.write("Notify", app_name, int(replaces_id), app_icon, summary, body, urgency,
                   size, int(timeout), self.last_id, resident)
        self.write("Actions", self.last_id, *actions)
        answer = dbus.UInt32(self.last_id)
        if self.delay_ms > 0:
            GLib.timeout_add(self.delay_ms, lambda: reply(answer) or False)
        else:
            reply(answer)

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        self.write("Close", int(notification_id))
        self.NotificationClosed(notification_id, dbus.UInt32(3))

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, notification_id, reason):
        pass

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, notification_id, action_key):
        pass

    @dbus.service.signal(NAME, signature="us")
    def ActivationToken(self, notification_id, token):
        pass

    @dbus.service.method(TEST, in_signature="ussu", out_signature="")
    def Invoke(self, notification_id, action_key, token, times):
        for _ in range(times):
            self.write("Invoked", int(notification_id), action_key, token)
            if token:
                self.ActivationToken(notification_id, token)
            self.ActionInvoked(notification_id, action_key)

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body", "body-markup"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("test-notifications", "tockmere-tests", "1", "1.2")


def invoke(notification_id, action_key, token, times="1"):
    service = dbus.SessionBus().get_object(NAME, PATH)
    service.Invoke(dbus.UInt32(int(notification_id)), action_key, token, dbus.UInt32(int(times)),
                   dbus_interface=TEST)


def main():
    if sys.argv[1] == "--invoke":
        invoke(*sys.argv[2:6])
        return
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    log = open(sys.argv[1], "a", encoding="utf-8")
    delay_ms = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    service = Service(bus, log, delay_ms)
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    service.write("ready")
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
