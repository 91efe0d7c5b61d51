#!/usr/bin/env python3
"""Checks a translation of the game's texts against the texts themselves:

- every text has an entry in the .po file (GNU gettext's own xgettext and msgcmp say so),
  none untranslated or fuzzy, and none the same in both languages unless its translator
  comment says "same in <language>", as for names, numbers and captions already Latin;
- every translation keeps the places {1}, {2}, ... where the game fills in its values;
- every template says what its values stand for, in a comment starting "TRANSLATORS:"
  just above it in the texts' source, and the .po file carries that comment as it stands;
- the header names the file's language and UTF-8, the only encoding the game reads.

    check_catalogue.py TEXTS_SOURCE PO_FILE
    check_catalogue.py --template TEXTS_SOURCE POT_FILE   (writes the template)

Exits 0 when the translation is whole, 1 with the faults listed otherwise."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

# How the texts are marked in the source: N_(text) and NC_(context, text).
XGETTEXT = ["xgettext", "--from-code=UTF-8", "--language=C++", "--keyword=N_",
            "--keyword=NC_:1c,2", "--add-comments=TRANSLATORS:", "--package-name=krepostan"]


def write_template(source, pot):
    subprocess.run(XGETTEXT + ["--output", str(pot), str(source)], check=True)


class Entry:
    def __init__(self):
        self.comments, self.notes = [], []   # "# " translator's, "#. " from the source
        self.fields = {"msgctxt": None, "msgid": "", "msgstr": ""}

    @property
    def key(self):
        return (self.fields["msgctxt"], self.fields["msgid"])


def entries(po_text):
    """Every entry but the header."""
    out, entry, field = [], Entry(), None
    for line in po_text.splitlines() + [""]:
        if not line.strip():
            if field is not None and entry.fields["msgid"]:
                out.append(entry)
            entry, field = Entry(), None
        elif line.startswith("#. "):
            entry.notes.append(line[3:])
        elif line.startswith("# "):
            entry.comments.append(line[2:])
        elif re.match(r"(msgctxt|msgid|msgstr) ", line):
            field, rest = line.split(" ", 1)
            entry.fields[field] = unquote(rest)
        elif line.startswith('"') and field:
            entry.fields[field] += unquote(line)
    return out


def header(po_text):
    match = re.search(r'^msgid ""\nmsgstr ""\n((?:".*"\n)+)', po_text, re.M)
    return "".join(unquote(l) for l in match.group(1).splitlines()) if match else ""


def unquote(s):
    s = s.strip()[1:-1]
    return s.encode("latin-1", "backslashreplace").decode("unicode_escape").encode(
        "latin-1").decode("utf-8") if "\\" in s else s


def places(text):
    return sorted(re.findall(r"\{\d+\}", text))


def shown(entry):
    context = entry.fields["msgctxt"]
    return repr(entry.fields["msgid"]) + (f" ({context})" if context else "")


def check(source, po):
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        pot = Path(scratch) / "krepostan.pot"
        write_template(source, pot)
        missing = subprocess.run(["msgcmp", str(po), str(pot)], capture_output=True, text=True)
        if missing.returncode != 0:
            faults.append("texts without an entry:\n" + missing.stderr)
        template = {e.key: e for e in entries(pot.read_text(encoding="utf-8"))}
    for e in template.values():
        for place in places(e.fields["msgid"]):
            if not any(place in note for note in e.notes):
                faults.append(f"{source.name}: no TRANSLATORS: comment says what {place} of "
                              f"{shown(e)} stands for")
    for option, what in (("--untranslated", "untranslated"), ("--only-fuzzy", "fuzzy")):
        found = subprocess.run(["msgattrib", option, "--no-obsolete", str(po)],
                               capture_output=True, text=True, check=True).stdout
        if entries(found):
            faults.append(f"{what} entries:\n{found}")
    text = po.read_text(encoding="utf-8")
    head = header(text)
    if f"Language: {po.stem}\n" not in head:
        faults.append(f"the header does not say \"Language: {po.stem}\"")
    if "charset=UTF-8" not in head:
        faults.append("the header does not say charset=UTF-8")
    for e in entries(text):
        msgid, msgstr = e.fields["msgid"], e.fields["msgstr"]
        if msgid == msgstr and not any(c.startswith("same in ") for c in e.comments):
            faults.append(f"left as it is without a word why: {shown(e)}")
        # The game fills in {1}, {2}, ...: a translation keeps every one, in any order.
        if msgstr and places(msgid) != places(msgstr):
            faults.append(f"places to fill in differ: {shown(e)} -> {msgstr!r}")
        if e.key in template and e.notes != template[e.key].notes:
            faults.append(f"the comment for translators of {shown(e)} is not the source's "
                          f"(msgmerge brings it): {template[e.key].notes}")
    return faults


def main():
    if sys.argv[1] == "--template":
        write_template(Path(sys.argv[2]), Path(sys.argv[3]))
        return 0
    source, po = Path(sys.argv[1]), Path(sys.argv[2])
    faults = check(source, po)
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"{po.name}: every text of {source.name} is translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
