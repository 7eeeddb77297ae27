"""Comparing the anthology's verse with the corpus reference, piece by piece.

Shared by the test that guards the anthology and by the tool that brings verses into line with the
reference. Both sides are compared clause by clause: the words and where the clauses break must
agree, while the choice of mark at a break (，or ？, 。or ！) is the editor's, as are line breaks and
title marks, so those are not compared.
"""

import difflib
import re
from pathlib import Path

import entries

_BREAK = re.compile(r"[，。？！；：、]+")
_EDITORIAL = re.compile(r"[《》“”‘’\s]")

REFERENCE = Path("tests/data/verse_reference.txt")
VARIANTS = Path("tests/data/verse_variants.txt")
WHOLE_PIECE = "*"


def read_reference(root):
    """{(poet, title, part): [lines, …]} of the committed reference: a poet may have two poems of
    one title (王维's two 送别), so a key holds every text filed under it."""
    pieces = {}
    current = None
    for line in (Path(root) / REFERENCE).read_text(encoding="utf-8").split("\n"):
        if line.startswith("@ "):
            poet, title, part = [f.strip() for f in line[2:].split("|")][:3]
            current = []
            pieces.setdefault((poet, title, part), []).append(current)
        elif line and current is not None and not line.startswith("#"):
            current.append(line)
    return pieces


BOOK = "唐诗三百首"


def book_pieces(root):
    """(poet, title, part) of every piece the reference takes from 唐诗三百首."""
    pieces = set()
    for line in (Path(root) / REFERENCE).read_text(encoding="utf-8").split("\n"):
        if line.startswith("@ "):
            poet, title, part, source = [f.strip() for f in line[2:].split("|")][:4]
            if source == BOOK:
                pieces.add((poet, title, part))
    return pieces


def read_variants(root):
    """{(poet, title, part, anthology reading, corpus reading): reason} of the variants file."""
    variants = {}
    for line in (Path(root) / VARIANTS).read_text(encoding="utf-8").split("\n"):
        if not line.strip() or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 6 or not fields[5]:
            raise ValueError("variants line without six fields and a reason: " + line)
        variants[tuple(fields[:5])] = fields[5]
    return variants


def clauses(lines):
    text = _EDITORIAL.sub("", "".join(lines))
    return [c for c in _BREAK.split(text) if c]


def differences(ours, theirs):
    """(our reading, corpus reading) pairs where the two texts differ, one pair a changed run of
    clauses (joined with a full-width comma)."""
    ours, theirs = clauses(ours), clauses(theirs)
    pairs = []
    matcher = difflib.SequenceMatcher(None, ours, theirs, autojunk=False)
    for tag, i1, i2, j1, j2 in matcher.get_opcodes():
        if tag == "equal":
            continue
        if tag == "replace" and i2 - i1 == j2 - j1:
            pairs.extend(zip(ours[i1:i2], theirs[j1:j2]))
        else:
            pairs.append(("，".join(ours[i1:i2]), "，".join(theirs[j1:j2])))
    return pairs


def _differing_characters(pairs):
    return sum(len(ours) + len(theirs) for ours, theirs in pairs)


def anthology_pieces(root):
    """(poet, title, part, verse lines) of every piece of every entry."""
    poets = entries.catalogue(root)
    for number, poet in enumerate(poets, 1):
        for poem in entries.poems(entries.read_lines(entries.entry_path(root, number))):
            for title, part, lines in poem.pieces():
                yield poet, title, part or "", lines


def unexplained_differences(root):
    """Every difference the variants file does not name, and every variant no longer needed."""
    reference = read_reference(root)
    variants = read_variants(root)
    used = set()
    found = []
    for poet, title, part, lines in anthology_pieces(root):
        key = (poet, title, part)
        if key not in reference:
            whole = key + (WHOLE_PIECE, WHOLE_PIECE)
            if whole in variants:
                used.add(whole)
            else:
                found.append("%s【%s】%s: not in the reference" % (poet, title, part))
            continue
        closest = min((differences(lines, text) for text in reference[key]), key=_differing_characters)
        for ours, theirs in closest:
            variant = key + (ours, theirs)
            if variant in variants:
                used.add(variant)
            else:
                found.append("%s | %s | %s | %s | %s |" % (poet, title, part, ours, theirs))
    stale = ["variant no longer found: " + " | ".join(v) for v in variants if v not in used]
    return found, stale
