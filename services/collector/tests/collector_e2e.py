#!/usr/bin/env python3
"""varanda-collector end to end against corvo-sim (COLLECTOR_BIN, CORVO_SIM_BIN).

The kill test: terminals on a bad line, the collector and the emulator each
killed (SIGKILL) and restarted during collection; in the end the store holds
every punch the emulator held, exactly once, and the terminals are empty. With
COLLECTOR_TEST_PG the same over PostgreSQL, and two collectors sharing the
fleet through leases. The status server read back; a bad site file refused.
"""
import asyncio
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
        value = check()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


class Proxy:
    """Fixed ports for each terminal, forwarded to the emulator's ports of the
    moment (its map file), so that a restarted emulator is found again."""

    def __init__(self, terminals, upstream_map):
        self.upstream_map = upstream_map
        self.terminals = list(terminals)
        self.ports = {}
        self.loop = asyncio.new_event_loop()
        ready = threading.Event()
        threading.Thread(target=self._run, args=(ready,), daemon=True).start()
        ready.wait(WAIT_S)

    def write_map(self, path):
        with open(path, "w") as f:
            f.writelines("%d 127.0.0.1:%d\n" % (t, p) for t, p in self.ports.items())

    def _upstream(self, terminal):
        try:
            for line in open(self.upstream_map):
                parts = line.split("#")[0].split()
                if len(parts) == 2 and parts[0] == str(terminal):
                    return int(parts[1].rsplit(":", 1)[1])
        except OSError:
            return None
        return None

    def _run(self, ready):
        asyncio.set_event_loop(self.loop)
        for t in self.terminals:  # each on a free port the system picks
            server = self.loop.run_until_complete(asyncio.start_server(lambda r, w, t=t: self._serve(t, r, w), "127.0.0.1", 0))
            self.ports[t] = server.sockets[0].getsockname()[1]
        ready.set()
        self.loop.run_forever()

    async def _serve(self, terminal, reader, writer):
        port = self._upstream(terminal)
        try:
            up_reader, up_writer = await asyncio.open_connection("127.0.0.1", port)
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


class Sim:
    """A corvo-sim of the test's own, killed and restarted from its state file."""

    def __init__(self, folder, terminals, punches, extra=()):
        self.folder, self.terminals, self.seeded, self.extra = folder, terminals, punches, list(extra)
        self.control = 0  # any free port at first, the same one after a restart
        self.map = os.path.join(folder, "sim.map")
        self.port_file = os.path.join(folder, "sim.ports")
        self.proc = None
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
        wait_for("the emulator's control port", lambda: self._try("ping") == "ok")

    def kill(self):
        self.proc.send_signal(signal.SIGKILL)
        self.proc.wait(WAIT_S)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(WAIT_S)

    def _try(self, line):
        try:
            return self.command(line)
        except OSError:
            return None

    def command(self, line):
        with socket.create_connection(("127.0.0.1", self.control), timeout=WAIT_S) as s:
            s.sendall((line + "\n").encode())
            data = b""
            while not data.endswith(b"\n"):
                chunk = s.recv(1 << 20)
                if not chunk:
                    break
                data += chunk
            return data.decode().strip()

    def punches(self, terminal):
        return json.loads(self.command("dump %d punches" % terminal))["punches"]


def as_row(p):
    """An emulator punch as the store keeps it."""
    return (p["type"], "%04d-%02d-%02d" % (2000 + p["year"], p["month"], p["day"]),
            "%02d:%02d" % (p["hour"], p["minute"]), p["card"])


def write_site(folder, name, store, map_path, terminals, extra=""):
    path = os.path.join(folder, name + ".toml")
    with open(path, "w") as f:
        f.write('[collector]\nname = "%s"\ninterval = 1\nretry_min = 1\nretry_max = 2\nlease = 6\n'
                '[connection]\ntype = "tcp"\nmap = "%s"\n[store]\nurl = "%s"\n%s\n[[terminal]]\nnumbers = "1-%d"\n'
                % (name, map_path, store, extra, terminals))
    return path


def store_rows(store):
    if store.startswith("postgresql://"):
        out = subprocess.run(["psql", store, "-At", "-F", "|", "-c",
                              "SELECT terminal, type, punch_date, punch_time, card FROM punches ORDER BY terminal, seq"],
                             check=True, capture_output=True, text=True).stdout
        rows = [line.split("|") for line in out.splitlines() if line]
    else:
        with sqlite3.connect(store) as db:
            rows = db.execute("SELECT terminal, type, punch_date, punch_time, card FROM punches ORDER BY terminal, seq").fetchall()
    found = {}
    for t, typ, d, tm, card in rows:
        found.setdefault(int(t), []).append((int(typ), d, tm, int(card)))
    return found


