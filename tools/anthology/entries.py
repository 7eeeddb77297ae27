"""Reading the anthology's entry files (GBK, CR LF) as poems, for the generator and the checks.

An entry reads: the poet on line 1, the period and dates on line 2, a blank line, the introduction
(简介：…), then per poem a title line 【…】, the verse, one appreciation line (鉴赏：…) and a blank
line. A set gives each part's label (其一, 其二 … or 春歌, 夏歌 …) on a line of its own before its
verse; a lone part of a set carries its label in the title: 【陇西行四首（其二）】.
"""

import re
from pathlib import Path

ANTHOLOGY = Path("data/Data/唐诗鉴赏")
ENTRY_COUNT = 190
INTRODUCTION = "简介："
APPRECIATION = "鉴赏："
_PART_LABEL = re.compile(r"^(其[一二三四五六七八九十]+|[春夏秋冬]歌)$")
_TITLE_PART = re.compile(r"^(?P<title>.+)（(?P<part>其[一二三四五六七八九十]+)）$")


def is_part_label(line):
    return bool(_PART_LABEL.match(line))


def is_title(line):
    return line.startswith("【") and line.endswith("】") and len(line) > 2


def entry_path(root, number):
    return Path(root) / ANTHOLOGY / ("%02d.txt" % number)


def catalogue(root):
    """The catalogue's poets, in order."""
    text = (Path(root) / ANTHOLOGY / "list.txt").read_bytes().decode("gbk")
    return [line.split(" ", 1)[1].strip() for line in text.split("\r\n") if line.strip()]


def read_lines(path):
    return Path(path).read_bytes().decode("gbk").split("\r\n")


class Poem:
    """One title block: its title, its parts (label or None, verse lines) and its appreciation."""

    def __init__(self, title, first_line):
        self.title = title
        self.first_line = first_line  # line number of the title, from 1
        self.parts = []
        self.appreciation = None

    def add_verse(self, line):
        if is_part_label(line):
            self.parts.append([line, []])
            return
        if not self.parts:
            self.parts.append([None, []])
        self.parts[-1][1].append(line)

    def pieces(self):
        """(title, part label, verse lines) per piece, a lone part's label taken from the title."""
        match = _TITLE_PART.match(self.title)
        if match and len(self.parts) == 1:
            return [(match.group("title"), match.group("part"), self.parts[0][1])]
        return [(self.title, label, lines) for label, lines in self.parts]


def poems(lines):
    """The title blocks of an entry's lines."""
    result = []
    current = None
    for number, line in enumerate(lines, 1):
        if is_title(line):
            current = Poem(line[1:-1], number)
            result.append(current)
        elif current is None:
            continue
        elif line.startswith(APPRECIATION):
            current.appreciation = line[len(APPRECIATION):]
            current = None
        elif line.strip():
            current.add_verse(line)
    return result
