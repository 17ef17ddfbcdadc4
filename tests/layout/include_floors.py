#!/usr/bin/env python3
"""Fails when an include climbs a floor: each room of the plugin and the preview includes only
itself and the rooms this table lets it, all of them below it. usage: include_floors.py SOURCE_DIR"""
import pathlib
import re
import sys

# Each room, from the ground up, with the rooms it may include. A file belongs to the longest
# room its path starts with.
MAY_INCLUDE = {
    "platform": [],
    "host": ["platform"],
    "settings": ["platform"],
    "viewer/scan": ["platform", "settings"],
    "viewer/search": ["platform", "settings", "viewer/scan"],
    "viewer": ["platform", "settings", "viewer/scan", "viewer/search"],
    "mail": ["platform"],
    "diagnosis": ["platform", "settings", "viewer", "viewer/search"],
    "plugin": ["platform", "host", "settings", "viewer", "viewer/scan", "viewer/search",
               "diagnosis"],
    "preview/mailbox": ["platform", "diagnosis", "mail"],
    "preview/stand_in": ["platform", "host", "plugin"],
    "preview/words": ["platform", "settings", "viewer", "diagnosis", "mail", "plugin",
                      "preview/stand_in"],
    "preview/run": ["platform", "settings", "viewer", "diagnosis", "mail", "plugin",
                    "preview/mailbox", "preview/stand_in", "preview/words"],
    "preview/tool": ["platform", "diagnosis", "plugin", "preview/stand_in", "preview/words",
                     "preview/run"],
    "check": ["platform", "host", "settings", "viewer", "diagnosis", "mail", "plugin"],
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def room_of(path):
    """The longest room that the path starts with, or None."""
    rooms = [room for room in MAY_INCLUDE if path == room or path.startswith(room + "/")]
    return max(rooms, key=len, default=None)


def climbs(source_dir):
    """Every include of a room that names a room it may not include, or no room at all."""
    found = []
    for room in MAY_INCLUDE:
        for file in sorted((source_dir / room).glob("**/*")):
            if file.suffix not in (".h", ".cpp") or room_of(file.relative_to(source_dir).as_posix()) != room:
                continue
            for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
                target = room_of(included)
                if target != room and target not in MAY_INCLUDE[room]:
                    found.append(f"{file.relative_to(source_dir)}: #include \"{included}\"")
    return found


def main():
    found = climbs(pathlib.Path(sys.argv[1]))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) climb a floor or name no room; the rooms and what each may "
              "include are in tests/layout/include_floors.py")
        sys.exit(1)
    print(f"every include of {', '.join(MAY_INCLUDE)} stays on its floor or below")


if __name__ == "__main__":
    main()
