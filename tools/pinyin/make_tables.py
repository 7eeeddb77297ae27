#!/usr/bin/env python3
"""Writes the pinyin tables the program compiles in (src/platform/model/pinyin_*_table.cpp).

    make_tables.py UNIHAN_DIR PINYIN_JS PINYIN_DIR OUT_DIR

UNIHAN_DIR holds Unihan_Readings.txt.bz2 and Unihan_Variants.txt.bz2, PINYIN_JS is the bundled
lib/cjs/pinyin.js of the npm package `pinyin`, PINYIN_DIR is tools/pinyin with the project's own
poetic_readings.txt and rare_readings.txt.
Run through make_tables.sh, which fetches the inputs; never run by the build.
"""

import bz2
import json
import re
import sys
import unicodedata
from pathlib import Path

TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030C": 3, "\u0300": 4}
LETTERS = re.compile(r"^[a-z]{1,6}$")


def syllable(text):
    """'zhāo' -> ('zhao', 1); ü is written v; no mark is the neutral tone, 5. None if not one syllable."""
    tone = 5
    letters = []
    for ch in unicodedata.normalize("NFD", text.strip().lower()):
        if ch in TONE_MARKS:
            tone = TONE_MARKS[ch]
        elif ch == "\u0308":
            if not letters or letters[-1] != "u":
                return None
            letters[-1] = "v"
        else:
            letters.append(ch)
    word = "".join(letters)
    return (word, tone) if LETTERS.match(word) else None


def is_han(cp):
    return (0x3400 <= cp <= 0x4DBF or 0x4E00 <= cp <= 0x9FFF or 0xF900 <= cp <= 0xFAFF
            or 0x20000 <= cp <= 0x3134F or cp == 0x3007)


def read_unihan(path):
    opener = bz2.open if str(path).endswith(".bz2") else open
    fields = {}
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            fields.setdefault(int(code[2:], 16), {})[field] = value
    return fields


def standard_readings(entry):
    """The readings the 2013 table of standard characters (通用规范汉字表) gives, in its order."""
    return [text for group in entry.get("kTGHZ2013", "").split() for text in group.split(":", 1)[-1].split(",")]


def candidates(entry):
    """The character's readings, most common first: kMandarin (its first, mainland value) unless the
    2013 standard table, which today's school editions follow, does not know it (框 kuàng, not the
    older kuāng; 卓 zhuó), then the standard's readings, then kHanyuPinyin and kXHC1983 in order."""
    out = []
    standard = standard_readings(entry)
    if "kMandarin" in entry:
        common = entry["kMandarin"].split()[0]
        if not standard or common in standard:
            out.append(common)
    out.extend(standard)
    for field in ("kHanyuPinyin", "kXHC1983"):
        for group in entry.get(field, "").split():
            out.extend(group.split(":", 1)[-1].split(","))
    return out


def character_readings(unihan, variants, rare):
    readings = {}
    for cp, entry in unihan.items():
        if not is_han(cp):
            continue
        for text in candidates(entry):
            s = syllable(text)
            if s:
                readings[cp] = s
                break
    readings.setdefault(0x3007, ("ling", 2))  # 〇, the zero of written numbers
    # A compatibility ideograph reads as the ideograph it stands for; a character without a reading
    # of its own as its first variant that has one; what is still missing, from the project's list.
    for cp in range(0xF900, 0xFB00):
        same = ord(unicodedata.normalize("NFD", chr(cp))[0])
        if cp not in readings and same in readings:
            readings[cp] = readings[same]
    for cp, others in variants.items():
        found = [readings[o] for o in others if o in readings]
        if cp not in readings and found:
            readings[cp] = found[0]
    for cp, s in rare.items():
        readings.setdefault(cp, s)
    return readings


def read_variants(path):
    opener = bz2.open if str(path).endswith(".bz2") else open
    variants = {}
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("U+"):
                code, _, value = line.rstrip("\n").split("\t")
                others = [int(v.split("<")[0][2:], 16) for v in value.split()]
                variants.setdefault(int(code[2:], 16), []).extend(others)
    return variants


def read_rare(path):
    rare = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            character, reading, _ = line.split("\t")
            rare[ord(character)] = syllable(reading)
    return rare


PHRASE = re.compile(r'^\s*"(.+?)":\s*(\[.*\]),?\s*$')


def read_phrases(path):
    phrases = {}
    inside = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("const phrases_dict = {"):
                inside = True
            elif inside and line.startswith("};"):
                break
            elif inside:
                m = PHRASE.match(line)
                if m:
                    phrases[m.group(1)] = [group[0] for group in json.loads(m.group(2))]
    if not phrases:
        sys.exit(f"{path}: no phrase table found")
    return phrases


def word_readings(phrases, chars):
    """Words of 2 to 4 characters that read some character otherwise than its most common reading.
    A neutral tone alone is no difference: verse is read with full tones, so such words fall back
    to the characters' own readings."""
    words = {}
    for word, texts in phrases.items():
        if not 2 <= len(word) <= 4 or len(texts) != len(word):
            continue
        cps = [ord(c) for c in word]
        if not all(cp in chars for cp in cps):
            continue
        syllables = [syllable(t) for t in texts]
        if None in syllables:
            continue
        if any(s[1] == 5 for s in syllables):
            continue
        # 一 and 不 change tone before another syllable in speech; editions of verse print their own.
        syllables = [chars[cp] if cp in SANDHI and s[0] == chars[cp][0] else s for s, cp in zip(syllables, cps)]
        if any(s != chars[cp] for s, cp in zip(syllables, cps)):
            words[word] = syllables
    return words


