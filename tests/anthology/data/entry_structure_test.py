#!/usr/bin/env python3
"""The shape of every bundled entry: the sections in order, lengths in range, clean GBK, CR LF."""

import hashlib
import statistics
import sys
import unittest
from pathlib import Path

ROOT = Path(sys.argv.pop(1) if len(sys.argv) > 1 else Path(__file__).resolve().parents[3])
sys.path.insert(0, str(ROOT / "tools" / "anthology"))

import entries  # noqa: E402

INTRODUCTION_LENGTH = range(150, 351)
APPRECIATION_LENGTH = range(250, 601)
SHORTEST_MEDIAN_APPRECIATION = 300
LONGEST_VERSE_LINE = 36  # a couplet a line: the longest regular couplet is 16 characters
SHARED_RUN = 30  # two appreciations sharing this many characters running are copies
# The catalogue is the program's own file: its bytes never change.
CATALOGUE_SHA256 = "5814c2337fcd5b321719c34d43cc057b06e5136d6f98a6837e16c2ff536ac600"


def entry_problems(number, poet, raw):
    """Every way entry `number` departs from the layout, as readable sentences."""
    problems = []
    say = problems.append
    try:
        text = raw.decode("gbk", errors="strict")
    except UnicodeDecodeError as error:
        return ["not GBK at byte %d" % error.start]
    if "\n" in text.replace("\r\n", "") or "\r" in text.replace("\r\n", ""):
        say("a line break other than CR LF")
    lines = text.split("\r\n")
    if lines[0] != poet:
        say("line 1 is %r, not the poet %r" % (lines[0], poet))
    if len(lines) < 4 or not lines[1].strip() or lines[2] != "":
        say("line 2 must give the period and line 3 be blank")
        return problems
    if not lines[3].startswith(entries.INTRODUCTION):
        say("line 4 is not the introduction")
    elif len(lines[3]) - len(entries.INTRODUCTION) not in INTRODUCTION_LENGTH:
        say("introduction of %d characters" % (len(lines[3]) - len(entries.INTRODUCTION)))
    state = "blank"  # what the next line may be
    part_open = False
    for number_in_file, line in enumerate(lines[4:], 5):
        where = "line %d" % number_in_file
        if state == "blank":
            if line != "":
                say(where + ": a blank line must follow the introduction and each appreciation")
            state = "title"
        elif state == "title":
            if not entries.is_title(line):
                say(where + ": a title in 【】 expected")
            state, part_open = "first verse", False
        elif line.startswith(entries.APPRECIATION):
            if state == "first verse" or part_open:
                say(where + ": an appreciation with no verse before it")
            length = len(line) - len(entries.APPRECIATION)
            if length not in APPRECIATION_LENGTH:
                say(where + ": appreciation of %d characters" % length)
            state = "blank"
        elif line == "" or entries.is_title(line) or line.startswith(entries.INTRODUCTION):
            say(where + ": the poem above has no appreciation")
            state = "title" if line == "" else "blank"
        elif entries.is_part_label(line):
            if part_open:
                say(where + ": a part label with no verse before it")
            part_open, state = True, "verse"
        else:
            if len(line) > LONGEST_VERSE_LINE:
                say(where + ": verse line of %d characters" % len(line))
            part_open, state = False, "verse"
    if state not in ("blank", "title"):
        say("the last poem has no appreciation")
    return problems


