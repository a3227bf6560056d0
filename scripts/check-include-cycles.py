#!/usr/bin/env python3
"""Fails, naming the cycle, if the files of one folder include each other in
a circle. A file and its header count as one unit (form1.h and form1.cpp),
so that a folder reads from its top unit down to its bottom one.

    scripts/check-include-cycles.py FOLDER...
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^#include "([a-z_]+)/([a-z0-9_]+)\.h"', re.MULTILINE)


def units(folder):
    """Each unit of the folder and the units of the same folder it includes."""
    graph = {}
    for path in sorted(Path(folder).glob("*.[ch]*")):
        unit = path.stem
        uses = graph.setdefault(unit, set())
        for where, name in INCLUDE.findall(path.read_text()):
            if where == Path(folder).name and name != unit:
                uses.add(name)
    return graph


def cycle(graph):
    """A list of units that include each other in a circle, or None."""
    state = {}

    def visit(unit, path):
        state[unit] = "open"
        for used in sorted(graph.get(unit, ())):
            if state.get(used) == "open":
                return path[path.index(used):] + [used]
            if used not in state:
                found = visit(used, path + [used])
                if found:
                    return found
        state[unit] = "done"
        return None

    for unit in sorted(graph):
        if unit not in state:
            found = visit(unit, [unit])
            if found:
                return found
    return None


def main(folders):
    wrong = 0
    for folder in folders:
        found = cycle(units(folder))
        if found:
            print(f"{folder}: " + " -> ".join(found))
            wrong += 1
        else:
            print(f"{folder}: no cycle")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
