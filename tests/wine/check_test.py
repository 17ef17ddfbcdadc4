#!/usr/bin/env python3
"""dovrink-check.exe as readers use it, in a mail client's plugins folder beside dovrink.dll:
each case's text given as a file (saved as the case says) and copied to the clipboard, its
transcripts compared with the expected ones; with /show, its boxes compared with the boxes that
the plugin itself shows for the same text in the same folder.

usage: check_test.py SOURCE_DIR CHECK_EXE DOVRINK_DLL BOX_WATCHER_EXE PACKAGE_HOST_EXE
Run under a display (xvfb-run), with WINE, WINEPREFIX and the rest of Wine's environment set.
UPDATE_EXPECTED=1 writes the transcripts instead of comparing them.
"""
import os
import shutil
import subprocess
import sys
import tempfile

EXAMPLE_SETTINGS = "examples/plugins/dovrink.ini"
EXAMPLE_TEXT = "examples/weekly-vesk-42.txt"
HERE = "tests/wine/check/"
NEWSLETTERS = "tests/newsletters/"

# name, settings file, text file (in the code page) or a list of them for a folder, how the text
# file is saved, code page, whether the text also goes through the clipboard; for /setup, the
# answers piped in.
CASES = [
    ("every-keyword", EXAMPLE_SETTINGS, EXAMPLE_TEXT, "cp932", 932, True),
    ("keyword-missing", EXAMPLE_SETTINGS, HERE + "keyword-missing.txt", "utf-8-sig", 932, True),
    ("no-separator", EXAMPLE_SETTINGS, HERE + "no-separator.txt", "utf-16", 932, True),
    ("marker-late", EXAMPLE_SETTINGS, HERE + "marker-late.txt", "cp932", 932, True),
    ("utf-8-settings", "tests/preview/encodings/utf-8/plugins/dovrink.ini", EXAMPLE_TEXT, "utf-8",
     932, True),
    ("mistakes", "tests/preview/mistakes/beyond_code_page/plugins/dovrink.ini",
     HERE + "keyword-missing.txt", "cp932", 932, False),
    ("saved-mail", EXAMPLE_SETTINGS, "examples/weekly-vesk-42.eml", None, 932, False),
    ("english", HERE + "english.ini", HERE + "english.txt", "cp1252", 1252, True),
    # Headings as Japanese newsletters write them, and settings as readers first write them.
    ("framed", HERE + "framed.ini", "tests/issues/framed.txt", "utf-8", 932, False),
    ("marks", HERE + "marks.ini", "tests/issues/marks.txt", "cp932", 932, False),
    ("misspelt-settings", HERE + "misspelt.ini", "tests/issues/marks.txt", "cp932", 932, False),
    ("copied-with-headers", HERE + "marks.ini", HERE + "copied-with-headers.txt", "cp932", 932,
     True),
    ("saved-mail-base64", EXAMPLE_SETTINGS, "tests/preview/mail/shift-jis-base64.eml", None, 932,
     False),
    # The settings made from each layout: the written file, the old one kept, and the boxes the
    # check shows with it, which must be the plugin's own.
    ("setup-example", EXAMPLE_SETTINGS, EXAMPLE_TEXT, "cp932", 932, False,
     ["1 2 3 4", "", "", "y"]),
    ("setup-framed", HERE + "empty.ini", "tests/issues/framed.txt", "utf-8", 932, False,
     ["A", "", "", "y"]),
    ("setup-marks", HERE + "marks.ini", "tests/issues/marks.txt", "cp932", 932, False,
     ["１ ２ ３ ４", "", "12", "y"]),
    ("setup-two-rules", HERE + "empty.ini", "tests/issues/two-rules.txt", "utf-8", 932, False,
     ["2 3 4", "", "", "y"]),
    # Issues of newsletters as readers receive them: one issue each of two layouts, and a folder of
    # three issues of one newsletter with an issue of another among them.
    ("setup-association", HERE + "empty.ini", NEWSLETTERS + "lib-jla/01.txt", "cp932", 932, False,
     ["", "", "", "y"]),
    ("setup-alumni", HERE + "empty.ini", NEWSLETTERS + "soc-alumni-vesk-mm/01.txt", "cp932", 932,
     False, ["", "", "", "y"]),
    ("setup-folder", HERE + "empty.ini",
     [NEWSLETTERS + name for name in ["mus-kagakukan-2006/01.txt", "lib-jla/01.txt",
                                      "mus-kagakukan-2006/02.txt", "mus-kagakukan-2006/03.txt"]],
     None, 932, False, ["", "", "", "y"]),
]

