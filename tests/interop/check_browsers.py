#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Checks the program's bookmark writers against the real browsers.

Run by hand (it takes about a minute), not by CTest:

    tests/interop/check_browsers.py BUILD_DIR

Needs the Debian packages firefox-esr and chromium. In a private home it
lets Firefox create a profile, adds bookmarks to its places.sqlite with
interop_writer, opens the profile in Firefox again and asks Firefox, through
Marionette, for each bookmark by its URL, for the database's own checks and
for its maintenance. Then it writes a Bookmarks file as older writers did
(no "synced" root, numeric ids), adds bookmarks to it with interop_writer,
and asks Chromium, through the DevTools protocol on its chrome://bookmarks
page, for the tree it loaded; once more after Chromium has written the file
itself. Prints what each browser saw and exits with 0 when nothing is
missing.
"""
import base64
import http.client
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SAMPLES = ["OpaloSync one", "OpaloSync existing", "OpaloSync Ünïcode ✓"]
FIREFOX_URLS = ["https://one.opalosync.example/page?a=1&b=%222%22", "https://www.mozilla.org/",
                "https://www.example.org/%C3%BCn%C3%AF"]
QUIET_PREFS = {
    "browser.shell.checkDefaultBrowser": False, "app.update.disabledForTesting": True,
    "browser.startup.homepage_override.mstone": "ignore", "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False, "network.proxy.type": 1,
    "network.proxy.http": "127.0.0.1", "network.proxy.http_port": 9, "browser.startup.page": 0,
}
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
                  "--disable-sync", "--disable-background-networking", "--disable-component-update",
                  "--disable-default-apps", "--disable-extensions", "--proxy-server=127.0.0.1:9",
                  "--remote-debugging-port=0"]

failures = []


def check(condition, what):
    print(("ok      " if condition else "MISSING ") + what)
    if not condition:
        failures.append(what)


def wait_for(predicate, timeout=60):
    end = time.time() + timeout
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    raise TimeoutError("browser did not answer")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Marionette:
    """Just enough of Firefox's remote protocol: length-prefixed JSON."""

    def __init__(self, port):
        self.sock = wait_for(lambda: self._connect(port))
        self.file = self.sock.makefile("rb")
        self.next_id = 0
        self._read()  # the greeting

    @staticmethod
    def _connect(port):
        try:
            return socket.create_connection(("127.0.0.1", port))
        except OSError:
            return None

    def _read(self):
        length = b""
        while not length.endswith(b":"):
            length += self.file.read(1)
        return json.loads(self.file.read(int(length[:-1])))

    def call(self, name, params=None):
        self.next_id += 1
        data = json.dumps([0, self.next_id, name, params or {}]).encode()
        self.sock.sendall(str(len(data)).encode() + b":" + data)
        reply = self._read()
        if reply[2]:
            raise RuntimeError("%s: %s" % (name, reply[2]))
        return reply[3]


def run_firefox(home, profile, script=None, args=None):
    port = free_port()
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        for key, value in dict(QUIET_PREFS, **{"marionette.port": port}).items():
            prefs.write("user_pref(%s, %s);\n" % (json.dumps(key), json.dumps(value)))
    env = dict(os.environ, HOME=home, MOZ_HEADLESS="1")
    browser = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--marionette", "-remote-allow-system-access",
                                "-profile", profile],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        client = Marionette(port)
        client.call("WebDriver:NewSession", {"capabilities": {}})
        client.call("Marionette:SetContext", {"value": "chrome"})
        result = None
        if script:
            result = client.call("WebDriver:ExecuteAsyncScript",
                                 {"script": script, "args": args or [], "scriptTimeout": 60000})["value"]
        # A clean quit checkpoints the write-ahead log into places.sqlite.
        client.call("Marionette:Quit", {"flags": ["eForceQuit"]})
        browser.wait(60)
        return result
    finally:
        if browser.poll() is None:
            browser.kill()


