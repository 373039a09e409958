#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""quillog-update-templates: brings Quillog's ADIF definitions up to an ADIF release.

The operator downloads an ADIF release from the ADIF Developers Group (its resources .zip) and names
it, or its unpacked CSV exports folder, here. The template library (Templates.dat: field names, ADIF
version, type letters, default band, mode and submode lists; the contest templates are kept) is built
from the release's CSV exports and written to the operator's data folder, where Quillog finds it
before the installed one. The operator's own band, mode and submode lists are merged: entries the
operator added stay, entries the new release adds appear, entries the release dropped go.

Nothing is written unless the whole release could be read: a damaged or foreign input changes nothing
and says why. Exit status: 0 updated (or nothing to change), 2 nothing was changed because of a
problem.

scripts/make-templates builds the shipped data/Templates.dat with the same functions.
"""

import argparse
import csv
import io
import os
import pathlib
import re
import sys
import zipfile

VERSION = "@PROJECT_VERSION@"
TEMPLATE_FILE = "Templates.dat"
MAGIC = b"QUILLOG-TEMPLATES 1\n"
# A genuine export is well under a megabyte; anything far larger is not one.
MAX_EXPORT_BYTES = 16 * 1024 * 1024

# The five CSV exports the library is made of, with the columns read from each.
EXPORTS = {
    "datatypes": ("Data Type Name", "Data Type Indicator", "ADIF Version"),
    "fields": ("Field Name", "Data Type", "ADIF Version"),
    "enumerations_band": ("Band", "ADIF Version"),
    "enumerations_mode": ("Mode", "Import-only", "ADIF Version"),
    "enumerations_submode": ("Submode", "Mode", "ADIF Version"),
}

# ADIF gives an indicator letter to ten data types. A field of another type gets the letter of the
# type its values are written in: the integer types are Numbers, the international character an
# IntlString, everything else (grid squares, references, lists) a String.
LETTER_OF_TYPE_WITHOUT_INDICATOR = {
    "Digit": "N",
    "Integer": "N",
    "PositiveInteger": "N",
    "IntlCharacter": "I",
}
# A pattern for the header's user-defined fields (USERDEF1, USERDEF2, ...), not a field name itself.
NOT_A_FIELD = {"USERDEFn"}

FIELD_NAMES, ADIF_VERSION, CONTESTS, BANDS, MODES, SUBMODES, TYPE_MAP = 105, 109, 111, 112, 114, 115, 116
# The default lists and the operator's files that replace them.
LISTS = ((BANDS, "bands", "bands.lc"), (MODES, "modes", "modes.lc"), (SUBMODES, "submodes", "submodes.lc"))


class UpdateError(Exception):
    """A reason to change nothing, in words for the operator."""


# ---- Reading a release -------------------------------------------------------------------------

def export_name(path):
    """The export a file name stands for ("fields" for ADIF_316_fields.csv), or None."""
    name = path.replace("\\", "/").rsplit("/", 1)[-1].lower()
    for export in EXPORTS:
        if name == f"{export}.csv" or name.endswith(f"_{export}.csv"):
            return export
    return None


def pick(export, candidates, source):
    """The one file of an export; a release keeps its CSV exports in a folder named csv."""
    if len(candidates) > 1:
        candidates = [c for c in candidates if "/csv/" in "/" + c.replace("\\", "/").lower()] or candidates
    if not candidates:
        raise UpdateError(f"{source} is not an ADIF release: it has no {export}.csv export.")
    if len(candidates) > 1:
        raise UpdateError(f"{source} holds more than one {export}.csv export: {', '.join(sorted(candidates))}.")
    return candidates[0]


def parse_export(export, data, source):
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError:
        raise UpdateError(f"{source}: {export}.csv is not UTF-8 text, so it is no ADIF export.") from None
    try:
        reader = csv.DictReader(io.StringIO(text, newline=""))
        rows = list(reader)
    except csv.Error as error:
        raise UpdateError(f"{source}: {export}.csv is damaged ({error}).") from None
    missing = [column for column in EXPORTS[export] if column not in (reader.fieldnames or [])]
    if missing:
        raise UpdateError(f"{source}: {export}.csv has no column {', '.join(missing)}, so it is no ADIF export.")
    if not rows:
        raise UpdateError(f"{source}: {export}.csv has no entries.")
    return rows


def read_folder(folder):
    found = {export: [] for export in EXPORTS}
    for parent, _, names in os.walk(folder):
        for name in names:
            if export := export_name(name):
                found[export].append(os.path.join(parent, name))
    tables = {}
    for export, candidates in found.items():
        path = pick(export, candidates, folder)
        if os.path.getsize(path) > MAX_EXPORT_BYTES:
            raise UpdateError(f"{path} is far too large for an ADIF export.")
        with open(path, "rb") as f:
            tables[export] = parse_export(export, f.read(), folder)
    return tables


def read_zip(path):
    try:
        with zipfile.ZipFile(path) as archive:
            members = {info.filename: info for info in archive.infolist() if not info.is_dir()}
            tables = {}
            for export in EXPORTS:
                name = pick(export, [m for m in members if export_name(m) == export], path)
                if members[name].file_size > MAX_EXPORT_BYTES:
                    raise UpdateError(f"{path}: {name} is far too large for an ADIF export.")
                tables[export] = parse_export(export, archive.read(name), path)
            return tables
    except (zipfile.BadZipFile, zipfile.LargeZipFile, NotImplementedError, EOFError, OSError) as error:
        raise UpdateError(f"{path} is damaged or not a zip archive ({error}).") from None


def read_release(path):
    """The five export tables of a release: a .zip, a folder holding the exports, or one CSV file of
    that folder (which stands for the folder)."""
    path = os.path.abspath(path)
    if os.path.isdir(path):
        return read_folder(path)
    if not os.path.isfile(path):
        raise UpdateError(f"{path} does not exist.")
    if zipfile.is_zipfile(path):
        return read_zip(path)
    if path.lower().endswith(".zip"):
        raise UpdateError(f"{path} is damaged: it is not a readable zip archive.")
    if export_name(path):
        return read_folder(os.path.dirname(path))
    raise UpdateError(f"{path} is neither an ADIF release .zip nor a CSV file of its exports.")


# ---- Building the library ----------------------------------------------------------------------

def text_of(lines):
    return "".join(line + "\r\n" for line in lines)


def release_version(tables):
    versions = {row["ADIF Version"].strip() for rows in tables.values() for row in rows}
    if len(versions) != 1:
        raise UpdateError(f"The exports belong to different ADIF versions ({', '.join(sorted(versions))}).")
    version = versions.pop()
    if not re.fullmatch(r"\d+\.\d+\.\d+", version):
        raise UpdateError(f"The exports name no ADIF version (\"{version}\").")
    return version


def letter_for(data_type, letters):
    # Two fields name two list types ("CreditList,AwardList"); both are written as text.
    first = data_type.split(",")[0].strip()
    return letters.get(first) or LETTER_OF_TYPE_WITHOUT_INDICATOR.get(first, "S")


def ascii_only(text, what):
    try:
        text.encode("ascii")
    except UnicodeEncodeError:
        raise UpdateError(f"The {what} hold characters outside ASCII, which no ADIF release has.") from None
    return text


def sections_from_release(tables):
    """The library's sections made from a release: everything but the contest templates."""
    letters = {row["Data Type Name"]: row["Data Type Indicator"] for row in tables["datatypes"]}
    fields = [row for row in tables["fields"] if row["Field Name"] not in NOT_A_FIELD]
    texts = {
        FIELD_NAMES: text_of(row["Field Name"].upper() for row in fields),
        ADIF_VERSION: text_of([release_version(tables)]),
        BANDS: text_of(row["Band"].upper() for row in tables["enumerations_band"]),
        MODES: text_of(row["Mode"] for row in tables["enumerations_mode"] if row["Import-only"] == ""),
        SUBMODES: text_of(f'{row["Submode"]}={row["Mode"]}' for row in tables["enumerations_submode"]),
        TYPE_MAP: text_of(f'{row["Field Name"].upper()}={letter_for(row["Data Type"], letters)}' for row in fields),
    }
    for section, what in ((FIELD_NAMES, "field names"), (BANDS, "bands"), (MODES, "modes")):
        if not texts[section].strip():
            raise UpdateError(f"The release lists no {what}.")
    return {section: ascii_only(text, "exports") for section, text in texts.items()}


