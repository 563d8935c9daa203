#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Checks the program's bookmark exchange against the real browsers.

Run by hand (it takes a few minutes), not by CTest:

    tests/interop/check_browsers.py BUILD_DIR

Needs the Debian packages firefox-esr and chromium. In a private, empty home
it lets Firefox make its own profile and uses it (history, a tag, a keyword),
and lets Chromium make its own bookmark file. interop_writer then copies
bookmarks into them through the program's own PC model, as the PC pane does:
once while the browser has been started behind its back (nothing may be
written), then for real. Firefox is asked, through Marionette, for each
bookmark by its URL, for the database's own checks, for its maintenance, and
for the history, tags and keywords it had; Chromium, through the DevTools
protocol on its chrome://bookmarks page, for the tree it loaded. Files of the
kinds the program must not write, or must write with care (another version,
nodes of unknown kinds, odd root ids), and nestings on both sides of the
deepest one Chromium loads, are tried as well. Prints what each browser saw
and exits with 0 when nothing is missing.
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

FIREFOX_SAMPLES = {
    "OpaloSync one": "https://one.opalosync.example/page?a=1&b=%222%22",
    "OpaloSync existing": "https://history.opalosync.example/",
    "OpaloSync Ünïcode ✓": "https://www.example.org/%C3%BCn%C3%AF",
    "OpaloSync bookmarklet": "javascript:alert('a b')",
    "OpaloSync data": "data:text/html,<b>x y</b>",
    "OpaloSync place": "place:parent=toolbar_____&sort=8",
    "OpaloSync mail": "mailto:Me@Example.org?subject=hi there",
    "OpaloSync port": "http://example.com:80/y",
}
CHROMIUM_SAMPLES = ["OpaloSync folder", "OpaloSync one", "OpaloSync existing", "OpaloSync Ünïcode ✓"]
HISTORY_TITLE = "Visited title"
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


def environment(home):
    env = dict(os.environ, HOME=home, MOZ_HEADLESS="1")
    env.pop("XDG_CONFIG_HOME", None)
    return env


def read_ini(path):
    sections, current = {}, None
    with open(path, encoding="utf-8") as ini:
        for line in ini:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[key.strip()] = value.strip()
    return sections


class Writer:
    """interop_writer, optionally held between reading and writing."""

    def __init__(self, build, home, browser, hold=None):
        command = [os.path.join(build, "tests", "interop", "interop_writer"), browser] + ([hold] if hold else [])
        self.process = subprocess.Popen(command, env=environment(home), stdout=subprocess.PIPE, text=True)
        self.hold = hold
        if hold:
            try:
                wait_for(lambda: os.path.exists(hold + ".ready") or self.process.poll() is not None)
            except TimeoutError:
                self.process.kill()
                raise

    def finish(self):
        if self.hold:
            open(self.hold, "w").close()
        output, _ = self.process.communicate(timeout=120)
        lines = output.splitlines()
        roots = [int(line.split()[1]) for line in lines if line.startswith("root ")]
        unwritten = [line[len("unwritten "):] for line in lines if line.startswith("unwritten ")]
        return self.process.returncode, roots, unwritten


def write_while_running(build, home, browser, start):
    """The browser started after the writer read its store: nothing may be
    written, and the writer must say so."""
    writer = Writer(build, home, browser, os.path.join(home, "hold-" + browser))
    running = start()
    try:
        status, _, unwritten = writer.finish()
    finally:
        running.quit()
    check(status == 3 and "OpaloSync folder" in unwritten,
          "nothing is written while %s runs, and that is reported (%s)" % (browser, status))


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


