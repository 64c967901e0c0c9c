#!/usr/bin/env python3
"""varanda-collector end to end against corvo-sim (COLLECTOR_BIN, CORVO_SIM_BIN);
the PostgreSQL cases with COLLECTOR_TEST_PG (with_postgres.sh)."""
import asyncio
import collections
import json
import os
import random
import re
import shutil
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.error
import urllib.request

COLLECTOR = os.environ.get("COLLECTOR_BIN", "build/bin/varanda-collector")
SIM = os.environ.get("CORVO_SIM_BIN", "build/bin/corvo-sim")
PG = os.environ.get("COLLECTOR_TEST_PG", "")
CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")
WAIT_S = 60  # the longest any single wait in these tests may take
TABLES = "schema_version, terminals, punches, runs, collectors, access_list"


def read(path):
    """The file's text, "" while it is missing."""
    try:
        with open(path) as f:
            return f.read()
    except OSError:
        return ""


def wait_for(what, check, timeout=WAIT_S):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = check()
        except OSError:  # not listening yet
            value = None
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def psql(sql, check=True):
    """The rows of `sql` on PG, fields split at '|'."""
    out = subprocess.run(["psql", PG, "-q", "-At", "-F", "|", "-c", sql], check=check, capture_output=True, text=True)
    return [line.split("|") for line in out.stdout.splitlines() if line]


class Proxy:
    """Fixed ports for each terminal, forwarded to the emulator's ports of the
    moment (its map file), so that a restarted emulator is found again."""

    def __init__(self, terminals, upstream_map, path):
        self.upstream_map, self.ports, self.loop = upstream_map, {}, asyncio.new_event_loop()
        ready = threading.Event()
        threading.Thread(target=self._run, args=(list(terminals), ready), daemon=True).start()
        ready.wait(WAIT_S)
        with open(path, "w") as f:
            f.writelines("%d 127.0.0.1:%d\n" % (t, p) for t, p in self.ports.items())

    def _upstream(self, terminal):
        for line in read(self.upstream_map).splitlines():
            parts = line.split("#")[0].split()
            if len(parts) == 2 and parts[0] == str(terminal):
                return int(parts[1].rsplit(":", 1)[1])
        return None

    def _run(self, terminals, ready):
        asyncio.set_event_loop(self.loop)
        for t in terminals:  # each on a free port the system picks
            server = self.loop.run_until_complete(
                asyncio.start_server(lambda r, w, t=t: self._serve(t, r, w), "127.0.0.1", 0))
            self.ports[t] = server.sockets[0].getsockname()[1]
        ready.set()
        self.loop.run_forever()

    async def _serve(self, terminal, reader, writer):
        try:
            up_reader, up_writer = await asyncio.open_connection("127.0.0.1", self._upstream(terminal))
        except (OSError, TypeError):
            writer.close()
            return

        async def pipe(src, dst):
            try:
                while data := await src.read(65536):
                    dst.write(data)
                    await dst.drain()
            except (OSError, asyncio.IncompleteReadError):
                pass
            finally:
                dst.close()

        await asyncio.gather(pipe(reader, up_writer), pipe(up_reader, writer))


class Process:
    def stop(self, sig=signal.SIGTERM):
        """Its exit status after `sig` (none when it had ended)."""
        if self.proc.poll() is None:
            self.proc.send_signal(sig)
        return self.proc.wait(WAIT_S)


class Sim(Process):
    """A corvo-sim of the test's own, killed and restarted from its state file."""

    def __init__(self, folder, terminals, punches, extra=()):
        self.folder, self.terminals, self.seeded, self.extra = folder, terminals, punches, list(extra)
        self.control = 0  # any free port at first, the same one after a restart
        self.map = os.path.join(folder, "sim.map")
        self.port_file = os.path.join(folder, "sim.ports")
        self.start()

    def start(self):
        for old in (self.map, self.port_file):
            if os.path.exists(old):
                os.remove(old)
        args = [SIM, "--terminals", "1-%d" % self.terminals, "--punches", str(self.seeded), "--port-per-terminal",
                "--map-file", self.map, "--control-port", str(self.control), "--port-file", self.port_file, "--state",
                os.path.join(self.folder, "sim.state"), "--fault-seed", "7", "--max-connections", "1100"] + self.extra
        self.proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the emulator's map", lambda: read(self.map).count("\n") > self.terminals)
        ports = wait_for("the emulator's ports", lambda: re.search(r"control=(\d+)", read(self.port_file)))
        self.control = int(ports.group(1))
        wait_for("the emulator's control port", lambda: self.command("ping") == "ok")

    def command(self, line):
        with socket.create_connection(("127.0.0.1", self.control), timeout=WAIT_S) as s:
            s.sendall((line + "\n").encode())
            return s.makefile().readline().strip()

    def punches(self, terminal):
        return json.loads(self.command("dump %d punches" % terminal))["punches"]

    def held(self):
        """Every terminal's punches as the store keeps them."""
        return {t: [(p["type"], "%04d-%02d-%02d" % (2000 + p["year"], p["month"], p["day"]),
                     "%02d:%02d" % (p["hour"], p["minute"]), p["card"]) for p in self.punches(t)]
                for t in range(1, self.terminals + 1)}

    def empty(self):
        return all(not self.punches(t) for t in range(1, self.terminals + 1))


