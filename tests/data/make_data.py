#!/usr/bin/env python3
"""Writes the small document files the store tests read (run from this
folder); its stream helpers also serve the fuzz seeds.

Each file is built from a plain stream written out field by field here, then
scrambled with the document key, so the bytes can be checked by hand."""
import struct

KEY = bytes([0x13, 0x07, 0x2A, 0x05])
MARKER = bytes([0x00, 0x56, 0x4C, 0x52, 0x58, 0x1A, 0x01, 0x00])


def legacy(plain):
    out = bytearray()
    for i, p in enumerate(plain):
        c = p + KEY[i % 4]
        out.append(c - 255 if c > 255 else c)
    return bytes(out)


def extended(plain):
    return MARKER + bytes((p + KEY[i % 4]) & 0xFF for i, p in enumerate(plain))


def text(s):
    return s.encode("cp932") + b"\0"


def i32(n):
    return struct.pack("<i", n)


def memos(rows, rule=1):
    """The memo layout with rows of (title, keywords, text, date serial)."""
    out = b"\x01" + i32(1) + text("Memos") + i32(len(rows))
    out += b"".join(text(r[0]) for r in rows) + i32(4)
    for col, index in (("Title", 0), ("Keywords", 1), ("Text", 2)):
        out += b"\x08" + text(col) + b"".join(b"\x00" + text(r[index]) for r in rows)
    out += b"\x07" + text("Update") + b"".join(b"\x00" + struct.pack("<d", r[3]) for r in rows)
    return out + bytes([rule])


if __name__ == "__main__":
    example = memos([("A", "", "x", 36892.0)])
    assert len(example) == 70
    files = {
        "example.vlr": legacy(example),
        "appended-byte.vlr": legacy(example + b"\x2A"),
        "truncated-in-text.vlr": legacy(example[:30]),
        "truncated-in-date.vlr": legacy(example[:66]),
        "overcount.vlr": legacy(b"\x01" + i32(1) + text("Memos") + i32(1000) + text("A")),
        "duplicate-tables.vlr": legacy(b"\x01" + i32(2) + text("T") + i32(0) + i32(0) + b"\x01"
                                       + text("T") + i32(0) + i32(0) + b"\x01"),
        "duplicate-rows.vlr": legacy(b"\x01" + i32(1) + text("T") + i32(2) + text("r") + text("r")
                                     + i32(0) + b"\x02"),
        # 2023-05-02: the date's double holds a 0xFF byte.
        "extended.vlr": extended(memos([("日本語のメモ", "仕事,\"a b\"", "一行目\r\n二行目", 45048.0)])),
    }
    for name, data in files.items():
        with open(name, "wb") as f:
            f.write(data)
