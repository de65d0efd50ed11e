#!/usr/bin/env python3
"""Checks a copyright file against Debian's machine-readable format 1.0: a
header naming the format, Files paragraphs with Copyright and License, and
every license named there given its text somewhere."""
import re
import sys

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"


def paragraphs(text):
    for block in re.split(r"\n\s*\n", text.strip()):
        fields, name = {}, None
        for line in block.splitlines():
            if line.startswith((" ", "\t")) and name:
                fields[name] += "\n" + line.strip()
            elif re.match(r"^[A-Za-z][A-Za-z0-9-]*:", line):
                name, value = line.split(":", 1)
                if name in fields:
                    sys.exit(f"FAIL: {name} twice in one paragraph")
                fields[name] = value.strip()
            else:
                sys.exit(f"FAIL: not a field nor a continuation: {line!r}")
        yield fields


def main(path):
    header, *rest = paragraphs(open(path, encoding="utf-8").read())
    if header.get("Format", "").rstrip("/") != FORMAT.rstrip("/"):
        sys.exit(f"FAIL: the first paragraph does not name the format ({header.get('Format')!r})")
    named, texts = set(), set()
    files = [p for p in rest if "Files" in p]
    if not files:
        sys.exit("FAIL: no Files paragraph")
    for p in rest:
        if "Files" in p and not ("Copyright" in p and "License" in p):
            sys.exit(f"FAIL: Files: {p['Files']} lacks Copyright or License")
        if "License" not in p:
            sys.exit(f"FAIL: a paragraph with neither Files nor License: {p}")
        short, _, text = p["License"].partition("\n")
        (texts if text.strip() else named).add(short.strip())
    if named - texts:
        sys.exit(f"FAIL: no text for the license {', '.join(sorted(named - texts))}")


if __name__ == "__main__":
    main(sys.argv[1])