def write_site(folder, name, store, map_path, terminals, extra=""):
    path = os.path.join(folder, name + ".toml")
    with open(path, "w") as f:
        f.write('[collector]\nname = "%s"\ninterval = 1\nretry_min = 1\nretry_max = 2\nlease = 6\n'
                '[connection]\ntype = "tcp"\nmap = "%s"\n[store]\nurl = "%s"\n%s\n[[terminal]]\nnumbers = "1-%d"\n'
                % (name, map_path, store, extra, terminals))
    return path


def store_rows(store):
    sql = "SELECT terminal, type, punch_date, punch_time, card FROM punches ORDER BY terminal, seq"
    if store == PG:
        rows = psql(sql)
    else:
        with sqlite3.connect(store) as db:
            rows = db.execute(sql).fetchall()
    found = {}
    for t, typ, d, tm, card in rows:
        found.setdefault(int(t), []).append((int(typ), d, tm, int(card)))
    return found


def leases():
    """Each terminal's lease holder ("" none); {} before the schema exists."""
    return dict((int(t), h) for t, h in psql("SELECT terminal, COALESCE(lease_holder, '') FROM terminals", False))


class Collector(Process):
    def __init__(self, site):
        self.site, self.log = site, site + ".log"
        with open(self.log, "ab") as log:
            self.proc = subprocess.Popen([COLLECTOR, site], stdout=subprocess.DEVNULL, stderr=log)

    def once(self):
        """A single pass of its site file, standard error to its log."""
        with open(self.log, "ab") as log:
            return subprocess.run([COLLECTOR, self.site, "--once"], stderr=log).returncode

    def status_port(self):
        m = wait_for("the status server", lambda: re.findall(r"status: listening on http://[^:]+:(\d+)/", read(self.log)))
        return int(m[-1])


class E2E(unittest.TestCase):
    """A folder, emulators and collectors of the test's own, all gone after it."""

    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.folder = scratch.name

    def start_sim(self, terminals, punches, extra=()):
        sim = Sim(self.folder, terminals, punches, extra)
        self.addCleanup(sim.stop)
        return sim

    def start_collector(self, site):
        c = Collector(site)
        self.addCleanup(c.stop, signal.SIGKILL)
        return c

    def fresh_postgres(self):
        if not PG:
            self.skipTest("COLLECTOR_TEST_PG not set: no PostgreSQL server")
        psql("DROP TABLE IF EXISTS " + TABLES)

    def assertStored(self, store, expected):
        found = store_rows(store)
        for t in expected:
            self.assertEqual(found.get(t, []), expected[t], "terminal %d" % t)


class KillTest(E2E):
    """Terminals on a bad line, the collector and the emulator each killed
    (SIGKILL) and restarted ten times during collection: in the end the store
    holds every punch the emulator held, exactly once, and the terminals are
    empty."""
    TERMINALS, PUNCHES, KILLS = 50, 40, 10

    def run_kills(self, store):
        rng = random.Random(11)
        sim = self.start_sim(self.TERMINALS, self.PUNCHES, ["--faults", "5 2 1 20"])
        expected = sim.held()
        proxy_map = os.path.join(self.folder, "proxy.map")
        Proxy(expected, sim.map, proxy_map)
        collector = self.start_collector(write_site(self.folder, "kill", store, proxy_map, self.TERMINALS))
        for i in range(2 * self.KILLS):
            time.sleep(rng.uniform(0.2, 1.2))
            if i % 2 == 0:
                collector.stop(signal.SIGKILL)
                collector = self.start_collector(collector.site)
            else:
                sim.stop(signal.SIGKILL)
                sim.start()
        collector.stop(signal.SIGKILL)
        for _ in range(5):  # passes until every terminal is empty
            if collector.once() == 0 and sim.empty():
                break
        self.assertStored(store, expected)
        self.assertTrue(sim.empty())

    def test_sqlite(self):
        self.run_kills(os.path.join(self.folder, "p.db"))

    def test_postgres(self):
        self.fresh_postgres()
        self.run_kills(PG)


