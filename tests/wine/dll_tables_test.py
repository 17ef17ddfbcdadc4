#!/usr/bin/env python3
"""dovrink.dll's tables as a host's loader reads them, without running it: the machine it is for,
its module name, the entry points by their plain names at ordinals 1 to 7 (a table of this test's
own, not the list the .def is made from), and imports from system DLLs only (a toolchain runtime
DLL is not on a reader's machine). Where Wine cannot load the 32-bit DLL, this is what still
checks the one that ships. The programs that ship beside it are checked for their machine and
their imports alike.

usage: dll_tables_test.py OBJDUMP DLL FORMAT [PROGRAM...]
"""
import re
import subprocess
import sys

SYSTEM_DLLS = {"KERNEL32.dll", "USER32.dll", "msvcrt.dll"}

# The entry points at the ordinals that hosts look them up by.
ENTRY_POINTS = {
    "OmbrelPlugin_Init": 1,
    "OmbrelPlugin_Exit": 2,
    "OmbrelPlugin_OnUpdateView": 3,
    "OmbrelPlugin_OnActivate": 4,
    "OmbrelPlugin_OnNewPostmanInstance": 5,
    "OmbrelPlugin_OnDeletePostmanInstance": 6,
    "OmbrelPlugin_GetPluginVersion": 7,
}


def fail(message):
    sys.exit("dll_tables_test: " + message)


def exports(tables):
    """Name -> ordinal, from the name pointer table and the ordinal base."""
    base = re.search(r"^Ordinal Base\s+(\d+)", tables, re.M)
    if base is None:
        fail("the DLL has no export table")
    base = int(base.group(1))
    names = tables.split("[Ordinal/Name Pointer] Table", 1)[1].split("\n\n", 1)[0]
    return {name: int(index) + base for index, name in re.findall(r"\[\s*(\d+)\] (\S+)", names)}


def tables_of(objdump, file, wanted_format):
    """The file's tables, once its format is the one wanted and it imports system DLLs only."""
    tables = subprocess.run([objdump, "-p", file], capture_output=True, text=True,
                            check=True).stdout
    found_format = re.search(r"file format (\S+)", tables).group(1)
    if found_format != wanted_format:
        fail(f"{file} is {found_format}, not {wanted_format}")
    imported = set(re.findall(r"DLL Name: (\S+)", tables))
    if not imported <= SYSTEM_DLLS:
        fail(f"{file} imports {sorted(imported - SYSTEM_DLLS)}, which are not system DLLs")
    return tables


def main():
    objdump, dll, wanted_format = sys.argv[1:4]
    for program in sys.argv[4:]:
        tables_of(objdump, program, wanted_format)
    tables = tables_of(objdump, dll, wanted_format)
    module = re.search(r"^Name\s+\S+ (\S+)", tables, re.M)
    if module is None or module.group(1) != "dovrink.dll":
        fail(f"the export table names the module {module and module.group(1)}, not dovrink.dll")
    found = exports(tables)
    if found != ENTRY_POINTS:
        fail(f"exports {sorted(found.items())}, not {sorted(ENTRY_POINTS.items())}")
    imported = set(re.findall(r"DLL Name: (\S+)", tables))
    print(f"{wanted_format}, {len(found)} exports at ordinals {min(found.values())} to "
          f"{max(found.values())}, imports {', '.join(sorted(imported))}")


if __name__ == "__main__":
    main()
