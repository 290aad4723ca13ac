#!/usr/bin/python3
"""A desktop notification service for the tests, on the session bus named by
DBUS_SESSION_BUS_ADDRESS. Its arguments: the log file, and optionally a delay
in milliseconds before it answers Notify (as a busy desktop may). It logs each
call, one tab-separated line each, when the call comes:

  ready
  Notify <app_name> <replaces_id> <app_icon> <summary> <body> <urgency> <image WxH> <timeout> <id>
  Close <id>
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"


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
        self.write("Notify", app_name, int(replaces_id), app_icon, summary, body, urgency,
                   size, int(timeout), self.last_id)
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

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body", "body-markup"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("test-notifications", "tockmere-tests", "1", "1.2")


def main():
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