class StoreGoneTest(E2E):
    """PostgreSQL stopped in the middle of collection and started again:
    the collector logs it, acknowledges nothing uncommitted, and goes on."""

    def test_server_stopped_and_started(self):
        self.fresh_postgres()
        sim = self.start_sim(20, 60, ["--latency", "5"])
        expected = sim.held()
        collector = self.start_collector(write_site(self.folder, "gone", PG, sim.map, 20))
        wait_for("punches being stored", lambda: "store: " in read(collector.log))
        time.sleep(0.3)
        subprocess.run(["bash", "-c", os.environ["COLLECTOR_TEST_PG_STOP"]], check=True, capture_output=True)
        wait_for("a failed commit logged", lambda: re.search(r"error store: .*commit", read(collector.log)))
        subprocess.run(["bash", "-c", os.environ["COLLECTOR_TEST_PG_START"]], check=True, capture_output=True)
        wait_for("every terminal emptied", sim.empty)
        self.assertEqual(collector.stop(signal.SIGTERM), 0)
        self.assertStored(PG, expected)


class LeaseTest(E2E):
    """Two collectors on one PostgreSQL over 100 terminals share them through
    leases; one is killed and the other takes its terminals over within two
    lease times; nothing lost or doubled; SIGTERM gives the leases back."""
    TERMINALS, PUNCHES, LEASE_S = 100, 20, 6

    def test_takeover(self):
        self.fresh_postgres()
        sim = self.start_sim(self.TERMINALS, self.PUNCHES, ["--latency", "2"])
        expected = sim.held()
        a, b = (self.start_collector(write_site(self.folder, n, PG, sim.map, self.TERMINALS)) for n in "ab")
        wait_for("both collectors holding half", lambda: collections.Counter(leases().values()) == {"a": 50, "b": 50})
        wait_for("every terminal emptied", sim.empty)
        for t in expected:  # one punch more each while each holds half: both collect
            self.assertEqual(sim.command("card %d %d" % (t, 7000000 + t)), "ok")
        wait_for("every terminal emptied", sim.empty)
        self.assertEqual(collections.Counter(leases().values()), {"a": 50, "b": 50})
        a.stop(signal.SIGKILL)
        for t in expected:  # one punch more each, taken after a is gone
            self.assertEqual(sim.command("card %d %d" % (t, 8000000 + t)), "ok")
        wait_for("b holding every terminal", lambda: set(leases().values()) == {"b"}, 2 * self.LEASE_S + 5)
        wait_for("every terminal emptied", sim.empty)
        found = store_rows(PG)
        for t in expected:
            self.assertEqual(found[t][:-2], expected[t], t)
            self.assertEqual([p[3] for p in found[t][-2:]], [7000000 + t, 8000000 + t], t)
        self.assertEqual(b.stop(signal.SIGTERM), 0)
        self.assertEqual(set(leases().values()), {""})


