#!/usr/bin/env python3
"""varanda-collector's speed and memory: one pass over 1,000 terminals of
corvo-sim (--port-per-terminal --latency 20, 20 punches each) into SQLite and,
with COLLECTOR_TEST_PG (services/collector/tests/with_postgres.sh), into
PostgreSQL, beside one terminal's collection alone. Not a test: it prints.

    services/collector/tests/with_postgres.sh python3 bench/collector_bench.py
"""
import os
import re
import resource
import subprocess
import sys
import tempfile
import time

BUILD = os.environ.get("BUILD", "build")
COLLECTOR = os.path.join(BUILD, "bin", "varanda-collector")
SIM = os.path.join(BUILD, "bin", "corvo-sim")
PUNCHES, LATENCY_MS = 20, 20


def one_pass(folder, terminals, store):
    """(pass ms, punches, commits, peak resident MB) of one --once pass."""
    sim_map = os.path.join(folder, "sim-%d.map" % terminals)
    sim = subprocess.Popen([SIM, "--terminals", "1-%d" % terminals, "--punches", str(PUNCHES), "--port-per-terminal",
                            "--latency", str(LATENCY_MS), "--max-connections", "1100", "--map-file", sim_map],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(600):
            if os.path.exists(sim_map) and open(sim_map).read().count("\n") > terminals:
                break
            time.sleep(0.05)
        site = os.path.join(folder, "bench.toml")
        with open(site, "w") as f:
            f.write('[collector]\nname = "bench"\n[connection]\nmap = "%s"\n[store]\nurl = "%s"\n'
                    '[status]\nlisten = "off"\n[[terminal]]\nnumbers = "1-%d"\n' % (sim_map, store, terminals))
        before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
        run = subprocess.run([COLLECTOR, site, "--once"], capture_output=True, text=True)
        rss = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
        m = re.search(r"pass: \d+ terminals, (\d+) failed, (\d+) punches stored in (\d+) commits, (\d+) ms", run.stderr)
        if run.returncode != 0 or not m or m.group(1) != "0":
            sys.exit("collector_bench: the pass failed:\n" + run.stderr[-2000:])
        return int(m.group(4)), int(m.group(2)), int(m.group(3)), max(rss, before) / 1024.0
    finally:
        sim.terminate()
        sim.wait()


def report(name, store_for):
    with tempfile.TemporaryDirectory() as folder:
        single_ms = one_pass(folder, 1, store_for(folder, "one"))[0]
        ms, punches, commits, rss = one_pass(folder, 1000, store_for(folder, "fleet"))
    print("collector %-10s 1 terminal x %d punches: %6.2f s; 1000 terminals: %6.2f s (%.1f x one terminal), "
          "%d punches, %.0f punches/s, %d commits, peak resident %.0f MB"
          % (name, PUNCHES, single_ms / 1000.0, ms / 1000.0, ms / single_ms, punches, punches / (ms / 1000.0),
             commits, rss), flush=True)


def reset_postgres(url):
    subprocess.run(["psql", url, "-q", "-c", "DROP TABLE IF EXISTS schema_version, terminals, punches, runs, "
                    "collectors, access_list"], check=True, capture_output=True)
    return url


if __name__ == "__main__":
    report("SQLite", lambda folder, name: os.path.join(folder, name + ".db"))
    pg = os.environ.get("COLLECTOR_TEST_PG")
    if pg:
        report("PostgreSQL", lambda folder, name: reset_postgres(pg))
    else:
        print("collector PostgreSQL: not measured (run under services/collector/tests/with_postgres.sh)")
