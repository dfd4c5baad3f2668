#!/usr/bin/env python3
"""Writes the six Unicode property tables that the program carries as
resources of type UNICODEDATA, from the Unicode Character Database files.

    MakeUnicodeData.py <folder of the database> <output folder>

Every table is little-endian: a 32-bit record count, then the records
(UclUnicode.h reads them):
  CATEGORIES     First, Last (32 bits each), general category, bidirectional
                 class (8 bits each, as ordinals of TCharacterCategory), 16
                 bits of padding: every code point, in runs of equal values.
  CASE           Code (32 bits); four 8-bit counts, for case folding, lower,
                 title and upper case (0: the code point maps to itself);
                 then the mapped code points (32 bits each) in that order.
  COMBINING      First, Last, Class (32 bits each): the runs of code points
                 whose canonical combining class is not 0.
  DECOMPOSITION  Code (32 bits), tag (8 bits, TCompatibilityFormattingTag),
                 count (8 bits), 16 bits of padding, then the code points.
  NUMBERS        Code (32 bits), denominator (32 bits), numerator (64 bits).
  COMPOSITION    First, Second, Composite (32 bits each), sorted by First,
                 then Second: the canonical pairs that compose.
"""
import os
import struct
import sys

GENERAL_CATEGORIES = ("Lu Ll Lt Lm Lo Mn Mc Me Nd Nl No Pc Pd Ps Pe Pi Pf Po "
                      "Sm Sc Sk So Zs Zl Zp Cc Cf Cs Co Cn").split()
BIDI_CLASSES = ("L R AL EN ES ET AN CS NSM BN B S WS ON LRE LRO RLE RLO PDF "
                "LRI RLI FSI PDI").split()
DECOMPOSITION_TAGS = ("canonical font noBreak initial medial final isolated "
                      "circle super sub vertical wide narrow small square "
                      "fraction compat").split()
CODE_POINTS = 0x110000


def data_lines(path):
    """The fields of every data line, without comments."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                yield [field.strip() for field in line.split(";")]


def code_range(text):
    first, _, last = text.partition("..")
    return int(first, 16), int(last or first, 16)


def codes(text):
    return [int(code, 16) for code in text.split()]


def short_names(folder, prop):
    """The short name of each long name of a property's values."""
    return {fields[2]: fields[1]
            for fields in data_lines(os.path.join(folder, "PropertyValueAliases.txt"))
            if fields[0] == prop}


def derived_property(folder, path, prop, names):
    """Ordinal of every code point's value: the @missing defaults first,
    then the listed ranges."""
    aliases = short_names(folder, prop)
    values = [0] * CODE_POINTS
    path = os.path.join(folder, "extracted", path)
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("# @missing:"):
                span, value = (field.strip() for field in line[len("# @missing:"):].split(";"))
                first, last = code_range(span)
                values[first:last + 1] = [names.index(aliases.get(value, value))] * (last - first + 1)
    for span, value in data_lines(path):
        first, last = code_range(span)
        values[first:last + 1] = [names.index(value)] * (last - first + 1)
    return values


def unicode_data(folder):
    """The records of UnicodeData.txt, code by code (ranges given by their
    first and last lines are not needed by the tables made from it)."""
    for fields in data_lines(os.path.join(folder, "UnicodeData.txt")):
        yield int(fields[0], 16), fields


def runs(values, keep):
    """(first, last, value) of every run of equal values that keep() accepts."""
    first = 0
    for code in range(1, CODE_POINTS + 1):
        if code == CODE_POINTS or values[code] != values[first]:
            if keep(values[first]):
                yield first, code - 1, values[first]
            first = code


def table(records):
    return struct.pack("<I", len(records)) + b"".join(records)


def categories(folder):
    general = derived_property(folder, "DerivedGeneralCategory.txt", "gc", GENERAL_CATEGORIES)
    bidi = derived_property(folder, "DerivedBidiClass.txt", "bc", BIDI_CLASSES)
    pairs = [(g, len(GENERAL_CATEGORIES) + b) for g, b in zip(general, bidi)]
    return table([struct.pack("<IIBBH", first, last, g, b, 0)
                  for first, last, (g, b) in runs(pairs, lambda value: True)])


