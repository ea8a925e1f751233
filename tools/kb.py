#!/usr/bin/env python3
"""Edit the knowledge base in UTF-8 and write it back in its shipped form.

The files in data/ are the single source of truth: Windows-1252, CR LF after
every line, "§" between fields, and three NUL bytes after the last line of the
word list and the glossary. This tool turns one of them into UTF-8 text with
plain LF line ends for editing, and back:

    tools/kb.py export data/DICOHOMEO > /tmp/dico.txt
    ... edit /tmp/dico.txt (blanks at the ends of fields matter) ...
    tools/kb.py import /tmp/dico.txt data/DICOHOMEO

Import refuses text that the shipped form cannot carry: a character outside
Windows-1252, a line with the wrong number of fields. The test suite then
checks every count and example that the program relies on.
"""
import sys

FIELDS = {"DICOHOMEO": 11, "MOTSCLES": 1, "GLOSSAIRE": 2}
TRAILER = {"DICOHOMEO": b"", "MOTSCLES": b"\0\0\0", "GLOSSAIRE": b"\0\0\0"}


def kind_of(path):
    for name in FIELDS:
        if path.rstrip("/").endswith(name):
            return name
    sys.exit(f"kb.py: {path}: not one of {', '.join(FIELDS)}")


def export(path):
    kind = kind_of(path)
    raw = open(path, "rb").read()
    body = raw[: len(raw) - len(TRAILER[kind])] if raw.endswith(TRAILER[kind]) else raw
    lines = body.decode("cp1252").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    sys.stdout.write("".join(line + "\n" for line in lines))


def import_(src, path):
    kind = kind_of(path)
    lines = open(src, encoding="utf-8").read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    out = bytearray()
    for n, line in enumerate(lines, 1):
        if line.count("§") != FIELDS[kind] - 1:
            sys.exit(f"kb.py: {src}:{n}: {line.count('§') + 1} fields, {FIELDS[kind]} wanted")
        if "\r" in line:
            sys.exit(f"kb.py: {src}:{n}: carriage return inside a line")
        try:
            out += line.encode("cp1252") + b"\r\n"
        except UnicodeEncodeError as e:
            sys.exit(f"kb.py: {src}:{n}: {line[e.start:e.end]!r} does not exist in Windows-1252")
    out += TRAILER[kind]
    open(path, "wb").write(out)
    print(f"{path}: {len(lines)} lines, {len(out)} bytes")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "export":
        export(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "import":
        import_(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
