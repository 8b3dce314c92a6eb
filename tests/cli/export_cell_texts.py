#!/usr/bin/env python3
"""Reads an exported table back with an independent reader and prints its
texts, one a line, line breaks inside a text as \\n.

  export_cell_texts.py markdown|mediawiki|latex FILE   pandoc reads the file:
      the caption (as "caption: TEXT") and every non-empty cell, row by row
  export_cell_texts.py csv FILE                        Python's csv module:
      every value, rows ended by an empty line
A reader that is missing is an error, never a skip.
"""
import csv
import json
import re
import subprocess
import sys

PANDOC_FORMATS = {"markdown": "gfm", "mediawiki": "mediawiki", "latex": "latex"}


def inline_text(items):
    out = []
    for item in items:
        kind = item.get("t")
        content = item.get("c")
        if kind == "Str":
            out.append(content)
        elif kind in ("Space", "SoftBreak"):
            out.append(" ")
        elif kind == "LineBreak":
            out.append("\n")
        elif kind == "RawInline":
            # Markdown passes HTML through; a br tag is its line break.
            is_break = re.fullmatch(r"<br\s*/?>", content[1].strip(), re.I)
            out.append("\n" if is_break else content[1])
        elif kind in ("Span", "Link", "Image", "Quoted", "Cite"):
            out.append(inline_text(content[1] if kind != "Link" else content[1]))
        elif kind in ("Emph", "Strong", "Strikeout", "Underline", "SmallCaps", "Superscript",
                      "Subscript"):
            out.append(inline_text(content))
        elif kind == "Code":
            out.append(content[1])
        elif kind == "Math":
            out.append(content[1])
    return "".join(out)


def block_text(blocks):
    parts = []
    for block in blocks:
        kind = block.get("t")
        if kind in ("Plain", "Para"):
            parts.append(inline_text(block["c"]))
        elif kind == "Table":
            # A cell of stacked lines may come as a table of its own.
            parts.append("\n".join(table_cells(block["c"])[1]))
        elif kind == "Div":
            parts.append(block_text(block["c"][1]))
    return "\n".join(p for p in parts if p)


def table_cells(table):
    _attr, caption, _colspecs, head, bodies, foot = table
    rows = list(head[1])
    for body in bodies:
        rows += body[2] + body[3]
    rows += foot[1]
    texts = []
    for row in rows:
        for cell in row[1]:
            text = block_text(cell[4]).strip()
            if text:
                texts.append(text)
    return block_text(caption[1]).strip(), texts


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    kind, path = sys.argv[1], sys.argv[2]
    if kind == "csv":
        with open(path, newline="", encoding="utf-8") as f:
            for row in csv.reader(f, strict=True):
                for value in row:
                    print(value.replace("\r\n", "\n").replace("\n", "\\n"))
                print()
        return
    try:
        run = subprocess.run(["pandoc", "-f", PANDOC_FORMATS[kind], "-t", "json", path],
                             capture_output=True, check=True)
    except FileNotFoundError:
        sys.exit("pandoc is missing: scripts/install-deps installs it")
    doc = json.loads(run.stdout)
    tables = [b for b in doc["blocks"] if b.get("t") == "Table"]
    if len(tables) != 1:
        sys.exit("pandoc found %d tables" % len(tables))
    caption, texts = table_cells(tables[0]["c"])
    if caption:
        print("caption: " + caption)
    for text in texts:
        print(text.replace("\n", "\\n"))


if __name__ == "__main__":
    main()