class AccessListTest(E2E):
    """The access list sent after a collection; one that does not fit a
    terminal's card settings refused with a logged reason, nothing sent."""

    def test_push_and_refusal(self):
        sim = self.start_sim(2, 1)
        with open(os.path.join(self.folder, "cards.csv"), "w") as f:
            f.write("card,schedule\n12345678901234,1\n5,2\n")
        site = write_site(self.folder, "list", os.path.join(self.folder, "l.db"), sim.map, 1,
                          '[access_list]\ncsv = "cards.csv"\n[[terminal]]\nnumbers = 2\ncard_digits = 8\n')
        run = subprocess.run([COLLECTOR, site, "--once"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("info terminal 1: access list of 2 cards sent", run.stderr)
        self.assertIn("warn terminal 2: access list not sent: the terminal is set for 14-digit cards, "
                      "the site file says 8", run.stderr)
        sent, refused = (json.loads(sim.command("dump %d" % t))["access_list"] for t in (1, 2))
        self.assertEqual([(c["card"], c["schedule"]) for c in sent["cards"]], [("12345678901234", 1), ("5", 2)])
        self.assertEqual(refused["count"], 0)


class StatusTest(E2E):
    """The status server read back, SIGHUP and SIGTERM, and a bad site file."""

    def setUp(self):
        super().setUp()
        self.sim = self.start_sim(3, 5)
        self.store = os.path.join(self.folder, "s.db")
        self.site = write_site(self.folder, "status", self.store, self.sim.map, 3,
                               '[status]\nlisten = "127.0.0.1:0"\ntoken = "t0ken"\n')
        self.collector = self.start_collector(self.site)
        self.base = "http://127.0.0.1:%d" % self.collector.status_port()
        wait_for("a pass", lambda: "info pass:" in read(self.collector.log))

    def page(self, query, token="t0ken"):
        """The status code and body of a GET."""
        request = urllib.request.Request(self.base + query, headers={"Authorization": "Bearer " + token} if token else {})
        try:
            with urllib.request.urlopen(request, timeout=WAIT_S) as r:
                return r.status, r.read().decode()
        except urllib.error.HTTPError as e:
            return e.code, e.read().decode()

    def test_pages(self):
        status, page = self.page("/")
        self.assertEqual(status, 200)
        self.assertNotIn("<script", page)
        row = r"<tr><td>\d+</td><td>[0-9T:Z-]+</td><td>5</td><td></td><td>status</td></tr>"
        self.assertEqual(len(re.findall(row, page)), 3)
        doc = json.loads(self.page("/status")[1])
        self.assertEqual([(t["terminal"], t["punches"], t["lease_holder"]) for t in doc["terminals"]],
                         [(1, 5, "status"), (2, 5, "status"), (3, 5, "status")])
        metrics = self.page("/metrics")[1]
        self.assertIn("varanda_collector_punches_stored_total 15\n", metrics)
        self.assertRegex(metrics, r"varanda_collector_pass_duration_seconds [0-9.]+\n")
        csv = self.page("/punches?since=0")[1].splitlines()
        self.assertEqual((csv[0], len(csv)), ("id,terminal,type,date,time,card,collected_at", 16))
        lines = self.page("/punches?since=13&format=jsonl")[1].splitlines()
        self.assertEqual([json.loads(l)["id"] for l in lines], [14, 15])
        self.assertEqual(len(self.page("/punches?since=2026-01-01&limit=4")[1].splitlines()), 5)
        for query, token, code in [("/punches?since=yesterday", "t0ken", 400), ("/punches?format=xml", "t0ken", 400),
                                   ("/punches?limit=0", "t0ken", 400), ("/punches?since=0&token=t0ken", None, 200),
                                   ("/status", None, 401), ("/status", "wrong", 401)]:
            self.assertEqual(self.page(query, token)[0], code, (query, token))

    def test_browser(self):
        profile = os.path.join(self.folder, "chromium")
        run = subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + profile,
                              "--dump-dom", self.base + "/?token=t0ken"], capture_output=True, text=True, timeout=WAIT_S)
        text = re.sub(r"\s+", " ", re.sub(r"<[^>]+>", " ", run.stdout))
        self.assertIn("varanda-collector status", text)
        self.assertIn("Terminal Last collection Punches today Last error Lease holder", text)
        self.assertEqual(len(re.findall(r" [123] 20\d\d-[0-9T:-]+Z 5 status", text)), 3, text)

    def test_hangup_and_stop(self):
        with open(self.site, "a") as f:
            f.write("[[terminal]]\nnumbers = 9\n")
        self.collector.proc.send_signal(signal.SIGHUP)
        wait_for("terminal 9", lambda: 9 in [t["terminal"] for t in json.loads(self.page("/status")[1])["terminals"]])
        self.assertEqual(self.collector.stop(signal.SIGTERM), 0)
        with sqlite3.connect(self.store) as db:
            self.assertEqual(db.execute("SELECT COUNT(*) FROM terminals WHERE lease_holder IS NOT NULL").fetchone()[0], 0)

    def test_bad_site_file(self):
        bad = os.path.join(self.folder, "bad.toml")
        for text, code, error in [
                ('[store]\nurl = "x.db"\n[[terminal]]\nnumbers = "1-3"\ncard_pattern = 2\n', 2,
                 r"error .*bad.toml: line 5: terminal.card_pattern: "),  # the reasons: site_test
                ('[store]\nurl = "%s"\n[[terminal]]\nnumbers = 1\n[connection]\nmap = "%s"\n' % (self.folder, self.sim.map),
                 1, r"error %s: cannot open the SQLite store: " % re.escape(self.folder))]:  # a folder for a store
            with open(bad, "w") as f:
                f.write(text)
            run = subprocess.run([COLLECTOR, bad, "--once"], capture_output=True, text=True)
            self.assertEqual(run.returncode, code)
            self.assertRegex(run.stderr, error)
        self.assertFalse(os.path.exists(os.path.join(self.folder, "x.db")))


if __name__ == "__main__":
    if any("test_browser" in a for a in sys.argv[1:]) and not CHROMIUM:
        print("collector_e2e: skipped: no chromium on this machine (the chromium package)")
        sys.exit(77)
    unittest.main(verbosity=2)
