#!/usr/bin/env python3
"""The release zip as a reader gets it: its files and their encodings, and its dovrink.dll,
dovrink-check.exe and dovrink.ini unpacked into the plugins folder of a stand-in mail client in a
fresh Wine prefix, showing the example issue's boxes in code page 932; the self-check, run from
there on the same issue, shows the same boxes with /show. The client runs twice: once in an
ASCII folder, once as ソフト\表示.exe, whose Shift_JIS bytes hold 0x5C inside both names.

usage: package_test.py ZIP HOST_EXE BODY_FILE EXPECTED_BOXES MAKE_PREFIX_SCRIPT BOX_WATCHER_EXE
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

ENTRIES = ["dovrink.dll", "dovrink-check.exe", "dovrink.ini", "readme.txt", "LICENSE.txt",
           "SHA256SUMS"]


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
    for word in ["plugins", "keyword0", "keyword8", "separator", "line", "Shift_JIS", "UTF-8",
                 "dovrink-check.exe"]:
        if word not in guide:
            fail(f"readme.txt does not mention {word}")
    check_windows_text("LICENSE.txt", data["LICENSE.txt"], False)
    for line in data["SHA256SUMS"].decode("ascii").splitlines():
        digest, name = line.split("  ")
        if hashlib.sha256(data[name]).hexdigest() != digest:
            fail(f"SHA256SUMS does not match {name}")


def wine_environment(scratch):
    """Wine passes Unix paths through the Unix locale: Japanese names need a real ja_JP.UTF-8,
    built here when the machine has none installed."""
    locales = os.path.join(scratch, "locales")
    os.makedirs(locales)
    subprocess.run(["localedef", "-i", "ja_JP", "-f", "UTF-8",
                    os.path.join(locales, "ja_JP.UTF-8")], check=True)
    return dict(os.environ, WINEPREFIX=os.path.join(scratch, "prefix"), WINEDEBUG="-all",
                WINEDLLOVERRIDES="mscoree,mshtml=", LOCPATH=locales, LC_ALL="ja_JP.UTF-8",
                LANG="ja_JP.UTF-8")


def run_client(archive, host, body, env, client, program):
    os.makedirs(os.path.join(client, "plugins"))
    shutil.copy(host, os.path.join(client, program))
    shutil.copy(body, os.path.join(client, "issue.txt"))
    for name in ["dovrink.dll", "dovrink-check.exe", "dovrink.ini"]:
        archive.extract(name, os.path.join(client, "plugins"))
    wine = os.environ.get("WINE", "wine")
    shown = subprocess.run(["xvfb-run", "-a", wine, program, "issue.txt"], cwd=client, env=env,
                           capture_output=True, check=False)
    subprocess.run(["wineserver", "-w"], env=env, check=False)
    if shown.returncode != 0:
        fail(f"{program} ended with {shown.returncode}: {shown.stderr.decode(errors='replace')}")
    boxes = shown.stdout.decode("utf-8").replace("\r\n", "\n")
    checked = run_check(client, env)
    if checked != boxes:
        sys.stdout.write(checked)
        fail(f"dovrink-check.exe /show beside {program} showed other boxes than the plugin")
    return boxes


def run_check(client, env):
    """The boxes that plugins\\dovrink-check.exe /show shows for the issue, started from the
    plugins folder as a reader starts it."""
    plugins = os.path.join(client, "plugins")
    folder = "Z:" + plugins.replace("/", "\\")
    jobs = os.path.join(client, "jobs.txt")
    open(jobs, "w", encoding="utf-8").write("\t".join([
        folder, "-", folder + "\\check.out", folder + "\\check.boxes",
        folder + "\\dovrink-check.exe", "/show", "..\\issue.txt"]) + "\n")
    run = subprocess.run(["xvfb-run", "-a", os.environ.get("WINE", "wine"), sys.argv[6],
                          "Z:" + jobs.replace("/", "\\")], env=env, stdin=subprocess.DEVNULL,
                         capture_output=True, check=False)
    subprocess.run(["wineserver", "-w"], env=env, check=False)
    if run.stdout.decode().strip() != "exit 0":
        output = open(os.path.join(plugins, "check.out"), "rb").read()
        fail(f"dovrink-check.exe ended with {run.stdout.decode()}{run.stderr.decode()}: "
             f"{output.decode('cp932', errors='replace')}")
    return open(os.path.join(plugins, "check.boxes"), encoding="utf-8").read().replace("\r\n",
                                                                                       "\n")


def run_clients(archive, host, body):
    """The boxes each client showed, by program name."""
    scratch = tempfile.mkdtemp()
    try:
        env = wine_environment(scratch)
        subprocess.run([sys.argv[5]], env=env, check=True)
        drive = os.path.join(scratch, "prefix", "drive_c")
        return {program: run_client(archive, host, body, env, os.path.join(drive, *folder),
                                    program)
                for folder, program in [(["Program Files", "Vesk Mail"], "client.exe"),
                                        (["ソフト"], "表示.exe")]}
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    with zipfile.ZipFile(sys.argv[1]) as archive:
        check_files(archive)
        shown = run_clients(archive, sys.argv[2], sys.argv[3])
    boxes = shown["client.exe"]
    expected = open(sys.argv[4], encoding="utf-8").read()
    if os.environ.get("UPDATE_EXPECTED") == "1":
        open(sys.argv[4], "w", encoding="utf-8").write(boxes)
    elif boxes != expected:
        sys.stdout.write(boxes)
        fail("the boxes differ from " + sys.argv[4])
    for program, other in shown.items():
        if other != boxes:
            sys.stdout.write(other)
            fail(f"{program} showed other boxes than client.exe")
    print(f"{len(ENTRIES)} files checked; {boxes.count(chr(10) + '[') + 1} boxes as expected")


if __name__ == "__main__":
    main()
