"""Reading the public poetry corpus the anthology's verses are checked against.

The corpus (the `chinese-poetry` package of the npm registry, MIT) gives 唐诗三百首 and 全唐诗 in
traditional characters, one JSON object per poem with `author`, `title` and `paragraphs`. This
module turns it into simplified text as a modern edition prints it: OpenCC's t2s conversion, then
a short table of old variant forms that t2s leaves alone, then one line per couplet.
"""

import json
import re
import subprocess
from pathlib import Path

# Variant forms t2s keeps but modern editions print in their standard form.
VARIANT_FORMS = {
    "桮": "杯", "悮": "误", "汚": "污", "[": "", "]": "", "盃": "杯", "筯": "箸", "鴈": "雁", "劒": "剑", "劔": "剑", "牀": "床",
    "遶": "绕", "迴": "回", "裴回": "徘徊", "猨": "猿", "鵶": "鸦", "疎": "疏", "羇": "羁",
    "躭": "耽", "逈": "迥", "觔": "斤", "甦": "苏", "蹤": "踪", "跡": "迹", "峯": "峰",
    "羣": "群", "棃": "梨", "牋": "笺", "牕": "窗", "窻": "窗", "廻": "回", "嶋": "岛",
    "谿": "溪", "鷄": "鸡", "絃": "弦", "綫": "线", "煖": "暖", "曏": "向", "鞾": "靴",
    "僊": "仙", "袴": "裤", "緜": "绵", "蠭": "蜂", "鉅": "巨", "醆": "盏", "琖": "盏",
    "鬬": "斗", "鬭": "斗", "雰": "氛", "虵": "蛇", "嵗": "岁", "歳": "岁",
    "衆": "众", "竝": "并", "飡": "餐", "喫": "吃", "欵": "款", "捄": "救",
    "凴": "凭", "栢": "柏", "隄": "堤", "鑪": "炉", "艣": "橹", "櫂": "棹",
    "塚": "冢", "粧": "妆", "糉": "粽", "蔴": "麻", "豬": "猪",
    "皐": "皋", "壻": "婿", "隣": "邻", "椀": "碗", "嬾": "懒", "髪": "发", "胷": "胸", "迳": "径",
    "巵": "卮", "蘂": "蕊", "鏁": "锁", "幷": "并", "徴": "征", "穉": "稚", "讐": "仇", "篴": "笛",
    "螘": "蚁", "垅": "垄", "犂": "犁", "箚": "札", "秪": "只", "遰": "递", "呌": "叫", "茆": "茅",
    "簷": "檐", "窓": "窗", "妬": "妒", "珮": "佩", "𦶟": "爇", "𪭢": "摐", "岐路": "歧路",
    "凭凌": "凭陵", "黪淡": "惨淡", "衮衮": "滚滚", "火垆": "火炉", "销磨": "消磨", 
    "荅": "答", "蘤": "花",
}

# 沈 is the old form of 沉 except as a family name (沈约, 沈郎, 沈佺期).
_SINK = re.compile(r"沈(?![郎约侯佺宋])")

_HAN = re.compile(r"[\u3400-\u9fff\U00020000-\U0002ffff]")
_NOTE = re.compile(r"[（(][^）)]*[）)]")  # the corpus's inline notes: （一作…）
_SENTENCE_END = re.compile(r"(?<=[。？！])")


def to_simplified(texts):
    """Converts a list of strings with one OpenCC call (t2s)."""
    if not texts:
        return []
    joined = "\n".join(t.replace("\n", " ") for t in texts)
    out = subprocess.run(["opencc", "-c", "t2s.json"], input=joined, capture_output=True,
                         text=True, check=True).stdout
    return out.split("\n")[: len(texts)]


def modern_verse(texts):
    """Verse as a modern edition prints it: simplified, old variant forms in their standard form."""
    return [normalize_variants(t) for t in to_simplified(texts)]


def normalize_variants(text):
    for old in sorted(VARIANT_FORMS, key=len, reverse=True):
        text = text.replace(old, VARIANT_FORMS[old])
    return _SINK.sub("沉", text)


def han_only(text):
    return "".join(_HAN.findall(text))


def verse_lines(paragraphs):
    """One line per sentence (a couplet in regular verse), notes removed, blanks dropped."""
    lines = []
    for paragraph in paragraphs:
        paragraph = _NOTE.sub("", paragraph).strip()
        for part in _SENTENCE_END.split(paragraph):
            part = part.strip()
            if part:
                lines.append(part)
    return lines


def load_json(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def three_hundred(corpus_dir):
    return load_json(Path(corpus_dir) / "dist/quantangshi/唐诗三百首.json")


def complete_tang(corpus_dir):
    """Every poem of 全唐诗 in the corpus, in file order."""
    files = sorted(Path(corpus_dir, "dist/quantangshi").glob("poet.tang.*.json"),
                   key=lambda p: int(p.name.split(".")[2]))
    poems = []
    for path in files:
        poems.extend(load_json(path))
    return poems