# The validator's sections (fields, enumerations, band edges) hold UTF-8 text such as subdivision names.
VALIDATION_SECTIONS = (120, 121, 122)


def section_encoding(section):
    return "utf-8" if section in VALIDATION_SECTIONS else "ascii"


def container(texts):
    out = bytearray(MAGIC)
    for section in sorted(texts):
        body = texts[section].encode(section_encoding(section))
        out += f"SECTION {section} {len(body)}\n".encode("ascii") + body + b"\n"
    out += b"END\n"
    return bytes(out)


def parse_container(data):
    """The sections of a library file, or None when it is damaged."""
    if not data.startswith(MAGIC):
        return None
    texts, at = {}, len(MAGIC)
    while True:
        end = data.find(b"\n", at)
        if end < 0:
            return None
        line = data[at:end].decode("ascii", "replace").split()
        if line == ["END"]:
            return texts
        if len(line) != 3 or line[0] != "SECTION" or not line[1].isdigit() or not line[2].isdigit():
            return None
        length = int(line[2])
        body = data[end + 1:end + 1 + length]
        if len(body) != length or data[end + 1 + length:end + 2 + length] != b"\n":
            return None
        section = int(line[1])
        body = body.split(b"\0", 1)[0]
        texts[section] = body.decode("utf-8", "replace") if section in VALIDATION_SECTIONS else body.decode("latin-1")
        at = end + 2 + length


