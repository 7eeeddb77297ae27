#!/usr/bin/env python3
"""Every verse of the anthology matches the committed corpus reference, or is a listed variant."""

import sys
import unittest
from pathlib import Path

ROOT = Path(sys.argv.pop(1) if len(sys.argv) > 1 else Path(__file__).resolve().parents[3])
sys.path.insert(0, str(ROOT / "tools" / "anthology"))

import entries  # noqa: E402
import verse_check  # noqa: E402


class VerseReference(unittest.TestCase):
    def test_every_difference_is_a_listed_variant(self):
        found, stale = verse_check.unexplained_differences(ROOT)
        self.assertEqual(found, [], "readings that differ from the reference and are not listed")
        self.assertEqual(stale, [], "listed variants that no longer occur")

    def test_the_books_pieces_come_first_in_each_entry(self):
        book = verse_check.book_pieces(ROOT)
        self.assertGreater(len(book), 300)
        late = []
        for number, poet in enumerate(entries.catalogue(ROOT), 1):
            seen_other = False
            for poem in entries.poems(entries.read_lines(entries.entry_path(ROOT, number))):
                in_book = any((poet, title, part or "") in book for title, part, _ in poem.pieces())
                if in_book and seen_other:
                    late.append("%s【%s】" % (poet, poem.title))
                seen_other = seen_other or not in_book
        self.assertEqual(late, [], "pieces of 唐诗三百首 after an entry's other poems")

    def test_comparison_sees_words_and_clause_breaks_not_marks(self):
        same = verse_check.differences(["岱宗夫如何？齐鲁青未了。"], ["岱宗夫如何，齐鲁青未了。"])
        self.assertEqual(same, [])
        self.assertEqual(verse_check.differences(["举头望明月，低头思故乡。"], ["举头望山月，低头思故乡。"]),
                         [("举头望明月", "举头望山月")])
        # A lost clause shows as one run against nothing.
        self.assertEqual(verse_check.differences(["甲乙丙，丁戊己。庚辛壬，癸子丑。"], ["甲乙丙，丁戊己。"]),
                         [("庚辛壬，癸子丑", "")])
        # Two clauses run together are a different break, not the same text.
        self.assertNotEqual(verse_check.differences(["甲乙丙丁戊己。"], ["甲乙丙，丁戊己。"]), [])


if __name__ == "__main__":
    unittest.main()
