#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets, one folder per target."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "data"))
from make_data import extended, i32, legacy, memos, text  # noqa: E402


def scrambled(plain):
    """The legacy form, or the extended one where a plain 0xFF has none."""
    return extended(plain) if 0xFF in plain else legacy(plain)


def stretched(document, start, length, kib, plain=False):
    """The memo file target's input: the run of length bytes at start is
    repeated about kib KiB long (length a multiple of 4); a plain document
    is scrambled by the target."""
    return struct.pack("<HBB", start, (length // 4 - 1) | (0x80 if plain else 0), kib) + document


rows = [("予定", "仕事,\"a b\"", "一行目\r\n二行目", 45048.0),
        ("b", "仕事", "abcdefgh", 36892.0),
        ("A", "", "", 0.0)]
plain = memos(rows)
document = scrambled(plain)
text_at = len(document) - len(plain) + plain.index(b"abcdefgh")
seeds = {
    "memo_file": {
        "three-memos": stretched(document, 0, 4, 0),
        "long-text": stretched(document, text_at + 2, 4, 70),
        "plain-long-text": stretched(plain, plain.index(b"abcdefgh"), 8, 70, plain=True),
        "other-table": stretched(legacy(b"\x01" + i32(1) + text("T") + i32(0) + i32(0) + b"\x01"), 0, 4, 0),
    },
    "ini": {
        "settings": b"\0[TfrmManager]\r\nLeft=10\r\nTop=20\r\n\r\n[Files]\r\nFile1=a=b\r\n;note\r\nfile2=c\r\n",
        "entry": b"\0[A]\nk=v\n\x1f[a]\x1fK\x1fnew value",
    },
    "text_codec": {
        "keywords": b",a,b c,\"q\",,\"\"",
        "cp932": "日本語ｶﾅ①".encode("cp932"),
        "utf8": "日本語ｶﾅ①".encode("utf-8"),
    },
}
here = os.path.dirname(os.path.abspath(__file__))
for target, files in seeds.items():
    os.makedirs(os.path.join(here, target), exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(here, target, name), "wb") as f:
            f.write(data)