def lines_of(text):
    return [line.strip() for line in re.split(r"\r\n|\r|\n", text or "") if line.strip()]


# ---- The operator's files ----------------------------------------------------------------------

def default_data_folder():
    data_home = os.environ.get("XDG_DATA_HOME", "")
    if not data_home.startswith("/"):
        data_home = os.path.join(os.path.expanduser("~"), ".local", "share")
    return os.path.join(data_home, "Quillog")


def installed_library_paths(program_folder):
    return [os.path.join(program_folder, TEMPLATE_FILE),
            os.path.normpath(os.path.join(program_folder, "..", "share", "quillog", TEMPLATE_FILE))]


def read_library(path):
    try:
        with open(path, "rb") as f:
            return parse_container(f.read())
    except OSError:
        return None


def first_existing(paths):
    return next((path for path in paths if os.path.isfile(path)), None)


def merge_list(own, old_default, new_default):
    """The operator's list brought to a new default: what the new default adds is appended, what it
    drops (and the old one had) goes, everything else (the operator's own entries included) stays in
    its place. Entries are compared without regard to letter case."""
    key = str.upper
    old_keys, new_keys, own_keys = {key(e) for e in old_default}, {key(e) for e in new_default}, {key(e) for e in own}
    dropped = [e for e in own if key(e) in old_keys and key(e) not in new_keys]
    added = [e for e in new_default if key(e) not in old_keys and key(e) not in own_keys]
    merged = [e for e in own if e not in dropped] + added
    return merged, added, dropped


def read_list_file(path):
    with open(path, "rb") as f:
        return lines_of(f.read().decode("latin-1"))


# ---- The update --------------------------------------------------------------------------------

def difference_lines(old, new):
    lines = []
    for section, what in ((BANDS, "Bands"), (MODES, "Modes"), (SUBMODES, "Submodes"), (FIELD_NAMES, "Fields")):
        before, after = lines_of(old.get(section)), lines_of(new.get(section))
        added = [e for e in after if e not in before]
        removed = [e for e in before if e not in after]
        if added:
            lines.append(f"{what} added: {', '.join(added)}")
        if removed:
            lines.append(f"{what} removed: {', '.join(removed)}")
    return lines


def version_of(texts):
    lines = lines_of(texts.get(ADIF_VERSION))
    return lines[0] if lines else "unknown"


