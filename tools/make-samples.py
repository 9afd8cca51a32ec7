#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sample vocabularies that ship beside the trainer (data/*.gls).

A vocabulary file is Windows-1252 text with CR LF line ends, read as a sequence of fields: a comma or a
line end ends a field, and a field that starts with a double quote runs to the next double quote. The
first field is the header, "[" language 1 "-" language 2 "]"; then come pairs of fields: a word of
language 1 (what the pupil types) and its meanings in language 2 (what the pupil is shown), each meaning
followed by "$". The files are laid out the way the vocabulary editor writes them: every field quoted,
either one (word, meanings) pair per line or one field per line.

Every file is read back with the same field rule before this script ends, so a sample that the trainer
would read differently from what is written here stops the script instead of shipping.

Run from anywhere: tools/make-samples.py
"""

import pathlib
import sys

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

MAX_WORDS = 400
MAX_MEANINGS = 4

# Language 1 English (typed), language 2 Swedish (shown).
ENGELSKA = (
    "Engelska",
    "Svenska",
    [
        ("dog", ["hund"]),
        ("cat", ["katt"]),
        ("house", ["hus"]),
        ("school", ["skola"]),
        ("book", ["bok"]),
        ("friend", ["vän", "kompis"]),
        ("girl", ["flicka", "tjej"]),
        ("apple", ["äpple"]),
        ("bread", ["bröd"]),
        ("water", ["vatten"]),
        ("ice cream", ["glass"]),
        ("bird", ["fågel"]),
        ("tree", ["träd"]),
        ("flower", ["blomma"]),
        ("boat", ["båt"]),
        ("island", ["ö"]),
        ("snow", ["snö"]),
        ("key", ["nyckel", "tangent"]),
        ("light", ["ljus", "lätt"]),
        ("fast", ["snabb", "fort"]),
        ("quiet", ["tyst", "lugn", "stilla"]),
        ("hot", ["varm", "het", "stark"]),
        ("blue", ["blå", "nedstämd"]),
        ("fall", ["falla", "ramla", "höst"]),
        ("play", ["leka", "spela", "pjäs"]),
        ("mean", ["betyda", "mena", "elak", "snål"]),
        ("tomorrow", ["i morgon"]),
        ("yesterday", ["i går"]),
    ],
)

# Language 1 Swedish (typed, with å, ä and ö), language 2 English (shown).
SVENSKA = (
    "Svenska",
    "Engelska",
    [
        ("år", ["year"]),
        ("ålder", ["age"]),
        ("åka", ["ride", "travel"]),
        ("gå", ["walk", "go"]),
        ("sång", ["song", "singing"]),
        ("blåbär", ["blueberry", "bilberry"]),
        ("äta", ["eat"]),
        ("äpple", ["apple"]),
        ("äng", ["meadow"]),
        ("nära", ["near", "close"]),
        ("läsa", ["read", "study"]),
        ("lärare", ["teacher"]),
        ("här", ["here"]),
        ("kväll", ["evening"]),
        ("vänta", ["wait"]),
        ("räka", ["shrimp", "prawn"]),
        ("tröja", ["sweater", "jumper"]),
        ("lätt", ["easy", "light"]),
        ("snäll", ["kind", "nice", "good"]),
        ("hälsa", ["health", "greet", "say hello"]),
        ("ö", ["island"]),
        ("öga", ["eye"]),
        ("öra", ["ear"]),
        ("mjölk", ["milk"]),
        ("björn", ["bear"]),
        ("höst", ["autumn", "fall"]),
        ("smörgås", ["sandwich"]),
        ("kö", ["queue", "line"]),
        ("dörr", ["door"]),
        ("fjäril", ["butterfly"]),
    ],
)

# Language 1 German (typed), language 2 Swedish (shown). Nouns with their article, as pupils learn them.
TYSKA = (
    "Tyska",
    "Svenska",
    [
        ("der Hund", ["hund"]),
        ("die Katze", ["katt"]),
        ("das Haus", ["hus"]),
        ("die Schule", ["skola"]),
        ("das Buch", ["bok"]),
        ("der Apfel", ["äpple"]),
        ("das Brot", ["bröd"]),
        ("die Milch", ["mjölk"]),
        ("der Vogel", ["fågel"]),
        ("das Frühstück", ["frukost"]),
        ("groß", ["stor", "lång"]),
        ("klein", ["liten"]),
        ("schön", ["vacker", "fin"]),
        ("müde", ["trött"]),
        ("spielen", ["leka", "spela"]),
        ("heute", ["i dag"]),
        ("morgen", ["i morgon"]),
        ("tschüss", ["hej då"]),
    ],
)

# (file name, vocabulary, layout)
SAMPLES = [
    ("engelska.gls", ENGELSKA, "pairs"),
    ("svenska.gls", SVENSKA, "fields"),
    ("tyska.gls", TYSKA, "pairs"),
]


def check(name, vocabulary):
    lang1, lang2, words = vocabulary
    problems = []
    for text in (lang1, lang2):
        if any(c in text for c in '"-]'):
            problems.append(f"language name {text!r} holds a character the header uses")
    if not 1 <= len(words) <= MAX_WORDS:
        problems.append(f"{len(words)} words; a vocabulary holds 1 to {MAX_WORDS}")
    seen_words, seen_meanings = set(), {}
    for word, meanings in words:
        if not word.strip() or word != word.strip():
            problems.append(f"word {word!r} is empty or has spaces at an end")
        if '"' in word or any('"' in m or "$" in m for m in meanings):
            problems.append(f"{word!r}: a double quote or a $ inside a value")
        if not 1 <= len(meanings) <= MAX_MEANINGS:
            problems.append(f"{word!r}: {len(meanings)} meanings; a word has 1 to {MAX_MEANINGS}")
        if word in seen_words:
            problems.append(f"{word!r} occurs twice")
        seen_words.add(word)
        for meaning in meanings:
            # A meaning shown for two different words would leave the pupil guessing.
            if meaning in seen_meanings:
                problems.append(f"meaning {meaning!r} of {word!r} is also one of {seen_meanings[meaning]!r}")
            seen_meanings[meaning] = word
    if problems:
        sys.exit(f"{name}:\n  " + "\n  ".join(problems))


def quoted(text):
    return f'"{text}"'


def render(vocabulary, layout):
    lang1, lang2, words = vocabulary
    lines = [quoted(f"[{lang1}-{lang2}]")]
    for word, meanings in words:
        meaning_field = "".join(m + "$" for m in meanings)
        if layout == "pairs":
            lines.append(quoted(word) + "," + quoted(meaning_field))
        else:
            lines.append(quoted(word))
            lines.append(quoted(meaning_field))
    text = "".join(line + "\r\n" for line in lines)
    return text.encode("cp1252")  # strict: a character outside the code page stops the script


def read_fields(data):
    """The trainer's field rule, written out again independently of how the files are written."""
    text = data.decode("cp1252")
    fields, pos = [], 0
    while pos < len(text):
        while pos < len(text) and text[pos] == " ":
            pos += 1
        if pos < len(text) and text[pos] == '"':
            end = text.find('"', pos + 1)
            end = len(text) if end < 0 else end
            fields.append(text[pos + 1:end])
            pos = end + 1
            while pos < len(text) and text[pos] not in ",\r\n":
                pos += 1
        else:
            start = pos
            while pos < len(text) and text[pos] not in ",\r\n":
                pos += 1
            fields.append(text[start:pos])
        if text.startswith("\r\n", pos):
            pos += 2
        elif pos < len(text):
            pos += 1
    return fields


def verify(name, data, vocabulary):
    lang1, lang2, words = vocabulary
    body = data.replace(b"\r\n", b"")
    if b"\r" in body or b"\n" in body or not data.endswith(b"\r\n"):
        sys.exit(f"{name}: every line must end in CR LF")
    fields = read_fields(data)
    expected = [f"[{lang1}-{lang2}]"]
    for word, meanings in words:
        expected += [word, "".join(m + "$" for m in meanings)]
    if fields != expected:
        sys.exit(f"{name}: reads back as {fields!r}")


def main():
    for name, vocabulary, layout in SAMPLES:
        check(name, vocabulary)
        data = render(vocabulary, layout)
        verify(name, data, vocabulary)
        target = DATA / name
        temporary = target.with_suffix(".tmp")
        temporary.write_bytes(data)
        temporary.replace(target)
        words = vocabulary[2]
        print(f"Wrote {target}: {len(words)} words, {sum(len(m) for _, m in words)} meanings")


if __name__ == "__main__":
    main()