def chinese_number(n):
    """A count as the welcome text writes it: 五百零三, 一百九十, 三十八."""
    digits = "零一二三四五六七八九"
    if n < 10:
        return digits[n]
    if n < 20:
        return "十" + (digits[n % 10] if n % 10 else "")
    if n < 100:
        return digits[n // 10] + "十" + (digits[n % 10] if n % 10 else "")
    rest = n % 100
    if rest == 0:
        return digits[n // 100] + "百"
    return digits[n // 100] + "百" + ("零" + digits[rest] if rest < 10 else
                                      digits[rest // 10] + "十" + (digits[rest % 10] if rest % 10 else ""))


def piece_count(root):
    """Poems of the anthology, each part of a set counted."""
    return sum(len(poem.pieces()) for number in range(1, entries.ENTRY_COUNT + 1)
               for poem in entries.poems(entries.read_lines(entries.entry_path(root, number))))


def appreciations(root):
    for number in range(1, entries.ENTRY_COUNT + 1):
        for poem in entries.poems(entries.read_lines(entries.entry_path(root, number))):
            yield number, poem.title, poem.appreciation or ""


class EntryStructure(unittest.TestCase):
    def test_every_entry_follows_the_layout(self):
        poets = entries.catalogue(ROOT)
        problems = []
        for number, poet in enumerate(poets, 1):
            raw = entries.entry_path(ROOT, number).read_bytes()
            problems += ["%02d.txt: %s" % (number, p) for p in entry_problems(number, poet, raw)]
        self.assertEqual(problems, [])

    def test_the_checker_finds_what_it_is_for(self):
        good = "李白\r\n盛唐\r\n\r\n简介：" + "甲" * 150 + "\r\n\r\n【题】\r\n其一\r\n诗句。\r\n鉴赏：" + \
            "乙" * 250 + "\r\n"
        self.assertEqual(entry_problems(1, "李白", good.encode("gbk")), [])
        for broken, finding in [
            (good.replace("\r\n鉴赏", "\n鉴赏"), "CR LF"),
            (good.replace("甲" * 150, "甲" * 149), "introduction of 149"),
            (good.replace("乙" * 250, "乙" * 601), "appreciation of 601"),
            (good.replace("诗句。\r\n", ""), "no verse before it"),
            (good.replace("\r\n鉴赏：" + "乙" * 250, ""), "no appreciation"),
            (good.replace("诗句。", "句" * 37), "verse line of 37"),
        ]:
            found = entry_problems(1, "李白", broken.encode("gbk"))
            self.assertTrue(any(finding in p for p in found), (finding, found))
        self.assertEqual(entry_problems(1, "李白", "李白\r\n".encode("gbk") + b"\xff\xff"), ["not GBK at byte 6"])

    def test_appreciations_are_long_enough_and_each_its_own(self):
        found = list(appreciations(ROOT))
        lengths = [len(text) for _, _, text in found]
        self.assertGreaterEqual(statistics.median(lengths), SHORTEST_MEDIAN_APPRECIATION)
        seen = {}
        copies = []
        for number, title, text in found:
            for start in range(0, max(0, len(text) - SHARED_RUN + 1)):
                run = text[start:start + SHARED_RUN]
                other = seen.setdefault(run, (number, title))
                if other != (number, title):
                    copies.append("%s and %s share %s" % (other, (number, title), run))
                    break
        self.assertEqual(copies, [])

    def test_the_welcome_text_names_the_counts(self):
        self.assertEqual([chinese_number(n) for n in (3, 10, 15, 38, 100, 105, 190, 503, 1000 - 1)],
                         ["三", "十", "十五", "三十八", "一百", "一百零五", "一百九十", "五百零三", "九百九十九"])
        welcome = (ROOT / "data" / "Tem" / "00.dat").read_bytes().decode("gbk")
        self.assertIn(chinese_number(entries.ENTRY_COUNT) + "位诗人", welcome)
        self.assertIn("共" + chinese_number(piece_count(ROOT)) + "首", welcome)

    def test_the_catalogue_is_unchanged(self):
        raw = (ROOT / entries.ANTHOLOGY / "list.txt").read_bytes()
        self.assertEqual(hashlib.sha256(raw).hexdigest(), CATALOGUE_SHA256)
        self.assertEqual(len(entries.catalogue(ROOT)), entries.ENTRY_COUNT)


if __name__ == "__main__":
    unittest.main()