def case_mappings(folder):
    fold, lower, title, upper = {}, {}, {}, {}
    for code, fields in unicode_data(folder):
        if fields[12]:
            upper[code] = codes(fields[12])
        if fields[13]:
            lower[code] = codes(fields[13])
        if fields[14] or fields[12]:
            title[code] = codes(fields[14] or fields[12])
    # The unconditional full mappings replace the simple ones.
    for fields in data_lines(os.path.join(folder, "SpecialCasing.txt")):
        if len(fields) > 4 and fields[4]:
            continue
        code = int(fields[0], 16)
        lower[code], title[code], upper[code] = codes(fields[1]), codes(fields[2]), codes(fields[3])
    for fields in data_lines(os.path.join(folder, "CaseFolding.txt")):
        if fields[1] in ("C", "F"):
            fold[int(fields[0], 16)] = codes(fields[2])
    records = []
    for code in sorted(set(fold) | set(lower) | set(title) | set(upper)):
        mappings = [m.get(code, [code]) for m in (fold, lower, title, upper)]
        mappings = [[] if mapping == [code] else mapping for mapping in mappings]
        if any(mappings):
            records.append(struct.pack("<I4B", code, *map(len, mappings)) +
                           struct.pack("<%dI" % sum(map(len, mappings)), *sum(mappings, [])))
    return table(records)


def combining(folder):
    classes = [0] * CODE_POINTS
    for code, fields in unicode_data(folder):
        classes[code] = int(fields[3])
    return table([struct.pack("<III", first, last, value)
                  for first, last, value in runs(classes, lambda value: value != 0)])


def decompositions(folder):
    found = {}
    for code, fields in unicode_data(folder):
        if not fields[5]:
            continue
        parts = fields[5].split()
        tag = "canonical"
        if parts[0].startswith("<"):
            tag = parts.pop(0).strip("<>")
        found[code] = (DECOMPOSITION_TAGS.index(tag), [int(part, 16) for part in parts])
    records = [struct.pack("<IBBH", code, tag, len(mapping), 0) + struct.pack("<%dI" % len(mapping), *mapping)
               for code, (tag, mapping) in sorted(found.items())]
    return table(records), found


def numbers(folder):
    records = []
    for code, fields in unicode_data(folder):
        if not fields[8]:
            continue
        numerator, _, denominator = fields[8].partition("/")
        records.append(struct.pack("<Iiq", code, int(denominator or 1), int(numerator)))
    return table(records)


def compositions(folder, found):
    excluded = set()
    for fields in data_lines(os.path.join(folder, "DerivedNormalizationProps.txt")):
        if fields[1] == "Full_Composition_Exclusion":
            first, last = code_range(fields[0])
            excluded.update(range(first, last + 1))
    pairs = sorted((mapping[0], mapping[1], code)
                   for code, (tag, mapping) in found.items()
                   if tag == 0 and len(mapping) == 2 and code not in excluded)
    return table([struct.pack("<III", *pair) for pair in pairs])


def main(folder, output):
    os.makedirs(output, exist_ok=True)
    decomposition_table, found = decompositions(folder)
    tables = {
        "CATEGORIES": categories(folder),
        "CASE": case_mappings(folder),
        "COMBINING": combining(folder),
        "DECOMPOSITION": decomposition_table,
        "NUMBERS": numbers(folder),
        "COMPOSITION": compositions(folder, found),
    }
    for name, data in tables.items():
        with open(os.path.join(output, name + ".bin"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source = sys.argv[1]
    if not os.path.isfile(os.path.join(source, "UnicodeData.txt")):
        sys.exit("MakeUnicodeData.py: no UnicodeData.txt in %s (install the unicode-data package)" % source)
    main(source, sys.argv[2])