class Collector:
    def __init__(self, site, *args):
        self.log = site + ".log"
        self.proc = subprocess.Popen([COLLECTOR, site] + list(args), stdout=subprocess.DEVNULL,
                                     stderr=open(self.log, "ab"))

    def status_port(self):
        def port():
            m = re.findall(r"status: listening on http://[^:]+:(\d+)/", open(self.log).read())
            return int(m[-1]) if m else None
        return wait_for("the status server", port)


class KillTest(unittest.TestCase):
    TERMINALS, PUNCHES, KILLS = 50, 40, 10

    def run_kills(self, store):
        rng = random.Random(11)
        with tempfile.TemporaryDirectory() as scratch:
            folder = os.environ.get("COLLECTOR_E2E_KEEP") or scratch  # a folder kept for a look afterwards
            sim = Sim(folder, self.TERMINALS, self.PUNCHES, ["--faults", "5 2 1 20"])
            try:
                expected = {t: [as_row(p) for p in sim.punches(t)] for t in range(1, self.TERMINALS + 1)}
                proxy = Proxy(range(1, self.TERMINALS + 1), sim.map)
                proxy_map = os.path.join(folder, "proxy.map")
                proxy.write_map(proxy_map)
                site = write_site(folder, "kill", store if store else os.path.join(folder, "p.db"), proxy_map, self.TERMINALS)
                collector = Collector(site)
                for i in range(2 * self.KILLS):
                    time.sleep(rng.uniform(0.2, 1.2))
                    if i % 2 == 0:
                        collector.proc.send_signal(signal.SIGKILL)
                        collector.proc.wait(WAIT_S)
                        collector = Collector(site)
                    else:
                        sim.kill()
                        sim.start()
                collector.proc.send_signal(signal.SIGKILL)
                collector.proc.wait(WAIT_S)
                for _ in range(5):  # passes until every terminal is empty
                    if subprocess.run([COLLECTOR, site, "--once"], stderr=open(site + ".log", "ab")).returncode == 0 \
                            and all(not sim.punches(t) for t in expected):
                        break
                found = store_rows(store if store else os.path.join(folder, "p.db"))
                for t in expected:
                    self.assertEqual(found.get(t, []), expected[t], "terminal %d" % t)
                    self.assertEqual(sim.punches(t), [], "terminal %d is not empty" % t)
            finally:
                sim.stop()

    def test_sqlite(self):
        self.run_kills("")

    @unittest.skipUnless(PG, "COLLECTOR_TEST_PG not set: no PostgreSQL server")
    def test_postgres(self):
        subprocess.run(["psql", PG, "-q", "-c", "DROP TABLE IF EXISTS schema_version, terminals, punches, runs, "
                        "collectors, access_list"], check=True, capture_output=True)
        self.run_kills(PG)


@unittest.skipUnless(PG, "COLLECTOR_TEST_PG not set: no PostgreSQL server")
class StoreGoneTest(unittest.TestCase):
    """PostgreSQL stopped in the middle of collection and started again:
    the collector logs it, acknowledges nothing uncommitted, and goes on."""

    def test_server_stopped_and_started(self):
        subprocess.run(["psql", PG, "-q", "-c", "DROP TABLE IF EXISTS schema_version, terminals, punches, runs, "
                        "collectors, access_list"], check=True, capture_output=True)
        with tempfile.TemporaryDirectory() as folder:
            sim = Sim(folder, 20, 60, ["--latency", "5"])
            collector = None
            try:
                expected = {t: [as_row(p) for p in sim.punches(t)] for t in range(1, 21)}
                collector = Collector(write_site(folder, "gone", PG, sim.map, 20))
                wait_for("punches being stored", lambda: "store: " in open(collector.log).read())
                time.sleep(0.3)
                subprocess.run(["bash", "-c", os.environ["COLLECTOR_TEST_PG_STOP"]], check=True, capture_output=True)
                wait_for("a failed commit logged", lambda: re.search(r"error store: .*commit", open(collector.log).read()))
                subprocess.run(["bash", "-c", os.environ["COLLECTOR_TEST_PG_START"]], check=True, capture_output=True)
                wait_for("every terminal emptied", lambda: all(not sim.punches(t) for t in expected))
                collector.proc.send_signal(signal.SIGTERM)
                self.assertEqual(collector.proc.wait(WAIT_S), 0)
                found = store_rows(PG)
                for t in expected:
                    self.assertEqual(found.get(t, []), expected[t], "terminal %d" % t)
            finally:
                if collector and collector.proc.poll() is None:
                    collector.proc.kill()
                    collector.proc.wait(WAIT_S)
                sim.stop()