class Firefox:
    """Firefox started in a home without naming a profile: it uses the one it
    chose itself, whose Marionette port is read from that profile."""

    def __init__(self, home, profile=None):
        self.home = home
        self.profile = profile
        if profile and os.path.exists(os.path.join(profile, "MarionetteActivePort")):
            os.remove(os.path.join(profile, "MarionetteActivePort"))
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "-remote-allow-system-access"],
                                        env=environment(home), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            if not self.profile:
                self.profile = wait_for(self._own_profile)
            active = os.path.join(self.profile, "MarionetteActivePort")
            port = int(wait_for(lambda: os.path.exists(active) and open(active).read().strip()))
            self.client = Marionette(port)
            self.client.call("WebDriver:NewSession", {"capabilities": {}})
            self.client.call("Marionette:SetContext", {"value": "chrome"})
        except Exception:
            self.process.kill()
            raise

    def _own_profile(self):
        ini = os.path.join(self.home, ".config", "mozilla", "firefox", "profiles.ini")
        if not os.path.exists(ini):
            return None
        for name, section in read_ini(ini).items():
            if name.startswith("Install") and section.get("Default"):
                profile = os.path.join(os.path.dirname(ini), section["Default"])
                return profile if os.path.exists(os.path.join(profile, "MarionetteActivePort")) else None
        return None

    def run(self, script, args=None):
        return self.client.call("WebDriver:ExecuteAsyncScript",
                                {"script": script, "args": args or [], "scriptTimeout": 60000})["value"]

    def quit(self):
        # A clean quit checkpoints the write-ahead log into places.sqlite.
        try:
            self.client.call("Marionette:Quit", {"flags": ["eForceQuit"]})
            self.process.wait(60)
        finally:
            if self.process.poll() is None:
                self.process.kill()


FIREFOX_USE = """
const done = arguments[arguments.length - 1];
const { PlacesUtils } = ChromeUtils.importESModule("resource://gre/modules/PlacesUtils.sys.mjs");
(async () => {
  await PlacesUtils.history.insert({ url: "https://history.opalosync.example/", title: "%s",
    visits: [{ transition: PlacesUtils.history.TRANSITIONS.TYPED }] });
  await PlacesUtils.bookmarks.insert({ parentGuid: PlacesUtils.bookmarks.unfiledGuid,
    url: "https://tagged.opalosync.example/", title: "Tagged" });
  PlacesUtils.tagging.tagURI(Services.io.newURI("https://tagged.opalosync.example/"), ["opalo-tag"]);
  await PlacesUtils.keywords.insert({ keyword: "opk", url: "https://keyword.opalosync.example/?q=%%s" });
  return PlacesUtils.tagging.getTagsForURI(Services.io.newURI("https://tagged.opalosync.example/"));
})().then(done, e => done("error: " + e));
""" % HISTORY_TITLE

FIREFOX_QUERY = """
const [urls, done] = [arguments[0], arguments[arguments.length - 1]];
const { PlacesUtils } = ChromeUtils.importESModule("resource://gre/modules/PlacesUtils.sys.mjs");
const { PlacesDBUtils } = ChromeUtils.importESModule("resource://gre/modules/PlacesDBUtils.sys.mjs");
async function look() {
  const found = {};
  for (const url of urls) {
    found[url] = [];
    await PlacesUtils.bookmarks.fetch({ url }, b => found[url].push(b.title));
  }
  const db = await PlacesUtils.promiseDBConnection();
  const rows = await db.execute(
    "SELECT url, url_hash = hash(url) AS hashOk, foreign_count = (SELECT COUNT(*) FROM moz_bookmarks WHERE fk = p.id)"
    + " + (SELECT COUNT(*) FROM moz_keywords WHERE place_id = p.id) AS countOk,"
    + " (SELECT prefix = get_prefix(p.url) AND host = get_host_and_port(p.url) FROM moz_origins"
    + " WHERE id = p.origin_id) AS originOk, length(guid) = 12 AS guidOk FROM moz_places p"
    + " WHERE id IN (SELECT fk FROM moz_bookmarks)");
  const places = rows.map(r => ({ url: r.getResultByName("url"), hashOk: r.getResultByName("hashOk"),
    countOk: r.getResultByName("countOk"), originOk: r.getResultByName("originOk"),
    guidOk: r.getResultByName("guidOk") }));
  const total = (await db.execute("SELECT COUNT(*) AS n FROM moz_bookmarks"))[0].getResultByName("n");
  const history = await PlacesUtils.history.fetch("https://history.opalosync.example/");
  const tags = PlacesUtils.tagging.getTagsForURI(Services.io.newURI("https://tagged.opalosync.example/"));
  const keyword = await PlacesUtils.keywords.fetch("opk");
  const tagsFolder = (await db.execute("SELECT id FROM moz_bookmarks WHERE guid = :guid",
    { guid: PlacesUtils.bookmarks.tagsGuid }))[0].getResultByName("id");
  return { found, places, total, historyTitle: history && history.title, tags,
    keyword: keyword && keyword.url.href, tagsFolder };
}
(async () => {
  const before = await look();
  const integrity = await PlacesDBUtils.runTasks([PlacesDBUtils.checkIntegrity]);
  await PlacesDBUtils.checkAndFixDatabase();
  const after = await look();
  return { before, after, integrity: [...integrity.values()].map(v => v.succeeded) };
})().then(done, e => done("error: " + e));
"""


