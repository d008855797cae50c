#!/usr/bin/env python3
"""Writes the protocol-engine target's seed corpus of whole sessions.

Each seed is an event script of fuzz_protocol_engine: a read or a write answered right up to a
chosen exchange, one fault there (spoilt, cut or misaddressed reply, raw bytes, reply-timer
expiries, a reply spoilt five times running), then answered right to its end. Faults sit at the
handshake, the identification, the first, a middle and the last block and the end request, so
the fuzzer starts from every depth of the walk instead of having to count 1875 replies itself.
Usage: make_engine_sessions.py FOLDER
"""
import pathlib
import sys

BLOCKS = 1872
EXCHANGES = 2 + BLOCKS + 1  # handshake, identification, blocks, end request

# The first byte of a script: bit 0 write, bit 1 another model, bits 2-3 the firmware
# (V100, V100, V101, V102), bit 4 Yes to the version question.
READ, WRITE = 0x00, 0x01
SETUPS = {"read": READ, "write": WRITE, "read_v101": 0x08, "write_v101": 0x09}

RIGHT, SPOIL, CUT, RAW, EXPIRE = 0x00, 0x02, 0x03, 0x04, 0x05


def right(count):
    """Right replies: bursts of 64k+1 (event 6 + 8k), then single ones."""
    events = bytearray()
    while count > 0:
        k = min(31, (count - 1) // 64)
        if k == 0:
            events.append(RIGHT)
            count -= 1
        else:
            events.append(6 + 8 * k)
            count -= 64 * k + 1
    return bytes(events)


def data_frame(address, fill):
    body = address.to_bytes(4, "big") + bytes([16]) + bytes([fill] * 16)
    return b"W" + body + bytes([sum(body) & 0xFF, 0x06])


FAULTS = {
    "spoilt": bytes([SPOIL, 5, 0x40]),
    "cut": bytes([CUT]),
    "two_expiries": bytes([EXPIRE, EXPIRE]),
    "four_expiries": bytes([EXPIRE] * 4),
    "five_expiries": bytes([EXPIRE] * 5),
    "spoilt_five_times": bytes([SPOIL, 0, 0x01] * 5),
    "garbage": bytes([RAW, 5]) + b"\x00\xff\x13\x06W",
    "misaddressed": bytes([RAW, 24]) + data_frame(0x00010, 0x5A),
    "stray_ack": bytes([RAW, 1, 0x06]),
}

DEPTHS = {"handshake": 0, "identification": 1, "first_block": 2,
          "middle_block": 2 + BLOCKS // 2, "last_block": 1 + BLOCKS, "end_request": EXCHANGES - 1}


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for setup_name, setup in SETUPS.items():
        (folder / f"session_{setup_name}_clean").write_bytes(bytes([setup]) + right(EXCHANGES))
    for kind, setup in (("read", READ), ("write", WRITE)):
        for depth_name, depth in DEPTHS.items():
            for fault_name, fault in FAULTS.items():
                script = bytes([setup]) + right(depth) + fault + right(EXCHANGES - depth)
                (folder / f"session_{kind}_{fault_name}_at_{depth_name}").write_bytes(script)


if __name__ == "__main__":
    main()