LOCALES = {932: "ja_JP.UTF-8", 1252: "en_US.UTF-8"}


def fail(message):
    sys.exit("check_test: " + message)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class Case:
    """A mail client's folder with the case's settings and text, and the runs that it takes."""

    def __init__(self, source_dir, tools, scratch, case):
        self.name, settings, text, saved, self.code_page, self.clipboard = case[:6]
        self.answers = case[6] if len(case) > 6 else None
        self.client = os.path.join(scratch, self.name)
        plugins = os.path.join(self.client, "plugins")
        os.makedirs(plugins)
        shutil.copy(tools["check"], plugins)
        shutil.copy(tools["dll"], plugins)
        shutil.copy(tools["host"], self.client)
        shutil.copy(os.path.join(source_dir, settings), os.path.join(plugins, "dovrink.ini"))
        if self.answers is not None:
            open(os.path.join(self.client, "answers.txt"), "wb").write(
                "".join(line + "\r\n" for line in self.answers).encode("cp%d" % self.code_page))
        if isinstance(text, list):
            # A folder of saved issues, named in the order given.
            self.given = "issues"
            os.makedirs(os.path.join(self.client, self.given))
            for number, name in enumerate(text, 1):
                shutil.copy(os.path.join(source_dir, name),
                            os.path.join(self.client, self.given, "%02d.txt" % number))
            return
        data = open(os.path.join(source_dir, text), "rb").read()
        if saved is None:
            self.given = os.path.basename(text)
            open(os.path.join(self.client, self.given), "wb").write(data)
            return
        # The text as the reader saved it, the same in the code page for the plugin, and its
        # Unicode for the clipboard.
        self.given = "issue.txt"
        self.text = data.decode("cp%d" % self.code_page)
        open(os.path.join(self.client, "issue.txt"), "wb").write(self.text.encode(saved))
        open(os.path.join(self.client, "body.txt"), "wb").write(data)
        open(os.path.join(self.client, "clipboard.txt"), "w", encoding="utf-8",
             newline="").write(self.text)

    def jobs(self):
        """The box watcher's jobs: the checker on the file; on the clipboard with /show; the
        plugin itself on the same text."""
        folder = windows_path(self.client)
        check = folder + "\\plugins\\dovrink-check.exe"
        if self.given == "issues":
            return [[folder, "-", "file.out", "file.boxes", check, "/setup", self.given,
                     "<" + folder + "\\answers.txt"]]
        if self.answers is not None:
            return [[folder, "-", "file.out", "file.boxes", check, "/setup", "/show", self.given,
                     "<" + folder + "\\answers.txt"],
                    [folder, "-", "plugin.out", "plugin.boxes", folder + "\\package_host.exe",
                     "body.txt"]]
        jobs = [[folder, "-", "file.out", "file.boxes", check, self.given]]
        if self.clipboard:
            jobs.append([folder, windows_path(self.client + "/clipboard.txt"), "show.out",
                         "show.boxes", check, "/show"])
            jobs.append([folder, "-", "plugin.out", "plugin.boxes",
                         folder + "\\package_host.exe", "body.txt"])
        return jobs

    def read(self, name, encoding):
        text = open(os.path.join(self.client, name), encoding=encoding).read()
        return text.replace("\r\n", "\n").replace(windows_path(self.client), "<client>")

    def setup_transcript(self, statuses):
        """The transcript of a /setup run: what it said, the file it wrote, and the boxes."""
        page = "cp%d" % self.code_page
        folder = self.given == "issues"
        transcript = "$ dovrink-check /setup %s%s < answers.txt\n%sexit status %d\n" % (
            "" if folder else "/show ", self.given, self.read("file.out", page), statuses[0])
        transcript += "\n(plugins\\dovrink.ini as written)\n" + self.read("plugins/dovrink.ini", page)
        kept = os.path.exists(os.path.join(self.client, "plugins", "dovrink.ini.bak"))
        transcript += "(plugins\\dovrink.ini.bak: %s)\n" % ("kept" if kept else "none")
        if folder:
            return transcript
        shown = self.read("file.boxes", "utf-8")
        own = self.read("plugin.out", "utf-8")
        if shown != own:
            fail("%s: /show showed\n%s\nbut the plugin shows\n%s" % (self.name, shown, own))
        return transcript + "(/show: the plugin's own boxes with it)\n" + own

    def transcript(self, statuses):
        """The transcript of the runs, given their exit statuses in order."""
        if self.answers is not None:
            return self.setup_transcript(statuses)
        page = "cp%d" % self.code_page
        transcript = "$ dovrink-check %s\n%sexit status %d\n" % (
            self.given, self.read("file.out", page), statuses[0])
        if not self.clipboard:
            return transcript
        transcript += "\n$ dovrink-check /show  (the text on the clipboard)\n"
        transcript += "%sexit status %d\n" % (self.read("show.out", page), statuses[1])
        shown = self.read("show.boxes", "utf-8")
        own = self.read("plugin.out", "utf-8")
        if shown != own:
            fail("%s: /show showed\n%s\nbut the plugin shows\n%s" % (self.name, shown, own))
        boxes = sum(1 for line in shown.split("\n") if line.startswith("["))
        return transcript + "(/show: %d boxes, the plugin's own)\n" % boxes


