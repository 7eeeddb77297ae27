"""The pieces of 唐诗三百首 by poets of the catalogue, as the anthology gives them.

The corpus's copy of 唐诗三百首 repeats some pieces under a second title (with the music-bureau
heading, 相和歌辞 …), splits sets into numbered parts ("无题四首 一") and tags most pieces with
their form. This module folds the repeats, names each set and part as an edition does
(【长干曲四首】 with 其一, 其二), and orders the pieces by form as the book does.
"""

import difflib
import re

import corpus

FORM_ORDER = ["五言古诗", "七言古诗", "五言律诗", "七言律诗", "五言绝句", "七言绝句", "乐府"]

# The corpus spells a few poets otherwise than the catalogue does.
POET_NAMES = {"朱庆余": "朱庆馀", "高适": "高適", "张佖": "张泌"}

# Pieces the corpus places under the wrong poet or outside the book; left out of the canon.
NOT_IN_CANON = {
    ("韦应物", "和晋陵陆丞早春游望"),  # 杜审言's poem, given twice
    ("刘长卿", "赋得"),  # 皇甫冉's 春思 under a stray title
    ("钱起", "和张仆射塞下曲"),  # 卢纶's 塞下曲 其三
    ("杜甫", "虢国夫人"),  # 张祜's 集灵台 其二
    ("李商隐", "赤壁"),  # 杜牧's 赤壁
    ("孟浩然", "岁除夜有怀"),  # 崔涂's 巴山道中除夜书怀
    ("王建", "故行宫"),  # 元稹's 行宫, given twice
}

_MUSIC_HEADINGS = ("横吹曲辞", "鼓吹曲辞", "杂曲歌辞", "相和歌辞", "琴曲歌辞", "辋川集", "金陵五题")
_PART = re.compile(r"^(?P<set>.+?)\s+(?:其)?(?P<part>[一二三四五六七八九十]+|[春夏秋冬]歌)$")
_NUMERALS = "一二三四五六七八九十"

# Titles the book prints differently from the corpus.
TITLE_FIXES = {
    "在岳咏蝉": "在狱咏蝉",
    "常娥": "嫦娥",
    "琵琶引": "琵琶行",
    "江南词": "江南曲",
    "清平调": "清平调词三首",
    "长相思三首": "长相思二首",
    "子夜吴歌": "子夜吴歌",
    "子夜四时歌四首": "子夜吴歌",
    "塞下曲四首": "塞下曲",
    "宫词五首": "宫词",
}


# Parts the book prints under another title: the corpus's 长相思 is the first of a pair, and the
# book takes only the first of 长干行's two.
_BOOK_TITLES = {
    ("长相思", None): ("长相思二首", "其一"),
    ("长干行二首", "其一"): ("长干行", None),
}


def clean_title(title):
    """(set title or title, part label or None) from a corpus title."""
    title = title.strip()
    for heading in _MUSIC_HEADINGS:
        if title.startswith(heading + " "):
            title = title[len(heading) + 1:].strip()
    title = re.sub(r"\s+其([一二三四五六七八九十]+)$", r" \1", title)
    match = _PART.match(title)
    if not match:
        return TITLE_FIXES.get(title, title), None
    set_title, part = match.group("set"), match.group("part")
    if part[-1] == "歌":
        return TITLE_FIXES.get(set_title, set_title), part
    return TITLE_FIXES.get(set_title, set_title), "其" + part


def form_of(item, lines):
    tags = [t for t in item.get("tags", []) if t in FORM_ORDER]
    if "乐府" in tags:
        return "乐府"
    if tags:
        return tags[0]
    han = [corpus.han_only(l) for l in lines]
    per_line = {len(h) for h in han}
    if per_line == {10} and len(han) == 2:
        return "五言绝句"
    if per_line == {14} and len(han) == 2:
        return "七言绝句"
    if per_line == {10} and len(han) == 4:
        return "五言律诗"
    if per_line == {14} and len(han) == 4:
        return "七言律诗"
    return "七言古诗" if max(per_line) >= 14 else "五言古诗"


def _same_poem(a, b):
    """Two texts of one poem: the corpus gives some pieces twice, a few characters apart."""
    return difflib.SequenceMatcher(None, a[:40], b[:40]).ratio() > 0.7


def canon_pieces(corpus_dir, catalogue_poets):
    """The book's pieces by catalogue poets, one dict each, repeats folded, in book order."""
    book = corpus.three_hundred(corpus_dir)
    authors = corpus.to_simplified([p["author"] for p in book])
    titles = corpus.to_simplified([p["title"] for p in book])
    paragraphs = [corpus.modern_verse(p["paragraphs"]) for p in book]
    seen = []
    pieces = []
    for index, item in enumerate(book):
        poet = POET_NAMES.get(authors[index], authors[index])
        if poet not in catalogue_poets:
            continue
        lines = corpus.verse_lines(paragraphs[index])
        text = corpus.han_only("".join(lines))
        if any(_same_poem(text, other) for other in seen):
            continue
        title, part = clean_title(titles[index])
        if (poet, title) in NOT_IN_CANON or (poet, titles[index]) in NOT_IN_CANON:
            continue
        seen.append(text)
        title, part = _BOOK_TITLES.get((title, part), (title, part))
        pieces.append({"poet": poet, "title": title, "part": part, "form": form_of(item, lines),
                       "lines": lines, "corpus_title": titles[index], "book_index": index})
    pieces.sort(key=lambda p: FORM_ORDER.index(p["form"]))
    return pieces
