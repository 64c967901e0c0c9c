"""The binding against corvo-sim: run under `corvo-sim -- python3 -m pytest`,
which gives CORVO_SIM_PORT and CORVO_SIM_CONTROL; the SDK from
VARANDA_LIBRARY (or the platform's search)."""
import json
import os
import socket
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
import varanda  # noqa: E402

TERMINAL = 1


class Sim:
    """The emulator's control port: one command a line, one line back."""

    def __init__(self, port):
        self.port = port

    def __call__(self, line):
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as s:
            f = s.makefile("rw", encoding="iso-8859-1", newline="\n")
            f.write(line + "\n")
            f.flush()
            return f.readline().rstrip("\n")

    def dump(self, terminal=TERMINAL):
        return json.loads(self(f"dump {terminal}"))


@pytest.fixture(scope="session")
def sim():
    if "CORVO_SIM_CONTROL" not in os.environ:
        pytest.skip("not run under corvo-sim")
    return Sim(int(os.environ["CORVO_SIM_CONTROL"]))


@pytest.fixture(scope="session")
def sdk(sim):
    s = varanda.Sdk()
    with s.open(int(os.environ["CORVO_SIM_PORT"]), varanda.TCP):
        yield s
