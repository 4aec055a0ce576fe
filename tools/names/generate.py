#!/usr/bin/env python3
"""Generates Tintwright's two named-color tables into src/core/names/.

Run as `python3 tools/names/generate.py` from anywhere; it needs no network
(fetch_sources.py refreshes data/). It writes

  src/core/names/color_name_table.cpp   the extended table, 1417 rows
  src/core/names/html_color_table.cpp   the HTML table, 139 rows
  src/core/names/color_name_sources.tsv where every row's value came from

The names and their order come from extended_names.txt and html_names.tsv.
An extended row takes its value from the first of:

  fixed      fixed_values.tsv: colors the catalogue has always had
  hand       hand_values.tsv: chosen by hand (rows no list names, and rows
             nudged off a color that another row already has)
  css        html_placements.tsv, or a whole name that is an HTML name when
             spaces, hyphens and case are ignored: the CSS keyword's color
  a list     the first alternative name (split at " / ") found in
             color-name-list, then in the color-name-lists lists of SOURCES

The run fails, writing nothing, when a row finds no value or when the tables
break one of the rules the color list relies on (see check_tables).
"""
import csv
import json
import re
import sys
from collections import defaultdict
from pathlib import Path

HERE = Path(__file__).resolve().parent
DATA = HERE / "data"
OUT = HERE.parent.parent / "src" / "core" / "names"

# color-name-lists lists in the order they are consulted after color-name-list.
SOURCES = ("ntc", "xkcd", "ridgway", "risograph")
# The one HTML color the extended table must not have.
HTML_ONLY = "antiquewhite"
CORNERS = (0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF)


def read_tsv(name):
    """Rows of a hand-kept tab-separated file; lines starting with # are comments."""
    with open(HERE / name, encoding="utf-8", newline="") as f:
        return [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]


def parse_hex(text):
    if not re.fullmatch(r"#[0-9A-Fa-f]{6}", text):
        raise SystemExit(f"not a #RRGGBB color: {text!r}")
    return int(text[1:], 16)


def lookup_key(name):
    """How list names are matched: case, apostrophe forms, hyphens and footnote marks aside."""
    name = re.sub(r"\[\d+\]", "", name.replace("\u2019", "'").lower())
    return re.sub(r"[\s-]+", " ", name).strip()


def html_key(name):
    return re.sub(r"[\s-]", "", name).lower()


def load_lists():
    """(source name, {lookup key: value}) in the order the lists are consulted."""
    with open(DATA / "color-name-list" / "colornames.csv", encoding="utf-8") as f:
        rows = [(r["name"], r["hex"]) for r in csv.DictReader(f)]
    lists = [("color-name-list", rows)]
    bundle = json.loads((DATA / "color-name-lists" / "colorlists.json").read_text("utf-8"))
    lists += [(f"color-name-lists:{k}", [(e["name"], e["hex"]) for e in bundle["lists"][k]])
              for k in SOURCES]
    result = []
    for source, entries in lists:
        table = {}
        for name, value in entries:
            table.setdefault(lookup_key(name), parse_hex(value))
        result.append((source, table))
    css = {e["name"]: parse_hex(e["hex"]) for e in bundle["lists"]["html"]}
    return result, css


def keyed_rows(file_name, names):
    """{index: (value, note)} from a file of index, name, #RRGGBB[, note] lines."""
    result = {}
    for index, name, value, *note in read_tsv(file_name):
        index = int(index)
        if names[index] != name:
            raise SystemExit(f"{file_name}: row {index} is {names[index]!r}, not {name!r}")
        if index in result:
            raise SystemExit(f"{file_name}: row {index} twice")
        result[index] = (parse_hex(value), note[0] if note else "")
    return result


def list_value(name, all_names, lists):
    """The value and source of the first alternative any list names.

    An alternative that is another row's whole name ("Yellow" in "Canary Yellow /
    Yellow") is tried last: that row already stands for that color.
    """
    alternatives = name.split(" / ")
    distinctive = [a for a in alternatives if a == name or a not in all_names]
    ordered = distinctive + [a for a in alternatives if a not in distinctive]
    for alternative in ordered:
        for source, table in lists:
            value = table.get(lookup_key(alternative))
            if value is not None:
                note = "" if alternative == name else f"as {alternative!r}"
                return value, source, note
    return None