def plan_update(release, data_folder, program_folder):
    """What the update writes (path -> bytes; None removes the file) and its report."""
    tables = read_release(release)
    new = sections_from_release(tables)
    own_path = os.path.join(data_folder, TEMPLATE_FILE)
    installed_path = first_existing(installed_library_paths(program_folder))
    current_path = first_existing([own_path, installed_path] if installed_path else [own_path])
    current = read_library(current_path) if current_path else None
    report = [f"ADIF {new[ADIF_VERSION].strip()} found in {release}."]
    if current is None:
        report.append("No readable template library was in force; the contest templates start empty.")
        current = {}
    else:
        report.append(f"The library in force was ADIF {version_of(current)} ({current_path}).")
    # The release's CSV exports hold neither the contest templates nor the validator's tables: the
    # library in force keeps them.
    for section in (CONTESTS,) + VALIDATION_SECTIONS:
        if section in current:
            new[section] = current[section]
    report += difference_lines(current, new) or ["The bands, modes, submodes and fields are unchanged."]

    writes = {}
    library = container(new)
    installed = read_library(installed_path) if installed_path else None
    if installed is not None and container(installed) == library:
        # The installed library is already this release: the operator follows it again, so that a
        # later package with a newer release is not hidden behind an old copy.
        if os.path.isfile(own_path):
            writes[own_path] = None
            report.append(f"The installed library is this release: your copy {own_path} is removed.")
    elif current_path == own_path and container(current) == library:
        pass
    else:
        writes[own_path] = library
        report.append(f"Template library written to {own_path}.")

    for section, what, file_name in LISTS:
        path = os.path.join(data_folder, file_name)
        if not os.path.isfile(path):
            continue
        own = read_list_file(path)
        merged, added, dropped = merge_list(own, lines_of(current.get(section)), lines_of(new[section]))
        if merged == own:
            report.append(f"Your {what} list ({file_name}) needed no change.")
            continue
        writes[path] = "".join(e + "\r\n" for e in merged).encode("latin-1")
        words = [f"added {', '.join(added)}"] if added else []
        words += [f"removed {', '.join(dropped)} (no longer in ADIF)"] if dropped else []
        report.append(f"Your {what} list ({file_name}) was merged: {'; '.join(words)}; your own entries were kept.")
    if not writes:
        report.append("Nothing needed to change.")
    return writes, report


def commit(writes):
    """Writes every new file beside its target first, then renames them all into place."""
    staged = []
    try:
        for path, data in writes.items():
            if data is None:
                continue
            os.makedirs(os.path.dirname(path), exist_ok=True)
            temporary = f"{path}.new{os.getpid()}"
            with open(temporary, "wb") as f:
                f.write(data)
                f.flush()
                os.fsync(f.fileno())
            staged.append((temporary, path))
    except OSError as error:
        for temporary, _ in staged:
            os.unlink(temporary)
        raise UpdateError(f"Cannot write {error.filename}: {error.strerror}.") from None
    for temporary, path in staged:
        os.replace(temporary, path)
    for path, data in writes.items():
        if data is None:
            os.unlink(path)


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog="quillog-update-templates",
        description="Update Quillog's ADIF definitions from an ADIF release (its .zip or its CSV exports folder).")
    parser.add_argument("release", help="the ADIF release .zip, its exports folder, or a CSV file of that folder")
    parser.add_argument("--data-folder", default=default_data_folder(),
                        help="the operator's data folder (default: $XDG_DATA_HOME/Quillog or ~/.local/share/Quillog)")
    parser.add_argument("--program-folder", default=os.path.dirname(os.path.realpath(sys.argv[0])),
                        help=argparse.SUPPRESS)
    parser.add_argument("--dry-run", action="store_true", help="report what would change, write nothing")
    parser.add_argument("--version", action="version", version=f"quillog-update-templates {VERSION}")
    arguments = parser.parse_args(argv)
    try:
        writes, report = plan_update(arguments.release, arguments.data_folder, arguments.program_folder)
        if not arguments.dry_run:
            commit(writes)
    except UpdateError as error:
        print(f"quillog-update-templates: {error}\nNothing was changed.", file=sys.stderr)
        return 2
    print("\n".join(report))
    return 0


if __name__ == "__main__":
    sys.exit(main())
