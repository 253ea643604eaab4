#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks every #include of every C++ source against the layout table of README.md: a source
# may include its own folder and those its row names under "may include" ("Qt only" names
# none; "anything" leaves the folder unchecked). No include climbs with "..", and every folder
# of sources has a row. Prints each include that breaks a rule and fails when there is one.
#
#   check_includes.py SOURCE_DIR
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*(["<])([^">]+)[">]')
FOLDER = re.compile(r"`([a-z_]+)/`")

root = pathlib.Path(sys.argv[1])
rows = {}  # folder: the folders it may include, or None for anything
for line in (root / "README.md").read_text(encoding="utf-8").splitlines():
    cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
    if len(cells) == 3 and (folder := FOLDER.fullmatch(cells[0])):
        rows[folder.group(1)] = None if cells[2] == "anything" else set(FOLDER.findall(cells[2]))
layers = {folder for folder, allowed in rows.items() if allowed is not None}
faults = [] if layers else ["README.md: no layout table with a 'may include' column"]

for folder in sorted(p for p in root.iterdir() if p.is_dir() and not p.name.startswith(".")):
    sources = sorted(p for p in folder.rglob("*") if p.suffix in (".cpp", ".h") and p.is_file())
    if not sources or (folder / "CMakeCache.txt").exists():  # no sources, or a build tree
        continue
    if folder.name not in rows:
        faults.append(f"{folder.name}/: holds C++ sources but has no row in README.md's layout table")
        continue
    allowed = rows[folder.name]
    for source in sources:
        for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
            if not (include := INCLUDE.match(line)):
                continue
            quoted, path = include.group(1) == '"', include.group(2)
            top = path.split("/")[0]
            where = f"{source.relative_to(root)}:{number}: {line.strip()}"
            if ".." in path.split("/") or path.startswith("/"):
                faults.append(f"{where}: names a header by a path that climbs the tree")
            elif allowed is None:
                continue
            elif top in layers and top != folder.name and top not in allowed:
                faults.append(f"{where}: {folder.name}/ may not include {top}/")
            elif quoted and top not in layers:
                faults.append(f"{where}: name the header from the top of the tree")

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
