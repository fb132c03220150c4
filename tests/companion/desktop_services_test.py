#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""The reader with the desktop's services, all private to this test: a session
bus of its own (dbus-daemon) with a small notification server, the autostart
folder, and starts of the reader that meet in the user's runtime folder.

    desktop_services_test.py PROGRAM DATA_DIR
"""
import json
import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

from gi.repository import Gio, GLib

PROGRAM, DATA_DIR = map(os.path.abspath, sys.argv[1:3])
NOTIFICATIONS = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
INTERFACE = """<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s" direction="in"/><arg type="u" direction="in"/>
<arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="as" direction="in"/><arg type="a{sv}" direction="in"/><arg type="i" direction="in"/>
<arg type="u" direction="out"/></method>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
</interface></node>"""
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(condition, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.05)
    return False


def start_bus(folder):
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                               "--address=unix:path=" + os.path.join(folder, "bus")],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return daemon, daemon.stdout.readline().strip()


def serve_notifications(address, received):
    """A notification server that answers every Notify with number 7, then
    reports that the user chose the notification's first action."""
    flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
             | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)

    def on_call(connection, sender, path, interface, method, parameters, invocation):
        received.append(parameters.unpack())
        invocation.return_value(GLib.Variant("(u)", (7,)))
        actions = parameters.unpack()[5]
        connection.emit_signal(None, PATH, NOTIFICATIONS, "ActionInvoked",
                               GLib.Variant("(us)", (7, actions[0] if actions else "")))

    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    bus.register_object(PATH, info, on_call, None, None)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", GLib.Variant("(su)", (NOTIFICATIONS, 4)), None, 0, -1, None)
    threading.Thread(target=GLib.MainLoop().run, daemon=True).start()
    return bus


def scripted(env, folder, lines, *arguments):
    script = os.path.join(folder, "session.script")
    with open(script, "w") as out:
        out.write("\n".join(lines) + "\n")
    return subprocess.run([PROGRAM, "--data-dir", DATA_DIR, "--today", "2024-12-05",
                           "--script", script, *arguments],
                          env=env, cwd=folder, capture_output=True, text=True, timeout=120)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main():
    work = tempfile.TemporaryDirectory()
    top = work.name
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for variable, name in [("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                           ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "run")]:
        env[variable] = os.path.join(top, name)
        os.makedirs(env[variable], mode=0o700)
    daemons, readers = [], []
    try:
        daemon, address = start_bus(top)
        daemons.append(daemon)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        received = []
        server = serve_notifications(address, received)

        # At the reminder's time the server gets today's verse; its "Lesen"
        # brings that day's page back after the reader went on a day.
        run = scripted(env, top, ["click 1", "clock 07:00", "option reminder 08:00", "clock 08:00",
                                  "wait 3000", "dump a.json"])
        check(run.returncode == 0 and "Erinnerung" not in run.stderr, "a reminder session ends well: " + run.stderr)
        check(len(received) == 1, "one notification reached the server")
        app, _, icon, summary, body, actions, hints, _ = received[0] if received else [None] * 8
        check(summary == "Selunar 2024 – Donnerstag, 5. Dezember 2024", "summary: %s" % summary)
        check(body == "Der aber auf das Steinichte gesät ist, dieser ist es, der das Wort hört und es"
                      " alsbald mit Freuden aufnimmt; – Matthäus 13,20", "body: %s" % body)
        check(actions == ["lesen", "Lesen"] and app == "Selunar", "the action Lesen")
        check('"actdate": "2024-12-05"' in read(os.path.join(top, "a.json")), "Lesen shows that day's page")

        # While the reader shows another edition, "Lesen" shows the day in its own.
        scripted(env, top, ["edition 2024", "clock 07:00", "option reminder 08:00", "clock 08:00", "wait 3000",
                            "dump c.json"], "--today", "2025-03-05")
        shown = json.loads(read(os.path.join(top, "c.json")))
        check((shown["editions"]["shown"], shown["actdate"]) == (2025, "2025-03-05"),
              "Lesen shows the day in its edition: %s %s" % (shown["editions"]["shown"], shown["actdate"]))

        # A bus without a notification server: one line on stderr, nothing else.
        lone, lone_address = start_bus(tempfile.mkdtemp(dir=top))
        daemons.append(lone)
        run = scripted(dict(env, DBUS_SESSION_BUS_ADDRESS=lone_address), top,
                       ["option reminder 08:00", "clock 09:00", "wait 1000", "dump b.json"])
        lines = run.stderr.splitlines()
        check(run.returncode == 0 and len(lines) == 1 and "Erinnerung kann nicht gezeigt werden" in lines[0],
              "without a server one line on stderr: %r" % lines)

        # The autostart entry comes and goes with the option, and the
        # user's other entries stay.
        settings = os.path.join(top, "settings.ini")
        entry = os.path.join(env["XDG_CONFIG_HOME"], "autostart", "de.selunar.Reader.desktop")
        scripted(env, top, ["option autostart on"], "--settings", settings)
        check(os.path.exists(entry) and " --once\n" in read(entry), "ticking writes the entry")
        check(subprocess.run(["desktop-file-validate", entry]).returncode == 0, "the entry is valid")
        other = os.path.join(os.path.dirname(entry), "other.desktop")
        open(other, "w").close()
        scripted(env, top, ["option autostart off"], "--settings", settings)
        check(not os.path.exists(entry) and os.path.exists(other), "unticking removes that entry alone")

        # A second start hands over to the running reader and ends; with
        # --once the running one shows today's page when it was not shown today.
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "selunar.socket")
        kept = os.path.join(top, "first.ini")
        start = [PROGRAM, "--data-dir", DATA_DIR, "--today", "2024-12-05", "--settings", kept]
        first = subprocess.Popen(start, env=env)
        readers.append(first)
        check(wait_for(lambda: os.path.exists(socket) and os.path.exists(kept)
                       and "page_shown=2024-12-05" in read(kept)), "the first reader runs")
        forget = lambda: open(kept, "w").write(read(kept).replace("page_shown=2024-12-05\n", ""))
        forget()
        check(subprocess.run(start, env=env, timeout=20).returncode == 0, "a second start ends with 0")
        time.sleep(1)
        check("page_shown" not in read(kept), "a plain second start only brings the window forward")
        check(subprocess.run(start + ["--once"], env=env, timeout=20).returncode == 0,
              "a second start with --once ends with 0")
        check(wait_for(lambda: "page_shown=2024-12-05" in read(kept)), "the first reader shows today's page")
        check(first.poll() is None, "the first reader runs on")

        # A reader that crashed leaves its socket behind; the next start runs.
        first.send_signal(signal.SIGKILL)
        first.wait()
        check(os.path.exists(socket), "the crash left the socket")
        after = subprocess.Popen(start, env=env)
        readers.append(after)
        time.sleep(2)
        check(after.poll() is None, "the next start runs despite the stale socket")
        check(subprocess.run(start, env=env, timeout=20).returncode == 0, "and takes later starts")
        server.close_sync(None)
    except subprocess.TimeoutExpired as timeout:
        check(False, "%s ended in time" % timeout.cmd)
    finally:
        for process in readers + daemons:
            process.terminate()
            process.wait()
    print("%d failed" % len(failures) if failures else "all passed")
    return 1 if failures else 0


sys.exit(main())