def look_in_firefox(home, profile, urls):
    firefox = Firefox(home, profile)
    try:
        seen = firefox.run(FIREFOX_QUERY, [urls])
    finally:
        firefox.quit()
    if isinstance(seen, str):
        raise RuntimeError("Firefox answered: " + seen)
    return seen


def check_firefox(build, home, chromium_file):
    print("== Firefox:", subprocess.run(["firefox-esr", "--version"], capture_output=True, text=True).stdout.strip())
    # A new user: Firefox makes its profile itself, and the user uses it.
    firefox = Firefox(home)
    try:
        tags = firefox.run(FIREFOX_USE)
    finally:
        firefox.quit()
    profile = firefox.profile
    folder = os.path.dirname(profile)
    check(folder == os.path.join(home, ".config", "mozilla", "firefox"),
          "Firefox made its profiles under ~/.config/mozilla/firefox")
    legacy = [s.get("Path") for n, s in read_ini(os.path.join(folder, "profiles.ini")).items()
              if n.startswith("Profile") and s.get("Default") == "1"]
    check(legacy and os.path.join(folder, legacy[0]) != profile,
          "Default=1 marks another profile than the one Firefox uses")
    check(tags == ["opalo-tag"], "the profile has history, a tag and a keyword")
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        for key, value in dict(QUIET_PREFS, **{"marionette.port": 0}).items():
            prefs.write("user_pref(%s, %s);\n" % (json.dumps(key), json.dumps(value)))
    urls = list(FIREFOX_SAMPLES.values())
    first = look_in_firefox(home, profile, urls)

    write_while_running(build, home, "firefox", lambda: Firefox(home, profile))
    unchanged = look_in_firefox(home, profile, urls)
    check(unchanged["before"]["total"] == first["before"]["total"], "Firefox's bookmarks are as they were")

    chromium_before = open(chromium_file, "rb").read()
    status, roots, unwritten = Writer(build, home, "firefox").finish()
    check(status == 0 and not unwritten, "interop_writer wrote into the profile Firefox uses (%s %s)"
          % (status, unwritten))
    check(roots and first["before"]["tagsFolder"] not in roots, "Firefox's Tags are not offered as a folder")
    check(os.path.exists(os.path.join(profile, "places.sqlite.bak")), "a copy of places.sqlite was kept first")
    check(open(chromium_file, "rb").read() == chromium_before, "Chromium's file is untouched by a Firefox copy")

    seen = look_in_firefox(home, profile, urls)
    check(all(seen["integrity"]), "Firefox's integrity check passes")
    for phase in ("before", "after"):
        state = seen[phase]
        label = "" if phase == "before" else " after Firefox's maintenance"
        check(state["total"] == first["before"]["total"] + len(FIREFOX_SAMPLES) + 1,
              "every bookmark kept and %d added%s (%d rows)" % (len(FIREFOX_SAMPLES) + 1, label, state["total"]))
        for title, url in FIREFOX_SAMPLES.items():
            check(title in state["found"][url], "Firefox finds %r by its URL%s" % (title, label))
        for place in state["places"]:
            check(place["hashOk"] and place["countOk"] and place["originOk"] and place["guidOk"],
                  "place %s has Firefox's url_hash, foreign_count, origin and guid%s" % (place["url"], label))
        check(state["historyTitle"] == HISTORY_TITLE, "the page visited keeps its history title%s" % label)
        check(state["tags"] == ["opalo-tag"], "the tag is still there%s" % label)
        check(state["keyword"] == "https://keyword.opalosync.example/?q=%s", "the keyword is still there%s" % label)


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