FIREFOX_QUERY = """
const [urls, done] = [arguments[0], arguments[arguments.length - 1]];
const { PlacesUtils } = ChromeUtils.importESModule("resource://gre/modules/PlacesUtils.sys.mjs");
const { PlacesDBUtils } = ChromeUtils.importESModule("resource://gre/modules/PlacesDBUtils.sys.mjs");
async function look() {
  const found = {};
  for (const url of urls) {
    found[url] = [];
    await PlacesUtils.bookmarks.fetch({ url }, b => found[url].push({ title: b.title, index: b.index,
      parent: b.parentGuid }));
  }
  const db = await PlacesUtils.promiseDBConnection();
  const rows = await db.execute(
    "SELECT url, url_hash = hash(url) AS hashOk, foreign_count = (SELECT COUNT(*) FROM moz_bookmarks WHERE fk = p.id)"
    + " AS countOk, (SELECT prefix = get_prefix(p.url) AND host = get_host_and_port(p.url) FROM moz_origins"
    + " WHERE id = p.origin_id) AS originOk, length(guid) = 12 AS guidOk FROM moz_places p"
    + " WHERE id IN (SELECT fk FROM moz_bookmarks)");
  const places = rows.map(r => ({ url: r.getResultByName("url"), hashOk: r.getResultByName("hashOk"),
    countOk: r.getResultByName("countOk"), originOk: r.getResultByName("originOk"),
    guidOk: r.getResultByName("guidOk") }));
  const total = (await db.execute("SELECT COUNT(*) AS n FROM moz_bookmarks"))[0].getResultByName("n");
  return { found, places, total };
}
(async () => {
  const before = await look();
  const integrity = await PlacesDBUtils.runTasks([PlacesDBUtils.checkIntegrity]);
  await PlacesDBUtils.checkAndFixDatabase();
  const after = await look();
  return { before, after, integrity: [...integrity.values()].map(v => v.succeeded) };
})().then(done, e => done("error: " + e));
"""


def check_firefox(build, work):
    print("== Firefox:", subprocess.run(["firefox-esr", "--version"], capture_output=True, text=True).stdout.strip())
    home = os.path.join(work, "firefox-home")
    profile = os.path.join(home, ".mozilla", "firefox", "test.default")
    os.makedirs(profile)
    with open(os.path.join(home, ".mozilla", "firefox", "profiles.ini"), "w") as ini:
        ini.write("[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=test\nIsRelative=1\nPath=test.default\n"
                  "Default=1\n")
    first = run_firefox(home, profile, FIREFOX_QUERY, [[]])
    writer = subprocess.run([os.path.join(build, "tests", "interop", "interop_writer"), "firefox"],
                            env=dict(os.environ, HOME=home))
    check(writer.returncode == 0, "interop_writer wrote into Firefox's places.sqlite")
    check(os.path.exists(os.path.join(profile, "places.sqlite.bak")), "a copy of places.sqlite was kept first")
    seen = run_firefox(home, profile, FIREFOX_QUERY, [FIREFOX_URLS])
    if isinstance(seen, str):
        check(False, "Firefox answered: " + seen)
        return
    check(all(seen["integrity"]), "Firefox's integrity check passes")
    for phase in ("before", "after"):
        state = seen[phase]
        label = "" if phase == "before" else " after Firefox's maintenance"
        check(state["total"] == first["before"]["total"] + 4, "every bookmark kept and 4 added%s (%d rows)"
              % (label, state["total"]))
        for url, title in zip(FIREFOX_URLS, SAMPLES):
            titles = [b["title"] for b in state["found"][url]]
            check(title in titles, "Firefox finds %r by its URL%s" % (title, label))
        for place in state["places"]:
            check(place["hashOk"] and place["countOk"] and place["originOk"] and place["guidOk"],
                  "place %s has Firefox's url_hash, foreign_count, origin and guid%s" % (place["url"], label))


