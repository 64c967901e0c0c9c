"""CORVO_LINK_TRACE: the back-end writes every frame of a ping and a punch."""
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
LINE = re.compile(r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z (send|recv) terminal 1 command (\d+) (\w+) "
                  r"seq \d+ length (\d+):((?: [0-9a-f]{2})+)$")
HOST = """
import os, sys
sys.path.insert(0, os.path.join(sys.argv[1], '..'))
import varanda
sdk = varanda.Sdk()
with sdk.open(int(os.environ['CORVO_SIM_PORT'])):
    sdk.Ping(1)
    sdk.ColetarBilhete(1)
"""


def run_host(trace):
    env = dict(os.environ, CORVO_LINK_TRACE=trace)
    return subprocess.run([sys.executable, "-c", HOST, HERE], env=env, capture_output=True, text=True, timeout=60)


def test_trace_of_a_ping_and_a_punch(sim, tmp_path):
    sim("punches 1 1")
    trace = tmp_path / "line.trace"
    done = run_host(str(trace))
    assert done.returncode == 0, done.stderr
    lines = [LINE.match(x) for x in trace.read_text().splitlines()]
    assert all(lines)
    seen = [(m.group(1), int(m.group(2)), m.group(3)) for m in lines]
    assert seen == [("send", 10, "Send"), ("recv", 10, "Result"), ("send", 204, "Receive"), ("recv", 204, "Data")]
    for m in lines:
        frame = bytes.fromhex(m.group(5))
        assert frame[:2] == b"\xc5\x3a" and len(frame) == 26 + int(m.group(4)) + 4
    assert int(lines[3].group(4)) in (10, 16)  # the punch record


def test_trace_file_that_cannot_be_opened(sim, tmp_path):
    done = run_host(str(tmp_path / "no" / "such" / "folder" / "line.trace"))
    assert done.returncode == 0
    assert done.stderr.count("CORVO_LINK_TRACE") == 1
