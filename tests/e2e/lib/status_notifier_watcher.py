"""A notification area of the D-Bus kind, as today's desktops host tray icons, small enough for a test.

  serve ITEMS_FILE      own org.kde.StatusNotifierWatcher on the session bus, say a host is there,
                        and append the bus name of every icon that registers to ITEMS_FILE
  activate NAME COUNT   call the icon's Activate COUNT times in a row, as COUNT clicks on it would
  context NAME          call the icon's ContextMenu, as a right click on it would
  owned NAME            succeed while NAME is on the bus (an icon that hides leaves the bus)
"""

import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM_INTERFACE = "org.kde.StatusNotifierItem"
ITEM_PATH = "/StatusNotifierItem"
WATCHER_XML = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""


def serve(items_file):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    items = []

    def method_call(connection, sender, path, interface, method, parameters, invocation):
        if method == "RegisterStatusNotifierItem":
            (service,) = parameters.unpack()
            # An icon may give its object path instead of a bus name: then it is the caller.
            name = sender if service.startswith("/") else service
            items.append(name)
            with open(items_file, "a", encoding="utf-8") as out:
                out.write(name + "\n")
            connection.emit_signal(None, path, WATCHER, "StatusNotifierItemRegistered", GLib.Variant("(s)", (name,)))
        invocation.return_value(None)

    def get_property(connection, sender, path, interface, name):
        values = {
            "RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0),
        }
        return values.get(name)

    node = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML)
    bus.register_object("/StatusNotifierWatcher", node.interfaces[0], method_call, get_property, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                          GLib.Variant("(su)", (WATCHER, 4)), GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE,
                          -1, None)
    if reply.unpack()[0] != 1:
        sys.exit("another watcher owns " + WATCHER)
    print("watching", flush=True)
    GLib.MainLoop().run()


def call_item(name, method, count):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for _ in range(count):
        bus.call_sync(name, ITEM_PATH, ITEM_INTERFACE, method, GLib.Variant("(ii)", (40, 40)), None,
                      Gio.DBusCallFlags.NONE, 5000, None)


def owned(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                          GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def main(args):
    command = args[0]
    if command == "serve":
        serve(args[1])
    elif command == "activate":
        call_item(args[1], "Activate", int(args[2]))
    elif command == "context":
        call_item(args[1], "ContextMenu", 1)
    elif command == "owned":
        sys.exit(0 if owned(args[1]) else 1)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(sys.argv[1:])