class DevTools:
    """Just enough of a WebSocket client for one DevTools page."""

    def __init__(self, port, kind):
        conn = http.client.HTTPConnection("127.0.0.1", port)
        conn.request("GET", "/json")
        targets = json.loads(conn.getresponse().read())
        url = next(t["webSocketDebuggerUrl"] for t in targets if t.get("type") == kind)
        path = url.split(str(port), 1)[1]
        self.sock = socket.create_connection(("127.0.0.1", port))
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(("GET %s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                           "Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n\r\n" % (path, port, key)).encode())
        self.file = self.sock.makefile("rb")
        while self.file.readline() not in (b"\r\n", b""):
            pass
        self.next_id = 0

    def _send(self, text):
        data = text.encode()
        header = bytearray([0x81])
        if len(data) < 126:
            header.append(0x80 | len(data))
        else:
            header.append(0x80 | 126)
            header += len(data).to_bytes(2, "big")
        mask = os.urandom(4)
        self.sock.sendall(bytes(header) + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _receive(self):
        first, second = self.file.read(2)
        length = second & 0x7F
        if length == 126:
            length = int.from_bytes(self.file.read(2), "big")
        elif length == 127:
            length = int.from_bytes(self.file.read(8), "big")
        return first & 0x0F, self.file.read(length)

    def call(self, method, params=None):
        self.next_id += 1
        self._send(json.dumps({"id": self.next_id, "method": method, "params": params or {}}))
        while True:
            opcode, payload = self._receive()
            if opcode == 1:
                message = json.loads(payload)
                if message.get("id") == self.next_id:
                    return message


def connect_devtools(port):
    try:
        return DevTools(port, "page")
    except (OSError, StopIteration):
        return None


def run_chromium(profile_dir):
    active = os.path.join(profile_dir, "DevToolsActivePort")
    if os.path.exists(active):
        os.remove(active)
    browser = subprocess.Popen(["chromium", "--user-data-dir=" + profile_dir] + CHROMIUM_FLAGS,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        port = int(wait_for(lambda: os.path.exists(active) and open(active).readline().strip()))
        # Headless Chromium opens a new tab whatever it is given; the bookmark
        # manager's page is the one that may read the bookmarks.
        page = wait_for(lambda: connect_devtools(port))
        page.call("Page.navigate", {"url": "chrome://bookmarks/"})
        expression = ("chrome.bookmarks ? new Promise(r => chrome.bookmarks.getTree(r)).then(t => JSON.stringify(t))"
                      " : ''")
        reply = wait_for(lambda: page.call("Runtime.evaluate", {"expression": expression, "awaitPromise": True,
                                                                "returnByValue": True})["result"]["result"].get("value"))
        tree = json.loads(reply)
        page.call("Browser.close")
        browser.wait(60)
        return tree
    finally:
        if browser.poll() is None:
            browser.kill()


def titles(tree):
    found = []
    for node in tree:
        found.append(node.get("title"))
        found += titles(node.get("children", []))
    return found


def check_chromium(build, work):
    print("== Chromium:", subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.strip())
    home = os.path.join(work, "chromium-home")
    profile_dir = os.path.join(home, ".config", "chromium")
    os.makedirs(os.path.join(profile_dir, "Default"))
    path = os.path.join(profile_dir, "Default", "Bookmarks")
    # As the program's older writer left it: two roots, numeric ids.
    old = {"roots": {"bookmark_bar": {"children": [{"date_added": "12927020063658444", "id": 3, "name": "Debian",
                                                    "type": "url", "url": "https://www.debian.org/"}],
                                      "date_added": "12927020063658444", "id": 1, "name": "Bookmarks bar",
                                      "type": "folder", "url": ""},
                     "other": {"children": [], "date_added": "12927020063658444", "id": 2,
                               "name": "Other bookmarks", "type": "folder", "url": ""}}, "version": 1}
    with open(path, "w") as f:
        json.dump(old, f)
    check("Debian" not in titles(run_chromium(profile_dir)),
          "Chromium shows a file without \"synced\" as empty (why the root is added)")
    writer = [os.path.join(build, "tests", "interop", "interop_writer"), "chrome"]
    env = dict(os.environ, HOME=home)
    for attempt in (1, 2):
        check(subprocess.run(writer, env=env).returncode == 0, "interop_writer wrote the Bookmarks file (%d)" % attempt)
        seen = titles(run_chromium(profile_dir))
        check("Debian" + " (renamed)" * attempt in seen, "Chromium shows the renamed bookmark (%d)" % attempt)
        for title in SAMPLES + ["OpaloSync folder"]:
            check(seen.count(title) == attempt, "Chromium shows %d x %r" % (attempt, title))
    check(os.path.exists(path + ".bak"), "the previous file was kept as Bookmarks.bak")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    build = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="opalo-interop-")
    try:
        check_firefox(build, work)
        check_chromium(build, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("\n%s" % ("all bookmarks present" if not failures else "%d problem(s)" % len(failures)))
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