def build_extended(names, css, lists):
    fixed = keyed_rows("fixed_values.tsv", names)
    hand = keyed_rows("hand_values.tsv", names)
    placed = {name: keyword for name, keyword in read_tsv("html_placements.tsv")}
    html_names = {html_key(k): k for k in css}
    all_names = set(names)
    rows, missing = [], []
    for index, name in enumerate(names):
        if index in fixed:
            value, note = fixed[index]
            row = (value, "fixed", note)
        elif index in hand:
            value, note = hand[index]
            row = (value, "hand", note)
        elif name in placed:
            row = (css[placed[name]], "css", f"keyword {placed[name]}")
        elif html_key(name) in html_names:
            keyword = html_names[html_key(name)]
            row = (css[keyword], "css", f"keyword {keyword}")
        else:
            row = list_value(name, all_names, lists)
        if row is None:
            missing.append(f"{index}\t{name}")
        rows.append(row)
    if missing:
        raise SystemExit("no value for these rows (add them to hand_values.tsv):\n" +
                         "\n".join(missing))
    return rows


def build_html(css):
    rows = []
    for name, keywords in read_tsv("html_names.tsv"):
        values = {css[k] for k in keywords.split()}
        if len(values) != 1:
            raise SystemExit(f"the keywords of {name!r} name different colors")
        rows.append((name, values.pop()))
    return rows


def check_tables(extended, html, css):
    """The rules the color list relies on; a broken one stops the run."""
    problems = []
    for label, rows in (("extended", extended), ("HTML", html)):
        by_value = defaultdict(list)
        for index, (name, value) in enumerate(rows):
            by_value[value].append(f"{index} {name}")
        problems += [f"{label}: #{v:06X} is shared by {', '.join(r)}"
                     for v, r in by_value.items() if len(r) > 1]
        problems += [f"{label}: corner #{c:06X} is missing"
                     for c in CORNERS if c not in by_value]
    extended_values = {value for _, value in extended}
    for keyword, value in sorted(css.items()):
        present = value in extended_values
        if present == (keyword == HTML_ONLY):
            problems.append(f"extended: {keyword} #{value:06X} " +
                            ("must be absent" if present else "is missing"))
    if problems:
        raise SystemExit("\n".join(problems))


def cpp_string(text):
    """A C++ literal with every non-ASCII byte as an octal escape, so that any
    compiler reads it the same whatever its source character set. (An octal
    escape ends after three digits; a hex one would swallow a following letter.)"""
    out = []
    for byte in text.encode("utf-8"):
        if byte >= 0x80:
            out.append(f"\\{byte:03o}")
        elif chr(byte) in '"\\':
            out.append("\\" + chr(byte))
        else:
            out.append(chr(byte))
    return '"' + "".join(out) + '"'


def write_table(file_name, array, function, count, rows, about):
    lines = [
        f"// {about}",
        "// Generated by tools/names/generate.py; edit the files there and run it again.",
        "// color_name_sources.tsv beside this file tells where each value comes from.",
        "",
        '#include "names/color_tables.h"',
        "",
        "#include <iterator>",
        "",
        '#include "names/rgb_hex.h"',
        "",
        "namespace tw {",
        "",
        "namespace {",
        "",
        f"constexpr RColor {array}[] = {{",
    ]
    lines += [f"    {{{cpp_string(name)}, RGBHex(0x{value:06X})}}," for name, value in rows]
    lines += [
        "};",
        f"static_assert(std::size({array}) == {count});",
        "",
        "}  // namespace",
        "",
        f"std::span<const RColor> {function}() {{ return {array}; }}",
        "",
        "}  // namespace tw",
    ]
    (OUT / file_name).write_text("\n".join(lines) + "\n", encoding="utf-8")


def write_sources(names, extended_rows, html):
    with open(OUT / "color_name_sources.tsv", "w", encoding="utf-8", newline="") as f:
        f.write("table\tindex\tname\tvalue\tsource\tnote\n")
        for index, (name, (value, source, note)) in enumerate(zip(names, extended_rows)):
            f.write(f"extended\t{index}\t{name}\t#{value:06X}\t{source}\t{note}\n")
        for index, (name, value) in enumerate(html):
            f.write(f"html\t{index}\t{name}\t#{value:06X}\tcss\t\n")


def main():
    names = (HERE / "extended_names.txt").read_text("utf-8").splitlines()
    lists, css = load_lists()
    extended_rows = build_extended(names, css, lists)
    extended = [(name, row[0]) for name, row in zip(names, extended_rows)]
    html = build_html(css)
    check_tables(extended, html, css)
    write_table("color_name_table.cpp", "kColorNames", "ColorNameTable", "ColorNameCount",
                extended, "The extended table: common color names in their stored order.")
    write_table("html_color_table.cpp", "kHTMLColors", "HTMLColorTable", "HTMLColorCount",
                html, "The HTML table: the CSS color keywords in their stored order.")
    write_sources(names, extended_rows, html)
    counts = defaultdict(int)
    for _, source, _ in extended_rows:
        counts[source] += 1
    for source, count in sorted(counts.items(), key=lambda item: -item[1]):
        print(f"{count:5}  {source}")


if __name__ == "__main__":
    sys.exit(main())
