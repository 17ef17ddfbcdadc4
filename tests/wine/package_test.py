#!/usr/bin/env python3
"""The release zip as a reader gets it: its files and their encodings, and its dovrink.dll with
its dovrink.ini, unpacked into the plugins folder of a stand-in mail client in a fresh Wine
prefix, showing the example issue's boxes in code page 932.

usage: package_test.py ZIP HOST_EXE BODY_FILE EXPECTED_BOXES MAKE_PREFIX_SCRIPT
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

ENTRIES = ["dovrink.dll", "dovrink.ini", "readme.txt", "LICENSE.txt", "SHA256SUMS"]


def fail(message):
    sys.exit("package_test: " + message)


def check_windows_text(name, data, japanese):
    if data.startswith(b"\xef\xbb\xbf"):
        fail(f"{name} starts with a byte-order mark")
    if data.replace(b"\r\n", b"").count(b"\n") or data.replace(b"\r\n", b"").count(b"\r"):
        fail(f"{name} has line ends other than CR LF")
    text = data.decode("cp932")  # fails on bytes that are not Shift_JIS
    if japanese and text.isascii():
        fail(f"{name} holds no Japanese")
    return text


def check_files(archive):
    names = archive.namelist()
    if names != ENTRIES:
        fail(f"the zip holds {names}, not {ENTRIES}")
    data = {name: archive.read(name) for name in names}
    check_windows_text("dovrink.ini", data["dovrink.ini"], True)
    guide = check_windows_text("readme.txt", data["readme.txt"], True)
    for word in ["plugins", "keyword0", "keyword8", "separator", "line", "Shift_JIS", "UTF-8"]:
        if word not in guide:
            fail(f"readme.txt does not mention {word}")
    check_windows_text("LICENSE.txt", data["LICENSE.txt"], False)
    for line in data["SHA256SUMS"].decode("ascii").splitlines():
        digest, name = line.split("  ")
        if hashlib.sha256(data[name]).hexdigest() != digest:
            fail(f"SHA256SUMS does not match {name}")


def run_client(archive, host, body):
    scratch = tempfile.mkdtemp()
    prefix = os.path.join(scratch, "prefix")
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="ja_JP.UTF-8", LANG="ja_JP.UTF-8")
    try:
        subprocess.run([sys.argv[5]], env=env, check=True)
        client = os.path.join(prefix, "drive_c", "Program Files", "Vesk Mail")
        os.makedirs(os.path.join(client, "plugins"))
        shutil.copy(host, os.path.join(client, "client.exe"))
        shutil.copy(body, os.path.join(client, "issue.txt"))
        archive.extract("dovrink.dll", os.path.join(client, "plugins"))
        archive.extract("dovrink.ini", os.path.join(client, "plugins"))
        shown = subprocess.run(["xvfb-run", "-a", "wine", "client.exe", "issue.txt"], cwd=client,
                               env=env, capture_output=True, check=False)
        subprocess.run(["wineserver", "-w"], env=env, check=False)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    if shown.returncode != 0:
        fail(f"the client ended with {shown.returncode}: {shown.stderr.decode(errors='replace')}")
    return shown.stdout.decode("utf-8").replace("\r\n", "\n")


def main():
    with zipfile.ZipFile(sys.argv[1]) as archive:
        check_files(archive)
        boxes = run_client(archive, sys.argv[2], sys.argv[3])
    expected = open(sys.argv[4], encoding="utf-8").read()
    if os.environ.get("UPDATE_EXPECTED") == "1":
        open(sys.argv[4], "w", encoding="utf-8").write(boxes)
    elif boxes != expected:
        sys.stdout.write(boxes)
        fail("the boxes differ from " + sys.argv[4])
    print(f"{len(ENTRIES)} files checked; {boxes.count(chr(10) + '[') + 1} boxes as expected")


if __name__ == "__main__":
    main()
