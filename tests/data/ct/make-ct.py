#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes small CT contest logs of versions 8, 9 and 10 laid out field by field: a 128-byte header with
# "CT" at bytes 32-33 and the version mark at 35-36, zeros up to the data offset, then the records.
import struct
import sys
from pathlib import Path

QSOS = [
    # call, second text, band, mode, byte 26, two 16-bit values, two 32-bit values, time, byte 46, byte 47
    ("K1AR", "599", 4, 1, 5, 14, -1, 1, 3, 1700000000, 0, ord("A")),
    ("DL1ABC", "599", 3, 1, 14, 7, 2, 2, 1, 1700000360, 1, ord("B")),
    ("JA1XYZ", "59", 5, 2, 25, 21, 300, 3, 0xFFFFFFFF, 1700003600, 2, ord("C")),
]


def record(qso, size):
    call, second, band, mode, b26, w28, w30, l34, l38, time, b46, b47 = qso
    out = bytearray(size)
    out[0:16] = call.encode().ljust(16, b"\0")[:16]
    out[16:24] = second.encode().ljust(8, b"\0")[:8]
    out[24], out[25], out[26] = band, mode, b26
    out[28:32] = struct.pack("<hh", w28, w30)
    out[34:46] = struct.pack("<III", l34, l38, time)
    out[46], out[47] = b46, b47
    if size == 64:
        out[50:64] = ("EXCH " + call).encode().ljust(14, b"\0")[:14]
    return bytes(out)


# Two more for the format conformance test, which reads a sample of five QSOs.
MORE = [
    ("VK2BB", "599", 6, 1, 30, 10, 4, 4, 5, 1700007200, 3, ord("D")),
    ("ZS6CC", "59", 2, 0, 38, 3, -300, 5, 6, 1700010800, 4, ord("E")),
]


def ct_file(mark, offset, size, qsos=QSOS):
    header = bytearray(offset)
    header[32:34] = b"CT"
    header[35:35 + len(mark)] = mark
    return bytes(header) + b"".join(record(q, size) for q in qsos)


folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
(folder / "ct_v8.bin").write_bytes(ct_file(b"8", 1024, 50))
(folder / "ct_v9.bin").write_bytes(ct_file(b"9", 4096, 50))
(folder / "ct_v10.bin").write_bytes(ct_file(b"10", 4096, 64))
(folder.parent / "conformance" / "sample.bin").write_bytes(ct_file(b"8", 1024, 50, QSOS + MORE))
