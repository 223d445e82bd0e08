#!/usr/bin/env python3
"""Writes numbers/PyTable.inc, the syllable number of every GBK double-byte code.

Readings come from the Unihan database that Debian's unicode-data package ships
(Unihan_Readings.txt.bz2, field kMandarin, first reading). Each code is turned into
its character with glibc's iconv, the same converter the program uses, so the table
agrees with the program's own GBK text.

    python3 tools/pycode/gen_pytable.py            # rewrites numbers/PyTable.inc
    python3 tools/pycode/gen_pytable.py --check    # fails when the committed file is stale
    python3 tools/pycode/gen_pytable.py --stats    # counts, and the readings left out

Only this script needs unicode-data and Python; the build uses the committed output.
"""

import argparse
import bz2
import collections
import ctypes
import ctypes.util
import os
import re
import sys
import unicodedata

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SYLLABLES_H = os.path.join(ROOT, "numbers", "PySyllables.h")
OUTPUT = os.path.join(ROOT, "numbers", "PyTable.inc")
UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"

LEADS = range(0x81, 0xFF)   # 126 rows
TRAILS = range(0x40, 0xFF)  # 191 cells a row
SYMBOL_LEADS = range(0xA1, 0xAA)

# Characters whose reading is fixed here rather than taken from Unihan: the reading this
# program has always given them, where Unihan's first reading differs (行 xíng, 觉 jué,
# 还 hái, 谁 shéi, 嗲 diē, 佛 fú) or to pin down the common characters that the letter
# codes are checked against. None means no reading.
OVERRIDES = {
    "王": "wang", "张": "zhang", "长": "zhang", "行": "hang", "重": "zhong", "乐": "le",
    "曾": "ceng", "单": "dan", "解": "jie", "查": "cha", "觉": "jiao", "都": "dou",
    "还": "huan", "谁": "shui", "略": "lue", "吕": "lv", "绿": "lv", "女": "nv", "嗲": "dia",
    "佛": None, "给": None, "髟": None,
}

# The alphabet of the two-character cell code: value = 64 * index(first) + index(second).
ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+-"


def read_syllables():
    text = open(SYLLABLES_H, encoding="utf-8").read()
    body = text[text.index("kPySyllables"):]
    body = body[body.index("{") + 1:body.index("};")]
    body = re.sub(r"//[^\n]*", "", body)
    names = re.findall(r'"([a-z]*)"', body)
    if len(names) != 406 or names[0] != "" or names[394] != "":
        sys.exit("unexpected syllable list in %s" % SYLLABLES_H)
    return {name: number for number, name in enumerate(names) if name}


def read_mandarin():
    readings = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or "\tkMandarin\t" not in line:
                continue
            code, _, value = line.rstrip("\n").split("\t")
            readings[chr(int(code[2:], 16))] = value.split()[0]
    return readings


class Iconv:
    """GBK bytes to characters through glibc's iconv."""

    def __init__(self):
        libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self._open = libc.iconv_open
        self._open.restype = ctypes.c_void_p
        self._open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self._iconv = libc.iconv
        self._iconv.restype = ctypes.c_size_t
        self._iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p),
                                ctypes.POINTER(ctypes.c_size_t), ctypes.POINTER(ctypes.c_char_p),
                                ctypes.POINTER(ctypes.c_size_t)]
        self._cd = self._open(b"UTF-32LE", b"GBK")
        if self._cd in (None, ctypes.c_void_p(-1).value):
            sys.exit("iconv cannot convert from GBK")

    def decode(self, raw):
        """The character of a complete code, or None when iconv rejects it."""
        self._iconv(self._cd, None, None, None, None)
        src = ctypes.create_string_buffer(raw, len(raw))
        dst = ctypes.create_string_buffer(16)
        src_p = ctypes.c_char_p(ctypes.addressof(src))
        dst_p = ctypes.c_char_p(ctypes.addressof(dst))
        src_left = ctypes.c_size_t(len(raw))
        dst_left = ctypes.c_size_t(16)
        r = self._iconv(self._cd, ctypes.byref(src_p), ctypes.byref(src_left),
                        ctypes.byref(dst_p), ctypes.byref(dst_left))
        if r == ctypes.c_size_t(-1).value or src_left.value != 0 or 16 - dst_left.value != 4:
            return None
        return dst.raw[:4].decode("utf-32-le")


