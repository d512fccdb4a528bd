#!/usr/bin/env python3
"""Checks the translations' sources: every message of a shipped language is finished and none has vanished,
each translation keeps its source's placeholders and at most one underlined letter, and lupdate finds no text
in src/ that the .ts files lack.

Usage: check_translations.py LUPDATE SOURCE_DIR LANGUAGE... [-- LUPDATE_OPTION...]
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")


def messages(path):
    """(context, source, plural, translations, type) for each message of a .ts file."""
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            yield (name, message.findtext("source"), message.get("numerus") == "yes", forms,
                   translation.get("type"))


def mnemonics(text):
    return len(re.findall(r"&(?!&)\S", text.replace("&&", "")))


def faults_of(path):
    faults = []
    for context, source, plural, forms, kind in messages(path):
        where = f"{os.path.basename(path)}: {context}: {source!r}"
        if kind in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where} is {kind}")
            continue
        for form in forms:
            if not form:
                faults.append(f"{where} has an empty translation")
            elif sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                faults.append(f"{where} has other placeholders in {form!r}")
            elif mnemonics(form) > mnemonics(source):
                faults.append(f"{where} underlines a letter too many in {form!r}")
            elif source.count("\n") != form.count("\n"):
                faults.append(f"{where} has another number of lines in {form!r}")
    return faults


def missing_texts(lupdate, source_dir, ts_files, options):
    """The messages lupdate finds in src/ that a .ts file lacks, and those it holds that src/ no longer has."""
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(path, scratch) for path in ts_files]
        subprocess.run([lupdate, *options, "src", "-ts", *copies], cwd=source_dir, check=True,
                       stdout=subprocess.DEVNULL)
        for path, copy in zip(ts_files, copies):
            before = {(c, s) for c, s, *_ in messages(path)}
            after = {(c, s) for c, s, *_ in messages(copy)}
            for context, source in sorted(after - before):
                faults.append(f"{os.path.basename(path)} lacks {context}: {source!r}")
            for context, source in sorted(before - after):
                faults.append(f"{os.path.basename(path)} holds {context}: {source!r}, which src/ no longer has")
    return faults


def main(argv):
    options = []
    if "--" in argv:
        options = argv[argv.index("--") + 1:]
        argv = argv[:argv.index("--")]
    lupdate, source_dir, *languages = argv[1:]
    ts_files = [os.path.join(source_dir, "translations", f"orbetta_{language}.ts") for language in languages]
    faults = missing_texts(lupdate, source_dir, ts_files, options)
    for path in ts_files:
        faults += faults_of(path)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in {len(ts_files)} translations")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