class Chromium:
    """Chromium on its bookmark manager's page, the one that may read and
    change the bookmarks; by default on ~/.config/chromium of the home, its
    own folder when it is not headless."""

    def __init__(self, home, data=None):
        # Headless, Chromium keeps a profile of its own elsewhere unless told.
        data = data or os.path.join(home, ".config", "chromium")
        flags = ["--user-data-dir=" + data] + CHROMIUM_FLAGS
        active = os.path.join(data, "DevToolsActivePort")
        if os.path.exists(active):
            os.remove(active)
        self.process = subprocess.Popen(["chromium"] + flags, env=environment(home),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            port = int(wait_for(lambda: os.path.exists(active) and open(active).readline().strip()))
            self.page = wait_for(lambda: connect_devtools(port))
            self.page.call("Page.navigate", {"url": "chrome://bookmarks/"})
            wait_for(lambda: self.evaluate("chrome.bookmarks ? 'yes' : ''"))
        except Exception:
            self.process.kill()
            raise

    def evaluate(self, expression):
        reply = self.page.call("Runtime.evaluate", {"expression": expression, "awaitPromise": True,
                                                    "returnByValue": True})
        return reply["result"]["result"].get("value")

    def titles(self):
        return titles(json.loads(self.evaluate("new Promise(r => chrome.bookmarks.getTree(r))"
                                               ".then(t => JSON.stringify(t))")))

    def search(self, text):
        return json.loads(self.evaluate("new Promise(r => chrome.bookmarks.search(%s, r))"
                                        ".then(t => JSON.stringify(t.map(n => n.title)))" % json.dumps(text)))

    def quit(self):
        try:
            self.page.call("Browser.close")
            self.process.wait(60)
        finally:
            if self.process.poll() is None:
                self.process.kill()


def titles(tree):
    found = []
    for node in tree:
        found.append(node.get("title"))
        found += titles(node.get("children", []))
    return found


def seen_by_chromium(home, data=None, search=None):
    chromium = Chromium(home, data)
    try:
        return chromium.search(search) if search is not None else chromium.titles()
    finally:
        chromium.quit()


def make_chromium_profile(home):
    """Chromium writes its own Bookmarks file, with a bookmark the user made."""
    chromium = Chromium(home)
    try:
        chromium.evaluate("new Promise(r => chrome.bookmarks.create({ parentId: '1', title: 'Debian',"
                          " url: 'https://www.debian.org/' }, r)).then(() => 'done')")
    finally:
        chromium.quit()
    path = os.path.join(home, ".config", "chromium", "Default", "Bookmarks")
    wait_for(lambda: os.path.exists(path))
    return path


def edit_json(path, change):
    with open(path) as f:
        data = json.load(f)
    change(data)
    data.pop("checksum", None)
    with open(path, "w") as f:
        json.dump(data, f)


def chain(levels):
    """The bookmark bar's contents: folders down to a bookmark on level levels."""
    node = {"type": "url", "name": "deep leaf", "url": "https://deep.opalosync.example/", "id": "1000"}
    for level in range(levels - 1, 1, -1):
        node = {"type": "folder", "name": "level %d" % level, "id": str(100 + level), "children": [node]}
    return node


def check_chromium(build, home, path):
    print("== Chromium:", subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.strip())
    write_while_running(build, home, "chrome", lambda: Chromium(home))
    check("OpaloSync folder" not in seen_by_chromium(home), "Chromium's bookmarks are as they were")

    # Electron programs keep Chrome's crash handler running; it is not Chrome.
    helper_dir = os.path.join(home, "bin")
    os.makedirs(helper_dir, exist_ok=True)
    shutil.copy("/bin/sleep", os.path.join(helper_dir, "chrome_crashpad_handler"))
    helper = subprocess.Popen([os.path.join(helper_dir, "chrome_crashpad_handler"), "60"])
    try:
        status, roots, unwritten = Writer(build, home, "chrome").finish()
    finally:
        helper.kill()
    check(status == 0 and not unwritten, "interop_writer wrote beside a crash handler named after Chrome (%s)"
          % status)
    seen = seen_by_chromium(home)
    check("Debian" in seen, "Chromium still shows its own bookmark")
    for title in CHROMIUM_SAMPLES + ["OpaloSync in root %d" % i for i in range(1, len(roots))]:
        check(seen.count(title) == 1, "Chromium shows %r once" % title)
    check(os.path.exists(path + ".bak"), "the previous file was kept as Bookmarks.bak")

    # Root ids that collide or are not numbers, and the largest 32-bit id.
    def odd_ids(data):
        roots = data["roots"]
        roots["bookmark_bar"]["id"] = "1"
        roots["other"]["id"] = "1"
        roots["synced"]["id"] = "mobile"
        roots["bookmark_bar"]["children"][0]["id"] = "2147483647"
    edit_json(path, odd_ids)
    status, roots, _ = Writer(build, home, "chrome").finish()
    check(status == 0, "interop_writer wrote into a file with odd root ids")
    seen = seen_by_chromium(home)
    for title in ["OpaloSync in root %d" % i for i in range(1, len(roots))]:
        check(seen.count(title) == 2, "Chromium shows %r twice, once per copy" % title)
    written = json.load(open(path))
    ids = [int(node["id"]) for node in written["roots"]["bookmark_bar"]["children"]]
    check(all(i > 0 for i in ids), "no id wrapped round to a negative one (%s)" % max(ids))

    # A node of a kind the program does not know stays as it was.
    separator = {"id": "77", "name": "", "type": "separator"}
    edit_json(path, lambda data: data["roots"]["other"]["children"].insert(0, separator))
    Writer(build, home, "chrome").finish()
    check(json.load(open(path))["roots"]["other"]["children"][0] == separator, "an unknown node is kept in place")
    edit_json(path, lambda data: data["roots"]["other"]["children"].pop(0))

    # Another version: Chromium does not load it, and the program leaves it.
    edit_json(path, lambda data: data.update(version=2))
    other_version = open(path, "rb").read()
    status, _, _ = Writer(build, home, "chrome").finish()
    check(status == 3 and open(path, "rb").read() == other_version, "a file of version 2 is not written")
    check("Debian" not in seen_by_chromium(home), "Chromium does not load a file of version 2 either")

    # The deepest level Chromium loads is the one the program copies down to.
    for level, loads in ((99, True), (100, False)):
        data = os.path.join(home, "deep%d" % level)
        os.makedirs(os.path.join(data, "Default"))
        roots = {"bookmark_bar": {"type": "folder", "name": "Bar", "id": "1", "children": [chain(level)]},
                 "other": {"type": "folder", "name": "Other", "id": "2", "children": []},
                 "synced": {"type": "folder", "name": "Mobile", "id": "3", "children": []}}
        with open(os.path.join(data, "Default", "Bookmarks"), "w") as f:
            json.dump({"roots": roots, "version": 1}, f)
        found = seen_by_chromium(home, data, "deep leaf")
        check(bool(found) == loads, "Chromium %s a bookmark on level %d" % ("loads" if loads else "refuses", level))


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    build = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="opalo-interop-")
    home = os.path.join(work, "home")
    os.makedirs(home)
    try:
        chromium_file = make_chromium_profile(home)
        check_firefox(build, home, chromium_file)
        check_chromium(build, home, chromium_file)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("\n%s" % ("all bookmarks present" if not failures else "%d problem(s)" % len(failures)))
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