def run_jobs(watcher, scratch, code_page, jobs):
    """Runs the jobs in one Wine session in the code page; their exit statuses."""
    table = os.path.join(scratch, "jobs-%d.txt" % code_page)
    lines = []
    for job in jobs:
        folder = job[0]
        job = job[:2] + ["%s\\%s" % (folder, name) for name in job[2:4]] + job[4:]
        lines.append("\t".join(job) + "\n")
    open(table, "w", encoding="utf-8").writelines(lines)
    env = dict(os.environ, LC_ALL=LOCALES[code_page], LANG=LOCALES[code_page])
    run = subprocess.run([os.environ.get("WINE", "wine"), watcher, windows_path(table)], env=env,
                         stdin=subprocess.DEVNULL, capture_output=True, check=False, timeout=600)
    if run.returncode != 0:
        fail(run.stderr.decode(errors="replace"))
    return [int(line.split()[1]) for line in run.stdout.decode().splitlines()]


def main():
    source_dir = sys.argv[1]
    tools = dict(zip(["check", "dll", "watcher", "host"], sys.argv[2:6]))
    # Always as long, as the checker breaks its lines, paths among them, to its width.
    scratch = tempfile.mkdtemp(prefix="dovrink-check-", dir="/tmp")
    try:
        cases = [Case(source_dir, tools, scratch, case) for case in CASES]
        transcripts = {}
        for code_page in sorted({case.code_page for case in cases}):
            group = [case for case in cases if case.code_page == code_page]
            statuses = run_jobs(tools["watcher"], scratch, code_page,
                                [job for case in group for job in case.jobs()])
            for case in group:
                taken = len(case.jobs())
                transcripts[case.name] = case.transcript(statuses[:taken])
                statuses = statuses[taken:]
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    failed = []
    for case in CASES:
        transcript = transcripts[case[0]]
        expected_file = os.path.join(source_dir, HERE, "expected", case[0] + ".txt")
        if os.environ.get("UPDATE_EXPECTED") == "1":
            open(expected_file, "w", encoding="utf-8").write(transcript)
            continue
        expected = open(expected_file, encoding="utf-8").read()
        if transcript != expected:
            sys.stdout.write("--- %s, expected\n%s--- as run\n%s" % (case[0], expected, transcript))
            failed.append(case[0])
    if failed:
        fail("transcripts differ: " + ", ".join(failed))
    print("%d cases as expected" % len(CASES))


if __name__ == "__main__":
    main()