def read_poetic(path):
    entries = []
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        parts = line.split("\t")
        m = re.fullmatch(r"([^\[\]]*)\[(.)\]([^\[\]]*)", parts[0]) if len(parts) == 3 else None
        s = syllable(parts[1]) if m else None
        if not s:
            sys.exit(f"{path}:{number}: want 'context with [character]<TAB>reading<TAB>reason'")
        entries.append((m.group(1) + m.group(2) + m.group(3), len(m.group(1)), s, parts[2].strip()))
    return entries


def u32(text):
    return 'U"' + text + '"'


def c_string(text):
    return json.dumps(text, ensure_ascii=False)


HEADER = ("// Generated by tools/pinyin/make_tables.py from {source}; do not edit.\n"
          "// {licence}\n\n#include \"platform/model/pinyin_tables.h\"\n\nnamespace veyrin::pinyin_tables {{\n\n")
FOOTER = "\n}  // namespace veyrin::pinyin_tables\n"


class SyllableIndex:
    def __init__(self):
        self.order = []
        self.index = {}

    def __call__(self, s):
        if s not in self.index:
            self.index[s] = len(self.order)
            self.order.append(s)
        return self.index[s]


def write(path, source, licence, body):
    Path(path).write_text(HEADER.format(source=source, licence=licence) + body + FOOTER, encoding="utf-8")


def rows(items, per_line):
    return "".join("    " + " ".join(items[i:i + per_line]) + "\n" for i in range(0, len(items), per_line))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    unihan_dir, js_path, own_dir, out_dir = map(Path, sys.argv[1:])
    out = Path(out_dir)
    chars = character_readings(read_unihan(unihan_dir / "Unihan_Readings.txt.bz2"),
                               read_variants(unihan_dir / "Unihan_Variants.txt.bz2"),
                               read_rare(own_dir / "rare_readings.txt"))
    poetic = read_poetic(own_dir / "poetic_readings.txt")
    # A context of the character alone is its usual reading in verse: it replaces the everyday one,
    # so words are kept or dropped against it.
    for context, _, s, _ in poetic:
        if len(context) == 1:
            chars[ord(context)] = s
    poetic = [p for p in poetic if len(p[0]) > 1]
    words = word_readings(read_phrases(js_path), chars)
    index = SyllableIndex()
    for s in sorted(set(chars.values()) | {s for w in words.values() for s in w} | {p[2] for p in poetic}):
        index(s)

    dense = [index(chars[cp]) if cp in chars else kNone for cp in range(DENSE_FIRST, DENSE_LAST + 1)]
    sparse = sorted(cp for cp in chars if not DENSE_FIRST <= cp <= DENSE_LAST)
    unihan = "Unihan_Readings.txt of the Unicode Character Database (Debian's unicode-data)"
    body = "const PinyinSyllable kSyllables[] = {\n"
    body += rows([f'{{"{w}", {t}}},' for w, t in index.order], 6) + "};\n"
    body += f"const std::size_t kSyllableCount = {len(index.order)};\n\n"
    body += f"const std::uint16_t kDenseReadings[kDenseLast - kDenseFirst + 1] = {{\n"
    body += rows([f"{n}," for n in dense], 16) + "};\n\n"
    body += "const SparseReading kSparseReadings[] = {\n"
    body += rows([f"{{0x{cp:X}, {index(chars[cp])}}}," for cp in sparse], 4) + "};\n"
    body += f"const std::size_t kSparseReadingCount = {len(sparse)};\n"
    write(out / "pinyin_character_table.cpp", unihan, "Unicode License v3.", body)

    body = "const WordReading kWordReadings[] = {\n"
    for word in sorted(words, key=lambda w: [ord(c) for c in w]):
        ids = ", ".join(str(index(s)) for s in words[word])
        body += f"    {{{u32(word)}, {{{ids}}}}},\n"
    body += f"}};\nconst std::size_t kWordReadingCount = {len(words)};\n"
    write(out / "pinyin_word_table.cpp", "the phrase table of the npm package pinyin 4.0.0",
          "MIT licence, (c) 闲耘 (hotoo).", body)

    body = "const PoeticReading kPoeticReadings[] = {\n"
    for context, position, s, reason in poetic:
        body += f"    {{{u32(context)}, {position}, {index(s)}, {c_string(reason)}}},\n"
    body += f"}};\nconst std::size_t kPoeticReadingCount = {len(poetic)};\n"
    write(out / "pinyin_poetic_table.cpp", "tools/pinyin/poetic_readings.txt", "The project's own (MIT).", body)
    print(f"{len(chars)} characters, {len(words)} words, {len(poetic)} poetic readings, "
          f"{len(index.order)} syllables", file=sys.stderr)


SANDHI = {ord("一"), ord("不")}
DENSE_FIRST, DENSE_LAST = 0x3400, 0x9FFF
kNone = 0xFFFF

if __name__ == "__main__":
    main()
