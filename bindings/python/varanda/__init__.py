"""The Varanda SDK for Python hosts (ctypes; no compiler needed).

    import varanda
    sdk = varanda.Sdk()                       # libvaranda.so / Varanda.dll
    with sdk.open(3000, varanda.TCP):         # connection type and port
        sdk.Ping(1)                           # raises VarandaError unless 0
        for punch in sdk.punches(1):          # every stored punch, then stops
            print(punch)

Every operation of the SDK is a method of the same name. Operations with a
one-byte code raise VarandaError (operation, code, text) for a code other
than 0 and return the values they write (None, one value or a tuple);
operations with another result return it. `sdk.raw.Name(...)` gives the
code and the values without raising. Texts travel as ISO-8859-1.
"""
import collections
import threading

from . import _operations
from ._library import load
from .errors import VarandaError, code_text

__all__ = ["Sdk", "VarandaError", "code_text", "Punch", "OnlineEvent",
           "SERIAL", "TCP", "TCP_COM", "MODEM", "SERIAL_COM"]

SERIAL, TCP, TCP_COM, MODEM, SERIAL_COM = range(5)

Punch = collections.namedtuple("Punch", "type day month year hour minute card")
OnlineEvent = collections.namedtuple("OnlineEvent", "origin complement card day month year hour minute second")

# ColetarBilhete: the terminal offered its last punch again; ReceberDadosOnLine: no event.
OFFERED_AGAIN = 128
NO_EVENT = 128


class _Raw:
    """The operations as generated: the code (or result) and the values."""

    def __init__(self, lib):
        self._lib = lib

    def __getattr__(self, name):
        fn = getattr(_operations, name)
        return lambda *args: fn(self._lib, *args)


class Sdk:
    def __init__(self, library=None):
        self.lib = load(library)
        self.raw = _Raw(self.lib)

    def __getattr__(self, name):
        if name not in _operations.RESULTS:
            raise AttributeError(name)
        fn = getattr(_operations, name)
        kind = _operations.RESULTS[name]

        def call(*args):
            r = fn(self.lib, *args)
            if kind != "code":
                return r
            code, values = (r[0], r[1:]) if isinstance(r, tuple) else (r, ())
            if code != 0:
                raise VarandaError(name, code)
            return None if not values else values[0] if len(values) == 1 else values
        call.__name__ = name
        return call

    def open(self, port, connection=TCP):
        """The port as a context manager: closed again on leaving."""
        return _Port(self, port, connection)

    def punches(self, terminal):
        """Every punch the terminal holds, oldest first. A punch offered again
        is asked for again; the end is told from a failed line by the count
        (ReceberQuantidadeBilhetes), so a fault still raises."""
        while True:
            code, *values = self.raw.ColetarBilhete(terminal)
            if code == 0:
                yield Punch(*values)
            elif code == OFFERED_AGAIN:
                continue
            else:
                count_code, count = self.raw.ReceberQuantidadeBilhetes(terminal)
                if count_code == 0 and count == 0:
                    return
                raise VarandaError("ColetarBilhete", code)

    def next_event(self, terminal):
        """One online event, or None when none waits."""
        code, *values = self.raw.ReceberDadosOnLine(terminal)
        if code == NO_EVENT:
            return None
        if code != 0:
            raise VarandaError("ReceberDadosOnLine", code)
        origin, complement, card, *when = values
        return OnlineEvent(origin, complement, card, *when)

    def events(self, terminal, stop=None, first_wait=0.02, longest_wait=0.5):
        """Online events as they come, until `stop` (a threading.Event) is
        set. Between empty polls the wait doubles from `first_wait` up to
        `longest_wait` seconds, and drops back after an event."""
        stop = stop or threading.Event()
        wait = first_wait
        while not stop.is_set():
            event = self.next_event(terminal)
            if event is not None:
                wait = first_wait
                yield event
                continue
            stop.wait(wait)
            wait = min(wait * 2, longest_wait)


class _Port:
    def __init__(self, sdk, port, connection):
        self.sdk, self.port, self.connection = sdk, port, connection

    def __enter__(self):
        self.sdk.DefinirTipoConexao(self.connection)
        self.sdk.AbrirPortaComunicacao(self.port)
        return self.sdk

    def __exit__(self, *exc):
        self.sdk.raw.FecharPortaComunicacao()
        return False

