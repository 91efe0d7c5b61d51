#!/usr/bin/env python3
"""Checks a translation of the game's texts: every text of the catalogue header has an entry
in the .po file (GNU gettext's own xgettext and msgcmp say so), no entry is untranslated or
fuzzy, and none is the same in both languages unless its translator comment says
"same in English", as for names, numbers and captions that are Latin already; and every
translation keeps the places {1}, {2}, ... where the game fills in its values.

    check_catalogue.py TEXTS_HEADER PO_FILE

Exits 0 when the translation is whole, 1 with the faults listed otherwise."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path


def entries(po_text):
    """(translator comments, msgid, msgstr) of every entry but the header."""
    out = []
    comments, field, values = [], None, {"msgid": "", "msgstr": ""}

    def finish():
        if field is not None and values["msgid"]:
            out.append((comments, values["msgid"], values["msgstr"]))

    for line in po_text.splitlines() + [""]:
        if not line.strip():
            finish()
            comments, field, values = [], None, {"msgid": "", "msgstr": ""}
        elif line.startswith("# "):
            comments.append(line[2:])
        elif line.startswith("msgid ") or line.startswith("msgstr "):
            field, rest = line.split(" ", 1)
            values[field] = unquote(rest)
        elif line.startswith('"') and field:
            values[field] += unquote(line)
    return out


def unquote(s):
    return s.strip()[1:-1].encode("latin-1", "backslashreplace").decode("unicode_escape") \
        if "\\" in s else s.strip()[1:-1]


def main():
    header, po = Path(sys.argv[1]), Path(sys.argv[2])
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        pot = Path(scratch) / "texts.pot"
        subprocess.run(["xgettext", "--from-code=UTF-8", "--language=C++", "--extract-all",
                        "--output", str(pot), str(header)], check=True)
        missing = subprocess.run(["msgcmp", str(po), str(pot)], capture_output=True, text=True)
        if missing.returncode != 0:
            faults.append("texts without an entry:\n" + missing.stderr)
    for option, what in (("--untranslated", "untranslated"), ("--only-fuzzy", "fuzzy")):
        found = subprocess.run(["msgattrib", option, "--no-obsolete", str(po)],
                               capture_output=True, text=True, check=True).stdout
        if any(m != "" for _, m, _ in entries(found)):
            faults.append(f"{what} entries:\n{found}")
    for comments, msgid, msgstr in entries(po.read_text(encoding="utf-8")):
        if msgid == msgstr and not any("same in English" in c for c in comments):
            faults.append(f"left as it is without a word why: {msgid!r}")
        # The game fills in {1}, {2}, ...: a translation keeps every one, in any order.
        if msgstr and sorted(re.findall(r"\{\d+\}", msgid)) != sorted(re.findall(r"\{\d+\}", msgstr)):
            faults.append(f"places to fill in differ: {msgid!r} -> {msgstr!r}")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"{po.name}: every text of {header.name} is translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
