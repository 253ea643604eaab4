#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks every #include of every C++ source against the layout table of README.md.

A source in a folder of the table may include its own folder and the folders its row names
under "may include" ("Qt only" names none, "anything" leaves the folder unchecked). No include
anywhere may climb with "..", and every folder that holds C++ sources needs a row. Prints one
line for each include that breaks a rule and fails when there is any.

Usage: check_includes.py SOURCE_DIR
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*(["<])([^">]+)[">]')
FOLDER = re.compile(r"`([a-z_]+)/`")


def layout_table(readme):
    """The folders of the table: for each, the folders it may include, or None for anything."""
    rows = {}
    for line in readme.read_text(encoding="utf-8").splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) == 3 and (folder := FOLDER.fullmatch(cells[0])):
            may_include = cells[2]
            rows[folder.group(1)] = None if may_include == "anything" else set(FOLDER.findall(may_include))
    return rows


def sources(folder):
    for path in sorted(folder.rglob("*")):
        if path.suffix in (".cpp", ".h") and path.is_file():
            yield path


def is_build_tree(folder):
    return (folder / "CMakeCache.txt").exists()


def main(root):
    rows = layout_table(root / "README.md")
    layers = {folder for folder, allowed in rows.items() if allowed is not None}
    faults = []
    if not layers:
        faults.append("README.md: no layout table with a 'may include' column")
    for folder in sorted(p for p in root.iterdir() if p.is_dir() and not p.name.startswith(".")):
        if is_build_tree(folder) or not any(sources(folder)):
            continue
        if folder.name not in rows:
            faults.append(f"{folder.name}/: holds C++ sources but has no row in README.md's layout table")
            continue
        allowed = rows[folder.name]
        for source in sources(folder):
            for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
                include = INCLUDE.match(line)
                if not include:
                    continue
                quoted, path = include.group(1) == '"', include.group(2)
                where = f"{source.relative_to(root)}:{number}: {line.strip()}"
                parts = path.split("/")
                top = parts[0]
                if ".." in parts or path.startswith("/"):
                    faults.append(f"{where}: names a header by a path that climbs the tree")
                elif allowed is None:
                    continue
                elif top in layers and top != folder.name and top not in allowed:
                    faults.append(f"{where}: {folder.name}/ may not include {top}/")
                elif quoted and top not in layers:
                    faults.append(f"{where}: name the header from the top of the tree")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
