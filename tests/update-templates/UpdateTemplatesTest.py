# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of quillog-update-templates on the ADIF 3.1.6 exports and on damaged and foreign copies.

Run by CTest with the updater's folder, the exports folder and the shipped Templates.dat as arguments.
"""

import contextlib
import io
import os
import pathlib
import shutil
import sys
import tempfile
import unittest
import zipfile

UPDATER, EXPORTS, SHIPPED = (pathlib.Path(a) for a in sys.argv[1:4])
sys.path.insert(0, str(UPDATER))
import quillog_update_templates as updater  # noqa: E402


def snapshot(folder):
    """Every file under a folder with its bytes."""
    return {str(p.relative_to(folder)): p.read_bytes() for p in sorted(folder.rglob("*")) if p.is_file()}


class Sandbox:
    """A program folder holding the shipped library, an empty data folder and a copy of the exports
    laid out as in an ADIF resources archive."""

    def __init__(self, root):
        self.root = pathlib.Path(root)
        self.program = self.root / "bin"
        self.data = self.root / "data"
        self.csv = self.root / "ADIF_317_resources" / "exports" / "csv"
        for folder in (self.program, self.data, self.csv):
            folder.mkdir(parents=True)
        shutil.copy(SHIPPED, self.program / "Templates.dat")
        for export in EXPORTS.glob("*.csv"):
            shutil.copy(export, self.csv / f"ADIF_317_{export.name}")

    def export(self, name):
        return self.csv / f"ADIF_317_{name}.csv"

    def edit(self, name, change):
        path = self.export(name)
        path.write_bytes(change(path.read_bytes()))

    def as_release_317(self):
        """The exports as a newer release would have them: another version, one more mode and
        submode, one mode less."""
        for name in updater.EXPORTS:
            self.edit(name, lambda b: b.replace(b'"3.1.6"', b'"3.1.7"'))
        self.edit("enumerations_mode", lambda b: b.replace(b'"Mode","ARDOP",', b'"Mode","OFDM","","","","","3.1.7","Released"\r\n"Mode","ARDOP",')
                  .replace(b'"Mode","VOI","","","","","3.1.7","Released"\r\n', b""))
        self.edit("enumerations_submode", lambda b: b + b'\r\n"Submode","FT2","MFSK","","","","3.1.7","Released"')

    def zip(self):
        path = self.root / "ADIF_317_resources.zip"
        with zipfile.ZipFile(path, "w") as archive:
            for file in (self.root / "ADIF_317_resources").rglob("*"):
                archive.write(file, file.relative_to(self.root))
        return path

    def run(self, release):
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            status = updater.main([str(release), "--data-folder", str(self.data),
                                   "--program-folder", str(self.program)])
        return status, out.getvalue(), err.getvalue()

    def library(self):
        return updater.read_library(self.data / "Templates.dat")


class MergeList(unittest.TestCase):
    def test_keeps_the_operators_entries_adds_new_ones_drops_retired_ones(self):
        cases = [
            # own, old default, new default -> merged, added, dropped
            (["20M", "40M"], ["20M", "40M"], ["20M", "40M", "8M"], ["20M", "40M", "8M"], ["8M"], []),
            (["20M", "MYBAND"], ["20M"], ["20M", "8M"], ["20M", "MYBAND", "8M"], ["8M"], []),
            (["20M"], ["20M", "40M"], ["20M", "40M"], ["20M"], [], []),  # the operator deleted 40M
            (["CW", "VOI"], ["CW", "VOI"], ["CW", "OFDM"], ["CW", "OFDM"], ["OFDM"], ["VOI"]),
            (["cw", "ofdm"], ["CW"], ["CW", "OFDM"], ["cw", "ofdm"], [], []),  # letter case ignored
            ([], ["CW"], ["CW", "FT8"], ["FT8"], ["FT8"], []),
            (["FT2=MFSK"], [], ["FT2=MFSK", "FT4=MFSK"], ["FT2=MFSK", "FT4=MFSK"], ["FT4=MFSK"], []),
        ]
        for own, old, new, merged, added, dropped in cases:
            with self.subTest(own=own, old=old, new=new):
                self.assertEqual(updater.merge_list(own, old, new), (merged, added, dropped))


class Update(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory(prefix="quillog-update-")
        self.box = Sandbox(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def test_a_newer_release_replaces_the_library_and_merges_the_operators_lists(self):
        self.box.as_release_317()
        (self.box.data / "modes.lc").write_bytes(b"CW\r\nSSB\r\nVOI\r\nMYMODE\r\n")
        (self.box.data / "submodes.lc").write_bytes(b"FT4=MFSK\n")
        (self.box.data / "bands.lc").write_bytes(b"20M\r\n40M\r\n")
        for release in (self.box.zip(), self.box.csv, self.box.export("fields")):
            with self.subTest(release=release.name):
                (self.box.data / "Templates.dat").unlink(missing_ok=True)
                status, out, err = self.box.run(release)
                self.assertEqual(status, 0, err)
                library = self.box.library()
                self.assertEqual(library[updater.ADIF_VERSION], "3.1.7\r\n")
                self.assertIn("OFDM\r\n", library[updater.MODES])
                self.assertNotIn("VOI\r\n", library[updater.MODES])
                shipped = updater.read_library(SHIPPED)
                self.assertEqual(library[updater.CONTESTS], shipped[updater.CONTESTS])
                self.assertEqual(library[updater.TYPE_MAP], shipped[updater.TYPE_MAP])
        self.assertEqual((self.box.data / "modes.lc").read_bytes(), b"CW\r\nSSB\r\nMYMODE\r\nOFDM\r\n")
        self.assertEqual((self.box.data / "submodes.lc").read_bytes(), b"FT4=MFSK\r\nFT2=MFSK\r\n")
        self.assertEqual((self.box.data / "bands.lc").read_bytes(), b"20M\r\n40M\r\n")
        self.assertIn("Modes added: OFDM\n", out)
        self.assertIn("Modes removed: VOI\n", out)

    def test_the_first_run_reports_what_changed_and_merges(self):
        self.box.as_release_317()
        (self.box.data / "modes.lc").write_bytes(b"CW\r\nVOI\r\nMYMODE\r\n")
        status, out, _ = self.box.run(self.box.zip())
        self.assertEqual(status, 0)
        self.assertEqual(out.splitlines(), [
            f"ADIF 3.1.7 found in {self.box.root / 'ADIF_317_resources.zip'}.",
            f"The library in force was ADIF 3.1.6 ({self.box.program / 'Templates.dat'}).",
            "Modes added: OFDM",
            "Modes removed: VOI",
            "Submodes added: FT2=MFSK",
            f"Template library written to {self.box.data / 'Templates.dat'}.",
            "Your modes list (modes.lc) was merged: added OFDM; removed VOI (no longer in ADIF); "
            "your own entries were kept.",
        ])

    def test_the_installed_release_again_removes_the_operators_copy(self):
        self.box.as_release_317()
        self.assertEqual(self.box.run(self.box.zip())[0], 0)
        self.assertTrue((self.box.data / "Templates.dat").is_file())
        status, out, _ = self.box.run(EXPORTS)
        self.assertEqual(status, 0)
        self.assertFalse((self.box.data / "Templates.dat").exists())
        self.assertIn("Modes removed: OFDM", out)

    def test_the_same_release_twice_changes_nothing_the_second_time(self):
        self.box.as_release_317()
        (self.box.data / "modes.lc").write_bytes(b"CW\r\n")
        self.box.run(self.box.csv)
        before = snapshot(self.box.data)
        status, out, _ = self.box.run(self.box.csv)
        self.assertEqual((status, snapshot(self.box.data)), (0, before))
        self.assertIn("Nothing needed to change.", out)

    def test_a_damaged_or_foreign_release_changes_nothing_and_says_why(self):
        def truncated_zip(box):
            path = box.zip()
            path.write_bytes(path.read_bytes()[:-200])
            return path

        def foreign_zip(box):
            path = box.root / "photos.zip"
            with zipfile.ZipFile(path, "w") as archive:
                archive.writestr("photo.jpg", b"\xff\xd8\xff")
            return path

        def without(name):
            return lambda box: (box.export(name).unlink(), box.csv)[1]

        def edited(name, old, new):
            return lambda box: (box.edit(name, lambda b: b.replace(old, new)), box.csv)[1]

        def no_version(box):
            for name in updater.EXPORTS:
                box.edit(name, lambda b: b.replace(b'"3.1.6"', b'"draft"'))
            return box.csv

        def only_header(box):
            box.edit("enumerations_band", lambda b: b.split(b"\r\n")[0])
            return box.csv

        def twice(box):
            other = box.root / "ADIF_317_resources" / "exports" / "other" / "csv"
            shutil.copytree(box.csv, other)
            return box.root / "ADIF_317_resources"

        def text_file(box):
            path = box.root / "notes.txt"
            path.write_text("not a release")
            return path

        cases = [
            ("truncated zip", truncated_zip, "is damaged"),
            ("zip of something else", foreign_zip, "is not an ADIF release: it has no"),
            ("mode export missing", without("enumerations_mode"), "has no enumerations_mode.csv export"),
            ("renamed column", edited("fields", b'"Field Name"', b'"Name"'), "has no column Field Name"),
            ("mixed versions", edited("enumerations_band", b'"3.1.6"', b'"3.1.5"'), "different ADIF versions"),
            ("no version", no_version, "name no ADIF version"),
            ("not UTF-8", edited("fields", b"ADIF_VER", b"ADIF_\xff\xfe"), "is not UTF-8 text"),
            ("no bands", only_header, "enumerations_band.csv has no entries"),
            ("two export sets", twice, "more than one"),
            ("a text file", text_file, "neither an ADIF release .zip nor a CSV file"),
            ("no such path", lambda box: box.root / "missing", "does not exist"),
        ]
        for name, make, reason in cases:
            with self.subTest(name):
                with tempfile.TemporaryDirectory(prefix="quillog-update-") as root:
                    box = Sandbox(root)
                    (box.data / "modes.lc").write_bytes(b"CW\r\n")
                    before = snapshot(box.data)
                    status, out, err = box.run(make(box))
                    self.assertEqual(status, 2)
                    self.assertEqual(out, "")
                    self.assertIn(reason, err)
                    self.assertTrue(err.endswith("Nothing was changed.\n"), err)
                    self.assertEqual(snapshot(box.data), before)

    def test_a_data_folder_that_cannot_be_written_changes_nothing(self):
        self.box.as_release_317()
        blocked = self.box.root / "blocked"
        blocked.write_text("a file where the data folder belongs")
        status, _, err = Sandbox.run(type("Box", (), {"data": blocked / "Quillog", "program": self.box.program})(),
                                     self.box.csv)
        self.assertEqual(status, 2)
        self.assertIn("Cannot write", err)
        self.assertEqual(blocked.read_text(), "a file where the data folder belongs")


class Container(unittest.TestCase):
    def test_reads_back_what_it_writes_and_rejects_damage(self):
        texts = {112: "160M\r\n80M\r\n", 109: "3.1.6\r\n"}
        data = updater.container(texts)
        self.assertEqual(updater.parse_container(data), texts)
        for damaged in (data[:-4], data.replace(b"SECTION 112 11", b"SECTION 112 99"), b"PK\x03\x04" + data[4:],
                        data.replace(b"END\n", b"")):
            with self.subTest(damaged=damaged[:30]):
                self.assertIsNone(updater.parse_container(damaged))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
