#!/usr/bin/env python3
"""Writes the verse reference the anthology is tested against.

Usage: extract_reference.py CORPUS_DIR PROJECT_ROOT > tests/data/verse_reference.txt
(tools/anthology/make_reference.sh fetches the corpus and runs this.)

For every piece of every entry it finds the corpus's text: the 唐诗三百首 text for the book's
pieces, otherwise the poet's poem in 全唐诗 whose text is closest. Pieces the corpus does not hold
are listed on standard error; the variants file must name them.
"""

import difflib
import sys
from collections import defaultdict

import canon
import corpus
import entries

MIN_LIKENESS = 0.6
OPENING = 4  # characters of a poem's opening that find it under another poet's name


def likeness(a, b):
    a, b = corpus.han_only("".join(a)), corpus.han_only("".join(b))
    return difflib.SequenceMatcher(None, a, b, autojunk=False).ratio()


def complete_tang_by_poet(corpus_dir):
    poems = corpus.complete_tang(corpus_dir)
    authors = corpus.to_simplified([p["author"] for p in poems])
    titles = corpus.to_simplified([p["title"] for p in poems])
    flat = [line for p in poems for line in p["paragraphs"]]
    simplified = iter(corpus.modern_verse(flat))
    by_poet = defaultdict(list)
    by_opening = defaultdict(list)
    by_title = defaultdict(list)
    for poem, author, title in zip(poems, authors, titles):
        paragraphs = [next(simplified) for _ in poem["paragraphs"]]
        found = (author, title, corpus.verse_lines(paragraphs))
        by_poet[author].append(found)
        by_opening[corpus.han_only("".join(found[2]))[:OPENING]].append(found)
        by_title[title].append(found)
    return by_poet, by_opening, by_title


def best_match(candidates, lines):
    """(likeness, corpus author, corpus title, lines) of the closest candidate."""
    scored = [(likeness(lines, text), author, title, text) for author, title, text in candidates]
    return max(scored, default=(0, None, None, None), key=lambda s: s[0])


def find_in_complete_tang(tang, poet, title, lines):
    """The poet's own poem, or failing that one with the same opening or title filed under another
    name (the corpus spells some poets otherwise: 张蠙 for 张槟, 西鄙人 for a folk song)."""
    by_poet, by_opening, by_title = tang
    found = best_match(by_poet.get(corpus.to_simplified([poet])[0], []), lines)
    if found[0] >= MIN_LIKENESS:
        return found
    found = best_match(by_opening.get(corpus.han_only("".join(lines))[:OPENING], []), lines)
    if found[0] >= MIN_LIKENESS:
        return found
    return best_match(by_title.get(title, []), lines)


def main(corpus_dir, root):
    poets = entries.catalogue(root)
    book = canon.canon_pieces(corpus_dir, set(poets))
    tang = complete_tang_by_poet(corpus_dir)
    out = sys.stdout
    out.write("# Verse reference of the anthology, extracted from the chinese-poetry corpus (MIT).\n"
              "# Regenerate with tools/anthology/make_reference.sh; do not edit by hand.\n"
              "# @ poet | title | part | source | corpus title, then the lines, then a blank line.\n\n")
    for number, poet in enumerate(poets, 1):
        for poem in entries.poems(entries.read_lines(entries.entry_path(root, number))):
            for title, part, lines in poem.pieces():
                own = [(p["poet"], p["corpus_title"], p["lines"]) for p in book if p["poet"] == poet]
                score, author, found_title, text = best_match(own, lines)
                source = "唐诗三百首"
                if score < MIN_LIKENESS:
                    score, author, found_title, text = find_in_complete_tang(tang, poet, title, lines)
                    source = "全唐诗"
                if score < MIN_LIKENESS:
                    print("not in the corpus: %s 【%s】 %s" % (poet, title, part or ""), file=sys.stderr)
                    continue
                out.write("@ %s | %s | %s | %s | %s《%s》\n" % (poet, title, part or "", source, author,
                                                              found_title))
                out.write("\n".join(text) + "\n\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
