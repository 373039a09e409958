#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the UTF-16 logs of the file-type tests: an ADIF log whose comments are Japanese text, so that
# its UTF-8 form is longer than the UTF-16 file, in both byte orders with a byte-order mark, and the
# same log little-endian without one.
import codecs

comment = "東京都千代田区の公園から移動運用しました。ありがとうございました。" * 5
records = []
for i, call in enumerate(["JA1ABC", "JH1XYZ", "7K1QRP"]):
    fields = {"CALL": call, "QSO_DATE": "20240321", "TIME_ON": "%04d" % (1200 + i), "BAND": "20m",
              "MODE": "SSB", "COMMENT": comment}
    records.append("".join("<%s:%d>%s" % (k, len(v.encode("utf-8")), v) for k, v in fields.items()) + "<EOR>\n")
text = "移動運用ログ\n<ADIF_VER:5>3.1.6\n<EOH>\n" + "".join(records)

with open("utf16le_bom.adi", "wb") as f:
    f.write(codecs.BOM_UTF16_LE + text.encode("utf-16-le"))
with open("utf16be_bom.adi", "wb") as f:
    f.write(codecs.BOM_UTF16_BE + text.encode("utf-16-be"))
with open("utf16le.adi", "wb") as f:
    f.write(text.encode("utf-16-le"))
with open("utf8_of_utf16.adi", "wb") as f:
    f.write(text.encode("utf-8"))