def toneless(reading):
    """Pinyin without tone marks; ü as v after l and n, as u elsewhere; lüe, nüe as lue, nue."""
    s = unicodedata.normalize("NFD", reading.lower())
    s = s.replace("u\u0308", "\u00fc")
    s = "".join(ch for ch in s if not unicodedata.combining(ch))
    if s in ("l\u00fce", "n\u00fce"):
        return s[0] + "ue"
    if s.startswith(("l\u00fc", "n\u00fc")):
        return s.replace("\u00fc", "v")
    return s.replace("\u00fc", "u")


def build():
    numbers = read_syllables()
    mandarin = read_mandarin()
    iconv = Iconv()
    cells = []
    missing = collections.Counter()   # readings whose syllable the list lacks
    chars = 0
    for lead in LEADS:
        for trail in TRAILS:
            number = 0
            ch = None if trail == 0x7F else iconv.decode(bytes([lead, trail]))
            if ch is not None and lead not in SYMBOL_LEADS:
                chars += 1
                syllable = OVERRIDES[ch] if ch in OVERRIDES else (
                    toneless(mandarin[ch]) if ch in mandarin else None)
                if syllable is not None:
                    number = numbers.get(syllable, 0)
                    if number == 0:
                        missing[syllable] += 1
            cells.append(number)
    for ch, syllable in OVERRIDES.items():
        code = ch.encode("gbk")
        got = cells[(code[0] - 0x81) * len(TRAILS) + code[1] - 0x40]
        if got != (numbers[syllable] if syllable else 0):
            sys.exit("override of %s did not reach the table" % ch)
    return cells, chars, missing


def render(cells):
    rows = len(TRAILS)
    out = [
        "// Generated by tools/pycode/gen_pytable.py - do not edit.",
        "// Regenerate with: python3 tools/pycode/gen_pytable.py",
        "// (needs Debian's unicode-data: /usr/share/unicode/Unihan_Readings.txt.bz2).",
        "//",
        "// Syllable numbers (kPySyllables, numbers/PySyllables.h) of the GBK double-byte codes:",
        "// one string per lead byte 0x81..0xFE, 191 cells for the trail bytes 0x40..0xFE, each",
        "// cell two characters of the alphabet below, value = 64 * first + second; 0 = no reading.",
        "// Readings: first kMandarin reading of Unihan, tones dropped, with the fixed readings",
        "// of the generator's OVERRIDES.",
        "",
        'inline constexpr char kPyCellAlphabet[] = "%s";' % ALPHABET,
        "",
        "inline constexpr const char* kPyTableRows[126] = {",
    ]
    for i, lead in enumerate(LEADS):
        row = cells[i * rows:(i + 1) * rows]
        code = "".join(ALPHABET[v // 64] + ALPHABET[v % 64] for v in row)
        out.append('    /* %02X */ "%s",' % (lead, code))
    out.append("};")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed file")
    parser.add_argument("--stats", action="store_true", help="print counts to stderr")
    args = parser.parse_args()
    cells, chars, missing = build()
    text = render(cells)
    if args.stats:
        with_reading = sum(1 for v in cells if v)
        print("GBK characters outside the symbol rows: %d" % chars, file=sys.stderr)
        print("codes with a reading: %d" % with_reading, file=sys.stderr)
        print("readings not in the syllable list: %s" % dict(missing.most_common()), file=sys.stderr)
    if args.check:
        if open(OUTPUT, encoding="ascii").read() != text:
            sys.exit("%s is stale; run %s" % (OUTPUT, os.path.relpath(__file__, ROOT)))
        return
    with open(OUTPUT, "w", encoding="ascii") as f:
        f.write(text)


if __name__ == "__main__":
    main()
