#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/NAME/)."""
import os, struct, zlib

def crc16(b):
    c = 0xFFFF
    for x in b:
        c ^= x << 8
        for _ in range(8):
            c = ((c << 1) ^ 0x1021) & 0xFFFF if c & 0x8000 else (c << 1) & 0xFFFF
    return c

def frame(typ, terminal, session, seq, ack, command, payload, flags=0, index=0):
    h = bytes([0xC5, 0x3A, 1, typ]) + struct.pack("<IIHHBBHI", terminal, session, seq, ack, command, flags, index, len(payload))
    h += struct.pack(">H", crc16(h))
    body = h + payload
    return body + struct.pack("<I", zlib.crc32(body))

here = os.path.dirname(os.path.abspath(__file__))
def put(target, name, data):
    d = os.path.join(here, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())

send = frame(1, 3, 0x1357, 1, 0, 200, bytes(range(50)))
recv = frame(2, 3, 0x1357, 2, 1, 204, struct.pack("<I", 22))
result = frame(0x81, 3, 0x1357, 1, 0, 200, b"\0")
data = frame(0x82, 3, 0x1357, 2, 0, 204, bytes(22))
put("link_parser_fuzz", "frames", b"\x07" + send + recv + result + data)
put("link_parser_fuzz", "garbage_then_frame", b"\x31" + b"\xC5\x3A\x01garbage" + data)
put("link_parser_fuzz", "damaged", b"\x05" + send[:-1] + b"\x00" + recv)
put("link_client_fuzz", "answers", bytes([1, 200, 10, 1, 3, 0, 1, 1, 0, 204, 22, 0, 0, 4, 0, 1, 22]) + bytes(22))
put("link_client_fuzz", "garbage", bytes([0, 1, 4, 0, 1, 40]) + b"\xC5\x3A\x01" * 13)
put("sim_requests_fuzz", "send_receive_ack", bytes([0, 0, 1, 200, 1, 0, 50]) + bytes(50) +
    bytes([1, 0, 1, 204, 1, 0, 1, 22, 0, 0, 0]) + bytes([3, 0, 1, 1, 1]) + bytes([5, 0]))
put("sim_control_fuzz", "lines", "ping\ncard 1 1234567890\nkeypad 2 42\nfinger 1 7\npunches 3 5\n"
    "bio-user 1 12 2\nossel-user 4 99 1234\nsensors 1 1 0 1\npattern 1 0\nrefuse 1 1,2,5-7\n"
    "accept 1 5-6\nblocks 1 200\nonline 1 1\ndump 1\ndump 3 punches\ndump\nreset\n")
def state_line(text):
    return "%s ~%08x\n" % (text, zlib.crc32(text.encode()))


put("sim_state_fuzz", "two_terminals", "".join(state_line(t) for t in [
    "corvo-sim-state 2", "terminal 3 7 2 1 4951 12", "punch 3 1 7 3 26 10 45 1234567890 6",
    "memory 3 4951 12 1 305419896 0 c53a", "terminal 5 1 0 0 0 0", "journal",
    "punch 3 0 8 3 26 11 0 42 7", "delivered 3 1", "terminal 3 8 3 0 4951 13", "forget 5"]))
put("tlm_key_fuzz", "key", bytes((i * 37 + 11) & 0xFF for i in range(120)))
put("tlm_key_fuzz", "short", bytes(108))
