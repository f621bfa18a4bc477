#!/usr/bin/env python3
"""Are the translations complete and faithful to the sources?

Runs lupdate over src/ into a copy of each translations/*.ts file (the file itself is left
alone) and fails when the copy has a text the sources have and the file has no finished
translation for (type="unfinished": a new or changed text), a translation of a text the
sources no longer have (type="vanished" or "obsolete"), or a translation that drops or adds
a placeholder (%1 ...), the "&" of a keyboard mnemonic, a closing "..." or ":", a "|" of a
file filter, or the spaces at its ends.

    scripts/check-translations.py [path of lupdate]     (default: Qt 6's lupdate)

To bring a file up to date: cmake --build build --target tessellara_lupdate, then fill in
the entries marked unfinished (Qt Linguist: linguist translations/tessellara_<lang>.ts).
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def Mnemonics(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def Problems(source, translation):
    """What a finished translation loses of its source, as short phrases."""
    found = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        found.append("placeholders")
    if Mnemonics(source) != Mnemonics(translation):
        found.append("mnemonic")
    for end in ("...", ":"):
        if source.endswith(end) != translation.endswith(end):
            found.append('closing "%s"' % end)
    if source.count("|") != translation.count("|"):
        found.append('"|"')
    if (source[:1].isspace(), source[-1:].isspace()) != (translation[:1].isspace(),
                                                          translation[-1:].isspace()):
        found.append("spaces at the ends")
    return found


def CheckFile(lupdate, ts, folder):
    copy = os.path.join(folder, os.path.basename(ts))
    shutil.copyfile(ts, copy)
    subprocess.run([lupdate, "-silent", "-locations", "none", os.path.join(ROOT, "src"),
                    "-ts", copy], check=True)
    failures = []
    for context in ET.parse(copy).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind is not None:
                failures.append("%s: %s %r" % (kind, name, source))
            else:
                for problem in Problems(source, translation.text or ""):
                    failures.append("%s: %s %r -> %r" % (problem, name, source, translation.text))
    return failures


def main():
    lupdate = sys.argv[1] if len(sys.argv) > 1 else "/usr/lib/qt6/bin/lupdate"
    files = sorted(glob.glob(os.path.join(ROOT, "translations", "*.ts")))
    if not files:
        sys.exit("no translations/*.ts")
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for ts in files:
            failures = CheckFile(lupdate, ts, folder)
            for failure in failures:
                print("%s: %s" % (os.path.relpath(ts, ROOT), failure))
            failed += len(failures)
    print("%d translation files checked, %d problems" % (len(files), failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
