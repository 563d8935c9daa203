#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""What a screen reader finds in OpaloSync.

Starts the program under Xvfb with the accessibility bus, against the HAL
simulator serving a netbook whose folders hold camera-named pictures, and
reads the window as a screen reader does (AT-SPI, through pyatspi): every
push button, tab and list item has a name, each file list holds the files it
shows with their selection (also as a table), an item pressed opens, the folder trees have one column, the hidden
Bookmarks category shows nothing and takes no focus, the gauge is told in
words and only when they change, and connecting is announced. Exits 77 (skipped), saying why, where a tool it needs is missing.

usage: check_accessibility.py --program OpaloSync --halsim halsim
"""
import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
DEVICE_PICTURES = ["IMG_20250712_183401.jpg", "IMG_20250712_183415.jpg", "PXL_20250801_101530123.PORTRAIT.jpg",
                   "Beach party with the whole family at sunset.jpg"]
DEVICE_FOLDERS = ["Holidays 2024"]
# The computer has one of the device's pictures, of another size: copying
# the device's files asks about it.
HOST_PICTURES = ["DSC_0042.jpg", "IMG_20250713_070102.jpg", DEVICE_PICTURES[0]]


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIPPED)


def check_tools():
    for tool, package in (("Xvfb", "xvfb"), ("dbus-daemon", "dbus"), ("dbus-send", "dbus"),
                          ("xprop", "x11-utils"), ("xdotool", "xdotool")):
        if not shutil.which(tool):
            skip("%s is missing (Debian package %s)" % (tool, package))
    if not os.path.exists(BUS_LAUNCHER):
        skip("the accessibility bus is missing (Debian package at-spi2-core)")
    if subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True).returncode != 0:
        skip("pyatspi is missing for %s (Debian package python3-pyatspi)" % sys.executable)


def make_files(root):
    device = os.path.join(root, "device")
    for name in DEVICE_PICTURES:
        write(os.path.join(device, "Pictures", name))
    for name in DEVICE_FOLDERS:
        os.makedirs(os.path.join(device, "Pictures", name))
    write(os.path.join(device, "Pictures", "notes.txt"))
    write(os.path.join(device, ".opalo"), b"Magno 2\n")
    for name in HOST_PICTURES:
        write(os.path.join(root, "home", "Pictures", name),
              b"\xff\xd8 another picture" if name in DEVICE_PICTURES else b"\xff\xd8 not really a picture")
    description = {"devices": [
        {"name": "computer", "nodes": [{"udi": "/org/freedesktop/Hal/devices/computer",
                                        "properties": {"info.product": "Computer"}}]},
        {"name": "opalo", "nodes": [
            {"udi": "/org/freedesktop/Hal/devices/usb_device_opalo",
             "properties": {"info.parent": "/org/freedesktop/Hal/devices/computer",
                            "info.subsystem": "usb_device", "usb_device.vendor_id": 0x525,
                            "usb_device.product_id": 0xa4a5}},
            {"udi": "/org/freedesktop/Hal/devices/storage_opalo",
             "properties": {"info.parent": "/org/freedesktop/Hal/devices/usb_device_opalo",
                            "info.subsystem": "block", "info.capabilities": ["storage", "block"]}},
            {"udi": "/org/freedesktop/Hal/devices/volume_opalo",
             "properties": {"info.parent": "/org/freedesktop/Hal/devices/storage_opalo",
                            "info.subsystem": "block", "info.capabilities": ["volume", "block"],
                            "volume.fstype": "vfat"},
             "volume": {"backing": device, "mounted": True}}]}]}
    path = os.path.join(root, "devices.json")
    with open(path, "w") as out:
        json.dump(description, out)
    return path


def write(path, data=b"\xff\xd8 not really a picture"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


class Session:
    """The processes of one run, ended in reverse order."""

    def __init__(self, root):
        self.root = root
        self.processes = []
        self.pids = []
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("KDE_", "GNOME_", "DBUS_", "QT_", "LC_"))
                    and k not in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "DISPLAY", "WAYLAND_DISPLAY")}
        runtime = os.path.join(root, "runtime")
        os.mkdir(runtime, 0o700)
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=os.path.join(root, "home"), LANG="en_US.UTF-8",
                        LANGUAGE="en", QT_QPA_PLATFORM="xcb")

    def start_x(self):
        read, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1280x900x24"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

    def bus(self):
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, capture_output=True, text=True, check=True).stdout.split()
        self.pids.append(int(out[1]))
        return out[0]

    def start_halsim(self, halsim, description):
        address = self.bus()
        simulator = subprocess.Popen([halsim, "--address", address, description], stdout=subprocess.PIPE,
                                     stdin=subprocess.DEVNULL, env=self.env, text=True)
        self.processes.append(simulator)
        if simulator.stdout.readline().strip() != "ready":
            raise RuntimeError("the HAL simulator did not start")
        return address

    def start_accessibility_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus()
        address = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                                  "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=self.env,
                                 capture_output=True, text=True, check=True).stdout.strip()
        self.wait_for_steady_registry(address)
        # A desktop session names the bus on the screen too; Qt 5 registers
        # with the registry only when it finds it there at start.
        subprocess.run(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", address],
                       env=self.env, check=True)

    def registry_owner(self, address):
        reply = subprocess.run(["dbus-send", "--bus=" + address, "--print-reply=literal",
                                "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                "org.freedesktop.DBus.GetNameOwner", "string:org.a11y.atspi.Registry"],
                               env=self.env, capture_output=True, text=True)
        return reply.stdout.strip() if reply.returncode == 0 else None

    def wait_for_steady_registry(self, address):
        # Brings the registry up before the program. It has been seen to quit
        # just after it started ("recipient disconnected") and to come back
        # under a new name: a program that registered with the first is never
        # listed. It is steady once it keeps its name for a second.
        deadline = time.monotonic() + 60
        owner = None
        while time.monotonic() < deadline:
            subprocess.run([sys.executable, "-c", "import pyatspi; pyatspi.Registry.getDesktop(0)"],
                           env=self.env, capture_output=True, timeout=60)
            now = self.registry_owner(address)
            if now is not None and now == owner:
                return
            owner = now
            time.sleep(1)
        raise RuntimeError("the accessibility registry did not settle")

    def start_program(self, program, system_bus):
        env = dict(self.env, DBUS_SYSTEM_BUS_ADDRESS=system_bus, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.processes.append(subprocess.Popen([program, "fromLauncher"], env=env, stdin=subprocess.DEVNULL,
                                               stdout=subprocess.DEVNULL,
                                               stderr=open(os.path.join(self.root, "program.log"), "w")))

    def end(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        for pid in self.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass


class Reader:
    """The program as a screen reader reads it."""

    def __init__(self, session):
        os.environ.update({k: session.env[k] for k in ("DISPLAY", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.names = []
        self.focused = []
        pyatspi.Registry.registerEventListener(self.on_name, "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")

    def on_name(self, event):
        try:
            self.names.append((event.source.getRole(), event.source.name))
        except Exception:
            pass

    def on_focus(self, event):
        try:
            if event.detail1:
                self.focused.append((event.source.getRole(), event.source.name, event.source.parent.getRole(),
                                     event.source.parent.name))
        except Exception:
            pass

    def wait(self, what, condition, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while self.context.iteration(False):
                pass
            try:
                value = condition()
            except Exception:
                value = None
            if value:
                return value
            time.sleep(0.2)
        raise AssertionError("timed out waiting for " + what)

    def application(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "OpaloSync":
                return app
        return None

    def objects(self, root, roles):
        found = []
        pending = [root]
        while pending:
            node = pending.pop()
            if node is None:
                continue
            # By role, never by its name: at-spi2-core renames roles between
            # releases (a push button is a "button" from 2.56 on).
            if node.getRole() in roles:
                found.append(node)
            pending.extend(node[i] for i in range(node.childCount))
        return found

    def state(self, node, state):
        return node.getState().contains(state)

    def showing(self, node):
        return self.state(node, self.pyatspi.STATE_SHOWING)


def check(reader, app, problems, session):
    pyatspi = reader.pyatspi
    started = time.monotonic()
    lists = reader.wait("the lists with the device's files", lambda: {
        node.name: node for node in reader.objects(app, (pyatspi.ROLE_LIST,))
        if node.name in ("Files on this computer", "Files on the netbook")
        and node.childCount >= (len(HOST_PICTURES) if node.name.endswith("computer")
                                else len(DEVICE_PICTURES) + len(DEVICE_FOLDERS))})
    if len(lists) != 2:
        problems.append("the two file lists are not both there: %s" % sorted(lists))

    expected = {"Files on the netbook": DEVICE_PICTURES + DEVICE_FOLDERS, "Files on this computer": HOST_PICTURES}
    for name, node in lists.items():
        shown = sorted(node[i].name for i in range(node.childCount))
        if shown != sorted(expected[name]):
            problems.append("%s holds %s, not %s" % (name, shown, sorted(expected[name])))

    for node in reader.objects(app, (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST_ITEM)):
        if reader.showing(node) and not node.name.strip():
            problems.append("a %s on screen has no name" % node.getRoleName())
    tabs = [node for node in reader.objects(app, (pyatspi.ROLE_PAGE_TAB,)) if reader.showing(node)]
    if sorted(tab.name for tab in tabs) != ["Documents", "Music", "Pictures", "Videos"]:
        problems.append("the category tabs are %s" % sorted(tab.name for tab in tabs))
    for tab in tabs:
        if not reader.state(tab, pyatspi.STATE_FOCUSABLE):
            problems.append("tab %s cannot take the focus" % tab.name)
    names = {node.name for node in reader.objects(app, (pyatspi.ROLE_PUSH_BUTTON,))}
    for button in ("Copy to the netbook", "Copy to this computer", "New folder on the netbook",
                   "Delete from the netbook", "Disconnect"):
        if button not in names:
            problems.append("no push button named %r" % button)

    gauges = [node.name for node in reader.objects(app, (pyatspi.ROLE_PROGRESS_BAR,)) if reader.showing(node)]
    if not any(name.startswith("Pictures ") and ", free " in name for name in gauges):
        problems.append("the gauge is not told in words: %s" % gauges)

    # The hidden Bookmarks category shows nothing; each folder tree has one
    # column of folders.
    trees = reader.objects(app, (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE))
    if sorted(tree.name for tree in trees) != ["Folders on the netbook", "Folders on this computer"]:
        problems.append("the trees a screen reader finds are %s" % sorted(tree.name for tree in trees))
    for tree in trees:
        if tree.queryTable().nColumns != 1:
            problems.append("%s has %d columns" % (tree.name, tree.queryTable().nColumns))
    # Until the keyboard moves, the focus stays on the Pictures tab.
    if any(parent in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE) for _, _, parent, _ in reader.focused):
        problems.append("the focus passed through a tree on connecting: %s" % reader.focused)

    # The selection as the keyboard makes it: Tab to the device's list, then
    # Ctrl+A; every item says it is selected.
    device = lists.get("Files on the netbook")
    if device is not None:
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Vantora"], env=session.env,
                                capture_output=True, text=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], env=session.env)
        for _ in range(12):
            if reader.state(device, pyatspi.STATE_FOCUSED):
                break
            subprocess.run(["xdotool", "key", "Tab"], env=session.env)
            time.sleep(0.3)
        subprocess.run(["xdotool", "key", "ctrl+a"], env=session.env)
        try:
            reader.wait("the device's files to be selected", lambda: all(
                reader.state(device[i], pyatspi.STATE_SELECTED) for i in range(device.childCount)), 15)
        except AssertionError as error:
            problems.append(str(error))
        # The list is a table of one column, its selection read by rows.
        table = device.queryTable()
        if (table.nRows, table.nColumns, table.nSelectedRows) != (device.childCount, 1, device.childCount):
            problems.append("the device's list as a table: %d rows, %d columns, %d selected, of %d items"
                            % (table.nRows, table.nColumns, table.nSelectedRows, device.childCount))
        # Copied while they are all selected, before a folder is opened below.
        check_overwrite_question(reader, app, problems, session)

    # The free space is read every second; only a change is told.
    reader.wait("two readings of the free space", lambda: time.monotonic() - started > 2.5, 10)
    gauge_names = [name for role, name in reader.names if role == pyatspi.ROLE_PROGRESS_BAR]
    if any(before == after for before, after in zip(gauge_names, gauge_names[1:])):
        problems.append("the gauge told the same name again: %s" % gauge_names)

    # Pressed, a folder's item opens the folder, an empty one.
    if device is not None:
        folder = [device[i] for i in range(device.childCount) if device[i].name == DEVICE_FOLDERS[0]]
        actions = folder[0].queryAction() if folder else None
        names = [actions.getName(i) for i in range(actions.nActions)] if actions else []
        if "Press" not in names:
            problems.append("the item %s offers %s, not Press" % (DEVICE_FOLDERS[0], names))
        else:
            actions.doAction(names.index("Press"))
            try:
                reader.wait("the folder pressed to open", lambda: device.childCount == 0, 15)
            except AssertionError as error:
                problems.append(str(error))

    announcements = [node.name for node in reader.objects(app, (pyatspi.ROLE_NOTIFICATION,))]
    if announcements != ["Connected to OPALO™"]:
        problems.append("the connection is not announced: %s" % announcements)
    if (pyatspi.ROLE_NOTIFICATION, "Connected to OPALO™") not in reader.names:
        problems.append("no event told of the connection: %s" % reader.names)


def click(reader, node, session):
    """Clicks the middle of node, as a user does."""
    box = node.queryComponent().getExtents(reader.pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
                    "click", "1"], env=session.env)


def showing_named(reader, app, roles):
    return {node.name: node for node in reader.objects(app, roles) if reader.showing(node)}


def check_overwrite_question(reader, app, problems, session):
    """The device's files, all selected, copied to the computer, which has one of them: the question
    about it names and describes every control, and Escape cancels the copy with no other question."""
    pyatspi = reader.pyatspi
    buttons = (pyatspi.ROLE_PUSH_BUTTON,)
    click(reader, showing_named(reader, app, buttons)["Copy to this computer"], session)
    try:
        click(reader, reader.wait("the question before the copy",
                                  lambda: showing_named(reader, app, buttons).get("Yes"), 15), session)
        reader.wait("the overwrite question", lambda: "Keep both" in showing_named(reader, app, buttons), 30)
    except AssertionError as error:
        problems.append(str(error))
        return
    shown = showing_named(reader, app, buttons)
    for name in ("Replace", "Skip", "Keep both", "Cancel copy"):
        if name not in shown or not shown[name].description:
            problems.append("the overwrite question has no described button %r" % name)
    if "Do the same for all remaining files" not in showing_named(reader, app, (pyatspi.ROLE_CHECK_BOX,)):
        problems.append("the overwrite question has no check box for all remaining files")
    labels = showing_named(reader, app, (pyatspi.ROLE_LABEL,))
    for side in ("Already there", "To be copied"):
        if side not in labels or not reader.state(labels[side], pyatspi.STATE_FOCUSABLE):
            problems.append("the overwrite question's facts %r cannot be reached" % side)
        if "Picture: " + side not in showing_named(reader, app, (pyatspi.ROLE_IMAGE,)):
            problems.append("the overwrite question's picture %r has no name" % side)
    subprocess.run(["xdotool", "key", "Escape"], env=session.env)
    try:
        report = reader.wait("the report of the cancelled copy", lambda: [
            name for name in showing_named(reader, app, (pyatspi.ROLE_LABEL,))
            if name.endswith("copied; the rest were not.")], 30)
    except AssertionError as error:
        problems.append(str(error))
        return
    if "Keep both" in showing_named(reader, app, buttons):
        problems.append("another overwrite question came after Escape: %s" % report)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--halsim", required=True)
    args = parser.parse_args()
    check_tools()

    with tempfile.TemporaryDirectory(prefix="opalo-a11y-") as root:
        description = make_files(root)
        session = Session(root)
        problems = []
        try:
            session.start_x()
            session.start_accessibility_bus()
            system_bus = session.start_halsim(args.halsim, description)
            reader = Reader(session)
            session.start_program(args.program, system_bus)
            app = reader.wait("the program among the accessible applications", reader.application)
            check(reader, app, problems, session)
        except AssertionError as error:
            problems.append(str(error))
        finally:
            session.end()
            with open(os.path.join(root, "program.log")) as log:
                output = log.read()
        for problem in problems:
            print("FAIL: " + problem)
        if problems and output:
            print("The program said:\n" + output)
        print("%d problems" % len(problems))
        return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
