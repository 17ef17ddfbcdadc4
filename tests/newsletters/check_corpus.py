#!/usr/bin/env python3
"""Checks the newsletters' corpus: each issue as the client hands it over (code page 932, CR LF,
the marker within the bytes the plugin looks at), its reader's truth against its lines, and a
manifest row naming the back number whose layout it copies."""
import pathlib
import sys

MARKER = b"Weekly Vesk"
MARKER_WINDOW = 79
BLANKS = " \t\u3000"


def issue_lines(path, faults):
    data = path.read_bytes()
    if b"\0" in data:
        faults.append(f"{path}: holds a NUL byte")
    at = data.find(MARKER)
    if at < 0 or at + len(MARKER) > MARKER_WINDOW:
        faults.append(f"{path}: \"Weekly Vesk\" does not end within the first {MARKER_WINDOW} bytes")
    if data.replace(b"\r\n", b"").count(b"\n") or data.replace(b"\r\n", b"").count(b"\r"):
        faults.append(f"{path}: a line does not end with CR LF")
    try:
        text = data.decode("cp932")
    except UnicodeDecodeError as error:
        faults.append(f"{path}: not code page 932 ({error})")
        return []
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def check_truth(path, lines, faults):
    last_end = 0
    count = 0
    for number, row in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not row.strip() or row.startswith("#"):
            continue
        where = f"{path}:{number}"
        fields = row.split("\t")
        if len(fields) != 4 or not all(f.isdigit() for f in fields[:3]):
            faults.append(f"{where}: not HEADING<TAB>BODY<TAB>END<TAB>TEXT")
            continue
        heading, body, end = (int(f) for f in fields[:3])
        if not (1 <= heading < body < end <= len(lines) + 1):
            faults.append(f"{where}: lines {heading}, {body}, {end} are not in order within the issue")
            continue
        if heading < last_end:
            faults.append(f"{where}: starts before the section above ends")
        if lines[heading - 1].strip(BLANKS) != fields[3]:
            faults.append(f"{where}: line {heading} reads {lines[heading - 1].strip(BLANKS)!r}, not {fields[3]!r}")
        if not lines[body - 1].strip(BLANKS):
            faults.append(f"{where}: body line {body} is empty")
        last_end = end
        count += 1
    if count == 0:
        faults.append(f"{path}: names no section")


def main(root):
    root = pathlib.Path(root)
    faults = []
    issues = sorted(root.glob("*/*.txt"))
    for issue in issues:
        lines = issue_lines(issue, faults)
        truth = issue.with_suffix(".sections")
        if not truth.exists():
            faults.append(f"{issue}: no {truth.name}")
        elif lines:
            check_truth(truth, lines, faults)
    listed = set()
    for number, row in enumerate((root / "manifest.tsv").read_text(encoding="utf-8").splitlines(), 1):
        if not row.strip() or row.startswith("#"):
            continue
        fields = row.split("\t")
        if len(fields) != 4 or not fields[1].startswith(("http://", "https://")):
            faults.append(f"manifest.tsv:{number}: not ISSUE<TAB>ADDRESS<TAB>KIND<TAB>NOTES")
            continue
        listed.add(fields[0])
        if not (root / fields[0]).exists():
            faults.append(f"manifest.tsv:{number}: no issue {fields[0]}")
    for issue in issues:
        if str(issue.relative_to(root)) not in listed:
            faults.append(f"{issue}: no row in manifest.tsv")
    layouts = {issue.parent.name for issue in issues}
    for fault in faults:
        print(fault)
    print(f"{len(issues)} issues of {len(layouts)} newsletters; {len(faults)} faults")
    return 1 if faults or not issues else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent))
