#!/usr/bin/env python3
"""The sizes that README.md gives for the files of the release zip are those of the files that
this build packs into it, within TOLERANCE: close enough that a reader can trust them, loose
enough that a small change of code need not restate them. Beyond it the test fails, naming the
size to write.

usage: release_sizes_test.py README ZIP
"""
import re
import sys
import zipfile

TOLERANCE = 0.02

# A row of the release's table, with the file's size in KB (1,024 bytes).
ROW = re.compile(r"^\| `([^`]+)` \|[^|\n]*?\babout ([\d,]+) KB\b", re.M)


def main():
    readme, zip_path = sys.argv[1:3]
    stated = {name: int(size.replace(",", "")) * 1024
              for name, size in ROW.findall(open(readme, encoding="utf-8").read())}
    if not stated:
        sys.exit(f"release_sizes_test: {readme} states no size of a released file")
    with zipfile.ZipFile(zip_path) as archive:
        built = {entry.filename: entry.file_size for entry in archive.infolist()}
    failed = False
    for name, size in sorted(stated.items()):
        if name not in built:
            print(f"{readme} gives the size of {name}, which the zip does not hold")
            failed = True
        elif abs(built[name] - size) > TOLERANCE * built[name]:
            print(f"{name} is {built[name]:,} bytes; {readme} says about {size // 1024:,} KB: "
                  f"write about {built[name] // 1024:,} KB")
            failed = True
        else:
            print(f"{name}: {built[name]:,} bytes, about {size // 1024:,} KB as stated")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