class AccessListTest(unittest.TestCase):
    """The access list sent after a collection; one that does not fit a
    terminal's card settings refused with a logged reason, nothing sent."""

    def test_push_and_refusal(self):
        with tempfile.TemporaryDirectory() as folder:
            sim = Sim(folder, 2, 1)
            try:
                with open(os.path.join(folder, "cards.csv"), "w") as f:
                    f.write("card,schedule\n12345678901234,1\n5,2\n")
                site = write_site(folder, "list", os.path.join(folder, "l.db"), sim.map, 1,
                                  '[access_list]\ncsv = "cards.csv"\n[[terminal]]\nnumbers = 2\ncard_digits = 8\n')
                run = subprocess.run([COLLECTOR, site, "--once"], capture_output=True, text=True)
                self.assertEqual(run.returncode, 0, run.stderr)
                self.assertIn("info terminal 1: access list of 2 cards sent", run.stderr)
                self.assertIn("warn terminal 2: access list not sent: the terminal is set for 14-digit cards, "
                              "the site file says 8", run.stderr)
                dumps = [json.loads(sim.command("dump %d" % t))["access_list"] for t in (1, 2)]
                self.assertEqual([c["card"] for c in dumps[0]["cards"]], ["12345678901234", "5"])
                self.assertEqual([c["schedule"] for c in dumps[0]["cards"]], [1, 2])
                self.assertEqual(dumps[1]["count"], 0)
            finally:
                sim.stop()


def leases(store):
    """Each terminal's lease holder ("" none); {} before the schema exists."""
    out = subprocess.run(["psql", store, "-At", "-F", "|", "-c", "SELECT terminal, COALESCE(lease_holder, '') FROM terminals"],
                         capture_output=True, text=True).stdout
    return dict((int(t), h) for t, h in (line.split("|") for line in out.splitlines() if line))


@unittest.skipUnless(PG, "COLLECTOR_TEST_PG not set: no PostgreSQL server")
class LeaseTest(unittest.TestCase):
    """Two collectors on one PostgreSQL over 100 terminals: both collect, one is
    killed, the other takes its terminals over; nothing lost or doubled."""
    TERMINALS, PUNCHES, LEASE_S = 100, 20, 6

    def test_takeover(self):
        subprocess.run(["psql", PG, "-q", "-c", "DROP TABLE IF EXISTS schema_version, terminals, punches, runs, "
                        "collectors, access_list"], check=True, capture_output=True)
        with tempfile.TemporaryDirectory() as folder:
            sim = Sim(folder, self.TERMINALS, self.PUNCHES, ["--latency", "2"])
            a = b = None
            try:
                terminals = range(1, self.TERMINALS + 1)
                expected = {t: [as_row(p) for p in sim.punches(t)] for t in terminals}
                a = Collector(write_site(folder, "a", PG, sim.map, self.TERMINALS))
                b = Collector(write_site(folder, "b", PG, sim.map, self.TERMINALS))
                wait_for("both collectors holding half", lambda: sorted(collections_count(leases(PG))) == [50, 50])
                emptied = lambda: all(not sim.punches(t) for t in terminals)
                wait_for("every terminal emptied", emptied)
                for card in (7000000, 8000000):  # one punch more each: both collect; then b alone
                    for t in terminals:
                        self.assertEqual(sim.command("card %d %d" % (t, card + t)), "ok")
                    if card == 8000000:
                        a.proc.send_signal(signal.SIGKILL)
                        a.proc.wait(WAIT_S)
                        killed = time.monotonic()
                        wait_for("b holding every terminal", lambda: set(leases(PG).values()) == {"b"})
                        self.assertLess(time.monotonic() - killed, 2 * self.LEASE_S + 5)
                    wait_for("every terminal emptied", emptied)
                    if card == 7000000:
                        out = subprocess.run(["psql", PG, "-At", "-c", "SELECT lease_holder FROM terminals t JOIN punches p"
                                              " ON p.terminal = t.terminal WHERE p.card LIKE '%7______' GROUP BY lease_holder"
                                              " ORDER BY lease_holder"], capture_output=True, text=True)
                        self.assertEqual(out.stdout.split(), ["a", "b"])  # both collected
                found = store_rows(PG)
                for t in terminals:
                    self.assertEqual(found[t][:-2], expected[t], t)
                    self.assertEqual([p[3] for p in found[t][-2:]], [7000000 + t, 8000000 + t], t)
                b.proc.send_signal(signal.SIGTERM)
                self.assertEqual(b.proc.wait(WAIT_S), 0)
                self.assertEqual(set(leases(PG).values()), {""})
            finally:
                for c in (a, b):
                    if c and c.proc.poll() is None:
                        c.proc.kill()
                        c.proc.wait(WAIT_S)
                sim.stop()


def collections_count(holders):
    counts = {}
    for h in holders.values():
        counts[h] = counts.get(h, 0) + 1
    return [counts.get("a", 0), counts.get("b", 0)]


