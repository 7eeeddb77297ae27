#!/usr/bin/env python3
"""veyrin-pinyin from the outside: arguments, standard input, the three forms, bad input.
Usage: pinyin_tool_test.py VEYRIN_PINYIN"""

import subprocess
import sys

TOOL = sys.argv[1]
failures = []
checks = 0


def run(args, stdin=b""):
    return subprocess.run([TOOL, *args], input=stdin, capture_output=True)


def expect(name, result, stdout, status=0):
    global checks
    checks += 1
    got = (result.returncode, result.stdout.decode("utf-8", "replace"))
    if got != (status, stdout):
        failures.append(f"{name}: expected {(status, stdout)!r}, got {got!r}")


expect("arguments are joined by spaces", run(["朝辞白帝", "彩云间"]), "zhāo cí bái dì cǎi yún jiān\n")
expect("standard input, line by line", run([], "鹿柴\n万重山\n".encode()), "lù zhài\nwàn chóng shān\n")
expect("a blank line stays", run([], "李白\n\n杜甫".encode()), "lǐ bái\n\ndù fǔ\n")
expect("tone numbers", run(["--numbers", "一骑红尘"]), "yi1 ji4 hong2 chen2\n")
expect("initials", run(["--initials", "李白长安"]), "l b c a\n")
expect("ü with its mark", run(["绿女"]), "lǜ nǚ\n")
expect("other characters pass through, one space between", run(["李白，静夜思。"]), "lǐ bái ， jìng yè sī 。\n")
expect("no space added beside the text's own", run(["李白 wrote 静夜思"]), "lǐ bái wrote jìng yè sī\n")
expect("an unknown option", run(["--tones"]), "", status=2)

bad = run([], b"\xe6\x9c\x9d\xff\n")
expect("invalid UTF-8 fails", bad, "", status=1)
checks += 1
if b"UTF-8" not in bad.stderr:
    failures.append(f"invalid UTF-8: no message on standard error ({bad.stderr!r})")

for failure in failures:
    print(failure)
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
