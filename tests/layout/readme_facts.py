#!/usr/bin/env python3
"""Facts that the guides tell readers and the code decides, held to the code: the instruction sets
that the AVX2 scan kernels are compiled for and that the plugin checks before it takes them
(README.md), and the exit statuses of the preview and the self-check (README.md and the Japanese
user's guide). usage: readme_facts.py SOURCE_DIR"""
import pathlib
import re
import sys

# The README's names of the instruction sets, and the compiler's.
INSTRUCTION_SETS = {"AVX2": "avx2", "POPCNT": "popcnt", "BMI1": "bmi", "BMI2": "bmi2"}

# How each guide tells the exit statuses, after their numbers, and how its lines join: English
# with a blank, Japanese without.
EXIT_STATUSES = {
    "README.md": (" ", {
        "BoxesShown": "when a box was shown",
        "Unreadable": "when one of them could not be read",
        "WrongUsage": "for a wrong option",
        "IssueWithoutBox": "when an issue showed nothing",
        "NoIssue": "when no message was an issue",
        "BoxesWithWarnings": "when so but a line marked",
    }),
    "tools/dist/readme.ja.txt": ("", {
        "BoxesShown": "ボックスが表示される",
        "Unreadable": "ファイルを読めない",
        "WrongUsage": "引数が違う",
        "IssueWithoutBox": "号なのにボックスが表示されない",
        "NoIssue": "号ではない",
        "BoxesWithWarnings": "表示されるが間違いか注意がある",
    }),
}


def avx2_mismatches(source, readme):
    """The instruction sets told, compiled for and checked, where they differ."""
    told = re.search(r"compiled for SSE2 and for AVX2 with ([^;]+?);", readme)
    if told is None:
        return ["README.md does not say what the AVX2 kernels are compiled for"]
    names = re.split(r",\s*|\s+and\s+", "AVX2, " + " ".join(told.group(1).split()))
    told_sets = {INSTRUCTION_SETS.get(name, name) for name in names}
    kernels = (source / "viewer/scan/kernels_avx2.cpp").read_text()
    chooser = (source / "viewer/scan/scan_kernels.cpp").read_text()
    found = {"checked before they are taken": set(re.findall(r'__builtin_cpu_supports\("(\w+)"\)',
                                                              chooser))}
    for target in re.findall(r'target\("([\w,]+)"\)', kernels):
        found.setdefault("compiled for", set()).update(target.split(","))
    return [f"README.md tells {sorted(told_sets)}; the kernels are {what} {sorted(sets)}"
            for what, sets in found.items() if sets != told_sets]


def status_mismatches(source):
    """The exit statuses that a guide numbers otherwise than diagnosis/run_status.h."""
    header = (source / "diagnosis/run_status.h").read_text()
    numbers = {name: int(number) for name, number in re.findall(r"(\w+) = (\d+),", header)}
    wrong = []
    for guide, (joint, phrases) in EXIT_STATUSES.items():
        flat = joint.join(line.strip() for line in
                          (source / guide).read_text(encoding="utf-8").splitlines())
        for name, words in phrases.items():
            told = re.findall(r"(\d+) " + re.escape(words), flat)
            if told != [str(numbers.get(name))]:
                wrong.append(f"{guide} numbers the status {name} ({words}) {told}; "
                             f"diagnosis/run_status.h {numbers.get(name)}")
    return wrong


def main():
    source = pathlib.Path(sys.argv[1])
    readme = (source / "README.md").read_text(encoding="utf-8")
    wrong = avx2_mismatches(source, readme) + status_mismatches(source)
    for line in wrong:
        print(line)
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    main()