def get(url, token=None):
    """The status code and body of a GET."""
    request = urllib.request.Request(url, headers={"Authorization": "Bearer " + token} if token else {})
    try:
        with urllib.request.urlopen(request, timeout=WAIT_S) as r:
            return r.status, r.read().decode()
    except urllib.error.HTTPError as e:
        return e.code, e.read().decode()


class StatusTest(unittest.TestCase):
    """The status server read back, SIGHUP and SIGTERM, and a bad site file."""

    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.folder = self.scratch.name
        self.sim = Sim(self.folder, 3, 5)
        self.store = os.path.join(self.folder, "s.db")
        self.site = write_site(self.folder, "status", self.store, self.sim.map, 3,
                               '[status]\nlisten = "127.0.0.1:0"\ntoken = "t0ken"\n')
        self.collector = Collector(self.site)
        self.base = "http://127.0.0.1:%d" % self.collector.status_port()
        wait_for("a pass", lambda: "info pass:" in open(self.collector.log).read())

    def tearDown(self):
        if self.collector.proc.poll() is None:
            self.collector.proc.kill()
            self.collector.proc.wait(WAIT_S)
        self.sim.stop()
        self.scratch.cleanup()

    def test_pages(self):
        status, page = get(self.base + "/", "t0ken")
        self.assertEqual(status, 200)
        self.assertNotIn("<script", page)
        self.assertEqual(len(re.findall(r"<tr><td>\d+</td><td>[0-9T:Z-]+</td><td>5</td><td></td><td>status</td></tr>", page)), 3)
        doc = json.loads(get(self.base + "/status", "t0ken")[1])
        self.assertEqual([(t["terminal"], t["punches"], t["lease_holder"]) for t in doc["terminals"]],
                         [(1, 5, "status"), (2, 5, "status"), (3, 5, "status")])
        metrics = get(self.base + "/metrics", "t0ken")[1]
        self.assertIn("varanda_collector_punches_stored_total 15\n", metrics)
        self.assertRegex(metrics, r"varanda_collector_pass_duration_seconds [0-9.]+\n")
        csv = get(self.base + "/punches?since=0", "t0ken")[1].splitlines()
        self.assertEqual(csv[0], "id,terminal,type,date,time,card,collected_at")
        self.assertEqual(len(csv), 16)
        lines = get(self.base + "/punches?since=13&format=jsonl", "t0ken")[1].splitlines()
        self.assertEqual([json.loads(l)["id"] for l in lines], [14, 15])
        self.assertEqual(len(get(self.base + "/punches?since=2026-01-01&limit=4", "t0ken")[1].splitlines()), 5)
        for query, code in [("/punches?since=yesterday", 400), ("/punches?format=xml", 400), ("/punches?limit=0", 400),
                            ("/punches?since=0&token=t0ken", 200)]:
            self.assertEqual(get(self.base + query, "t0ken" if "token=" not in query else None)[0], code, query)
        for token in (None, "wrong"):
            self.assertEqual(get(self.base + "/status", token)[0], 401)

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
        wait_for("terminal 9", lambda: 9 in [t["terminal"] for t in json.loads(get(self.base + "/status", "t0ken")[1])["terminals"]])
        self.collector.proc.send_signal(signal.SIGTERM)
        self.assertEqual(self.collector.proc.wait(WAIT_S), 0)
        with sqlite3.connect(self.store) as db:
            self.assertEqual(db.execute("SELECT COUNT(*) FROM terminals WHERE lease_holder IS NOT NULL").fetchone()[0], 0)

    def test_bad_site_file(self):
        bad = os.path.join(self.folder, "bad.toml")
        with open(bad, "w") as f:
            f.write('[store]\nurl = "x.db"\n[[terminal]]\nnumbers = "1-3"\ncard_pattern = 2\n')
        run = subprocess.run([COLLECTOR, bad, "--once"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)
        self.assertRegex(run.stderr, r"error .*bad.toml: line 5: terminal.card_pattern: must be 0..1\n")
        self.assertFalse(os.path.exists(os.path.join(self.folder, "x.db")))
        with open(bad, "w") as f:  # a store that cannot be opened: a folder
            f.write('[store]\nurl = "%s"\n[[terminal]]\nnumbers = 1\n[connection]\nmap = "%s"\n' % (self.folder, self.sim.map))
        run = subprocess.run([COLLECTOR, bad, "--once"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1)
        self.assertRegex(run.stderr, r"error %s: cannot open the SQLite store: " % re.escape(self.folder))


if __name__ == "__main__":
    if any("test_browser" in a for a in sys.argv[1:]) and not CHROMIUM:
        print("collector_e2e: skipped: no chromium on this machine (the chromium package)")
        sys.exit(77)
    unittest.main(verbosity=2)
