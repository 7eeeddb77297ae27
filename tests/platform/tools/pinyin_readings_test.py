#!/usr/bin/env python3
"""Runs veyrin-pinyin over every line of tests/data/pinyin_readings.txt and checks the marked
character's syllable. Usage: pinyin_readings_test.py VEYRIN_PINYIN SOURCE_DIR"""

import re
import subprocess
import sys
import unicodedata
from pathlib import Path

ENTRY = re.compile(r"^([^\[\]\t]*)\[(.)\]([^\[\]\t]*)\t(\S+)\t(.*)$")


def is_han(ch):
    return unicodedata.name(ch, "").startswith("CJK UNIFIED IDEOGRAPH")


def token_index(line, position):
    """The output token of the character at `position`: each Chinese character is one token, each
    run of other characters another (the lines hold no spaces)."""
    index = -1
    for i, ch in enumerate(line[:position + 1]):
        if is_han(ch) or i == 0 or is_han(line[i - 1]):
            index += 1
    return index


def read_entries(path):
    entries = []
    for number, text in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not text.strip() or text.startswith("#"):
            continue
        m = ENTRY.match(text)
        if not m:
            sys.exit(f"{path}:{number}: want 'line with [character]<TAB>syllable<TAB>note'")
        entries.append((number, m.group(1) + m.group(2) + m.group(3), len(m.group(1)), m.group(4)))
    return entries


def main():
    tool, source = sys.argv[1], Path(sys.argv[2])
    path = source / "tests/data/pinyin_readings.txt"
    entries = read_entries(path)
    result = subprocess.run([tool], input="\n".join(e[1] for e in entries) + "\n", capture_output=True,
                            text=True, check=True)
    outputs = result.stdout.split("\n")
    failures = 0
    for (number, line, position, expected), output in zip(entries, outputs):
        tokens = output.split(" ")
        got = tokens[token_index(line, position)]
        if got != expected:
            failures += 1
            print(f"{path.name}:{number}: {line[position]} in {line}: expected {expected}, got {got}")
    print(f"{len(entries) - failures} passed, {failures} failed")
    return 1 if failures or len(entries) < 300 else 0


if __name__ == "__main__":
    sys.exit(main())
