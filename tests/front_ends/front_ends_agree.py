#!/usr/bin/env python3
"""Every saved mail and text of the tests, handed to both front-ends: the preview (dovrink-preview
with the plugin library) and the self-check's reading of a file (check_pipeline: BodyOfFile, the
judgement, the plugin's boxes). Both must read the same body, so the plugin must show the same
boxes and each keyword must fare the same. A mail on which they differ on purpose is listed in
differences.tsv with the reason; a listed mail on which they agree fails too, so that the list
never outlives its reason.

usage: front_ends_agree.py SOURCE_DIR PREVIEW CHECK_PIPELINE"""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

EXAMPLE = "examples/plugins/dovrink.ini"
MAILBOX = "tests/preview/mailboxes/plugins/dovrink.ini"
LAYOUTS = "tests/preview/mistakes/layouts/plugins/dovrink.ini"

# Where the mail is, the settings it is read with, and the code page.
MAIL = [
    ("examples", "*.eml", EXAMPLE, 932),
    ("examples", "*.txt", EXAMPLE, 932),
    ("tests/preview/mail", "*.eml", EXAMPLE, 932),
    ("tests/preview/mailboxes", "**/*", MAILBOX, 932),
    ("tests/preview/encodings", "*.txt", EXAMPLE, 932),
    ("tests/wine/check", "[!e]*.txt", EXAMPLE, 932),
    ("tests/wine/check", "english.txt", "tests/wine/check/english.ini", 1252),
    ("tests/issues", "*.txt", LAYOUTS, 932),
]

SKIPPED_HEADINGS = ("  Subject:", "  Note:", "  Keywords:", "  An issue, but no box was shown:")


def reading(output):
    """What a front-end's output comes to: None when it read no body, else its boxes and each
    keyword's fate (or why the text is no issue)."""
    lines = output.split("\n")
    if lines and lines[0] == "Unread:":
        return None
    if any(line.startswith("Message ") and line.endswith("; skipped") for line in lines):
        return None
    boxes, fates, box = [], [], None
    for line in lines:
        if line.startswith("┌─ "):
            box = [line]
        elif box is not None:
            box.append(line)
            if line.startswith("└─ "):
                boxes.append("\n".join(box))
                box = None
        elif re.match(r"^    \d+\. ", line) or (
                re.match(r"^  \S", line) and not line.startswith(SKIPPED_HEADINGS)):
            fates.append(line.strip())
    return boxes, fates


def saved_message(path, output):
    """Whether the preview took the file for one saved message: not a mailbox (nor Apple Mail's
    .emlx, a mailbox's file, which the preview reads in preview/mailbox), nor a file that is no
    mail by its kind, nor one whose reading broke off."""
    lines = output.split("\n")
    headings = [line for line in lines if line.startswith("Message ")]
    no_mail = any(re.search(r": is (an? |not mail: ).*; skipped$", line) for line in headings) or any(
        line.startswith(("Damaged:", "Passed over:")) and "pieces" not in line for line in lines)
    return len(headings) == 1 and not no_mail and path.suffix != ".emlx"


def run(command, client, code_page):
    env = dict(os.environ, DOVRINK_CODEPAGE=str(code_page))
    env.pop("DOVRINK_ANSWERS", None)
    done = subprocess.run(command, cwd=client, env=env, stdin=subprocess.DEVNULL,
                          capture_output=True, check=False, timeout=120)
    return done.stdout.decode("utf-8", errors="replace")


def differences(source):
    listed = {}
    for line in (source / "tests/front_ends/differences.tsv").read_text(encoding="utf-8").split("\n"):
        if line and not line.startswith("#"):
            path, reason = line.split("\t", 1)
            listed[path] = reason
    return listed


def describe(result):
    if result is None:
        return "no body read"
    boxes, fates = result
    return "%d boxes; %s" % (len(boxes), " | ".join(fates) or "no keyword told")


def main():
    source = pathlib.Path(sys.argv[1]).resolve()
    preview, pipeline = sys.argv[2], sys.argv[3]
    listed = differences(source)
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="dovrink-front-ends-"))
    compared, disagree, left_out = 0, [], []
    try:
        for folder, pattern, settings, code_page in MAIL:
            client = scratch / ("%s-%d" % (settings.replace("/", "_"), code_page))
            if not client.exists():
                (client / "plugins").mkdir(parents=True)
                shutil.copy(source / settings, client / "plugins" / "dovrink.ini")
            for path in sorted((source / folder).glob(pattern)):
                if not path.is_file() or path.name == "dovrink.ini":
                    continue
                name = path.relative_to(source).as_posix()
                shown = run([preview, "--batch", "--explain", "--codepage", str(code_page),
                             "--host-dir", ".", str(path)], client, code_page)
                if not saved_message(path, shown):
                    left_out.append(name)
                    continue
                checked = run([pipeline, str(path)], client, code_page)
                compared += 1
                if reading(shown) != reading(checked):
                    disagree.append((name, describe(reading(shown)), describe(reading(checked))))
    finally:
        shutil.rmtree(scratch)
    print("%d saved mails and texts read by both front-ends; %d no saved message, left out: "
          "%s" % (compared, len(left_out), ", ".join(left_out)))
    print("%d disagree:" % len(disagree))
    failures = 0
    for name, shown, checked in disagree:
        mark = "listed" if name in listed else "NOT LISTED"
        failures += name not in listed
        print("  %s (%s)\n    preview:    %s\n    self-check: %s" % (name, mark, shown, checked))
    agreeing = sorted(set(listed) - {name for name, _, _ in disagree})
    for name in agreeing:
        print("  listed in differences.tsv, but both read it alike: %s" % name)
    if failures or agreeing:
        sys.exit(1)


if __name__ == "__main__":
    main()
