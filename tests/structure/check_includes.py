#!/usr/bin/env python3
"""Fails on any #include "folder/..." in src/ and tools/ that src/dependencies.tsv does not allow.

usage: check_includes.py ROOT   (ROOT holds src/dependencies.tsv, src/ and possibly tools/)
Prints each offending include as FILE:LINE and exits 1; exits 0 when every include is allowed.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+(?:/[^"/]+)*)/[^"/]+"')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def read_table(path):
    allowed = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t", 1)
        if len(fields) != 2:
            sys.exit(f"{path}:{number}: expected a folder, a tab and the folders it may include")
        folder, targets = fields[0].strip(), fields[1].split()
        allowed[folder] = set() if targets == ["-"] else set(targets)
    return allowed


def folder_of(relative):
    """src/x/... -> x; tools/x/... -> tools/x."""
    parts = relative.parts
    if parts[0] == "src" and len(parts) > 2:
        return parts[1]
    if parts[0] == "tools" and len(parts) > 2:
        return "tools/" + parts[1]
    return None


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    allowed = read_table(root / "src" / "dependencies.tsv")
    problems = []
    for top in ("src", "tools"):
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            relative = path.relative_to(root)
            folder = folder_of(relative)
            if folder is None:
                continue
            if folder not in allowed:
                problems.append(f"{relative}: folder {folder} has no row in src/dependencies.tsv")
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = match.group(1).split("/")[0]
                if target == folder or target in allowed[folder]:
                    continue
                if not (root / "src" / target).is_dir():
                    continue  # not one of our folders (a system or Qt path)
                problems.append(f"{relative}:{number}: {folder} may not include {match.group(0).split(None, 1)[1]}")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against src/dependencies.tsv")
        return 1
    print("every include follows src/dependencies.tsv")
    return 0


if __name__ == "__main__":
    sys.exit(main())
