#!/usr/bin/env python3
"""Packs the release zip for readers on Windows: the DLL, the self-check program, the commented
example settings and the user's guide in Shift_JIS with CR LF line ends, the licence, and their
SHA-256 sums.

The zip is the same bytes for the same inputs: entries in a fixed order, with fixed permissions
and the time of SOURCE_DATE_EPOCH (else of the source tree's last commit).

usage: make-dist.py SOURCE_DIR DLL CHECK_EXE OUTPUT_ZIP
"""
import hashlib
import os
import subprocess
import sys
import time
import zipfile

OLDEST_ZIP_TIME = 315532800  # 1980-01-01, the first moment a zip entry can hold


def source_date(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return OLDEST_ZIP_TIME


def windows_text(text):
    """Text for Notepad on a Japanese Windows: code page 932, CR LF."""
    lines = text.replace("\r\n", "\n").split("\n")
    return "\r\n".join(lines).encode("cp932")


def settings_file(path):
    data = open(path, "rb").read()
    # The example is kept in the repository as the reader saves it; check that it still is.
    data.decode("cp932")
    if data.startswith(b"\xef\xbb\xbf") or data.replace(b"\r\n", b"").count(b"\n"):
        sys.exit(f"{path}: not Shift_JIS text with CR LF line ends")
    return data


def main():
    source, dll, check, output = sys.argv[1:5]
    files = [
        ("dovrink.dll", open(dll, "rb").read()),
        ("dovrink-check.exe", open(check, "rb").read()),
        ("dovrink.ini", settings_file(os.path.join(source, "examples/plugins/dovrink.ini"))),
        ("readme.txt", windows_text(open(os.path.join(source, "tools/dist/readme.ja.txt"),
                                         encoding="utf-8").read())),
        ("LICENSE.txt", windows_text(open(os.path.join(source, "LICENSE"),
                                          encoding="utf-8").read())),
    ]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
    files.append(("SHA256SUMS", sums.encode("ascii")))

    stamp = time.gmtime(max(source_date(source), OLDEST_ZIP_TIME))[:6]
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    partial = output + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in files:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0
            entry.external_attr = 0
            archive.writestr(entry, data, compresslevel=9)
    os.replace(partial, output)


if __name__ == "__main__":
    main()
