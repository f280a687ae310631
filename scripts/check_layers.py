#!/usr/bin/env python3
"""The one-way rule between the program's folders ("rooms").

Every quoted #include of product code is resolved as the compiler resolves it:
first beside the including file, then through the -I folders the build gives
that file (read from CMake's compile_commands.json). The include is then charged
to the room of the file it found. The check fails when

  - a room in core/ includes a header of a room above it (texts/, eventlog/,
    scada/, ui/..., emulator/), or
  - the rooms include each other, directly or around a circle.

The single application object is the one exception by design: includes of
mainapplication.h do not count, and mainapplication.cpp and main.cpp may
include anything, since they put the program together.

Usage:
  check_layers.py --root DIR --compile-commands FILE [--graph]

Exit status 0 when the tree keeps the rule, 1 when it does not, 2 on a usage
error (a missing compile_commands.json, say).
"""

import argparse
import json
import os
import re
import shlex
import sys

# A room is a folder of product code; a file belongs to the longest room that
# holds it. Folders not listed (tests/, bench/, build trees) are not rooms.
ROOMS = [
    "core/base", "core/link", "core/store", "core/net", "core/system",
    "texts", "eventlog", "scada",
    "ui/framework", "ui/screens", "ui/modes", "ui/protections",
    "emulator",
]
# What a room in core/ may never include: every room outside core/.
CORE_PREFIX = "core/"

# The application object puts the program together: it may include anything,
# and anything may include its header.
ASSEMBLERS = {"core/mainapplication.cpp", "main.cpp"}
EXEMPT_HEADERS = {"core/mainapplication.h"}

INCLUDE_RE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".cpp", ".h")


def room_of(rel):
    """The room of a path relative to the root, or None for files in no room."""
    best = None
    for room in ROOMS:
        if rel == room or rel.startswith(room + "/"):
            if best is None or len(room) > len(best):
                best = room
    if best is None and rel.startswith(CORE_PREFIX) and rel.count("/") >= 2:
        # A new folder in core/ is a room of its own, bound by core's rule.
        best = "/".join(rel.split("/")[:2])
    return best


def include_dirs_of(command, directory):
    """The -I folders of one compile command, in order, made absolute."""
    if "arguments" in command:
        args = list(command["arguments"])
    else:
        args = shlex.split(command["command"])
    dirs = []
    i = 0
    while i < len(args):
        arg = args[i]
        path = None
        if arg in ("-I", "-isystem", "-iquote") and i + 1 < len(args):
            path = args[i + 1]
            i += 1
        elif arg.startswith("-I"):
            path = arg[2:]
        if path is not None:
            dirs.append(os.path.normpath(os.path.join(directory, path)))
        i += 1
    return dirs


def load_compile_commands(path):
    """Maps each compiled file (absolute) to its -I folders."""
    with open(path, encoding="utf-8") as f:
        commands = json.load(f)
    base = os.path.dirname(os.path.abspath(path))
    flags = {}
    for command in commands:
        directory = os.path.join(base, command.get("directory", "."))
        source = os.path.normpath(os.path.join(directory, command["file"]))
        flags.setdefault(source, include_dirs_of(command, directory))
    return flags


def product_files(root):
    for top, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith(".") and not d.startswith("build")]
        for name in files:
            if name.endswith(SOURCE_SUFFIXES):
                path = os.path.join(top, name)
                rel = os.path.relpath(path, root)
                if room_of(rel) is not None or rel in ASSEMBLERS:
                    yield path, rel


def dirs_for(path, flags):
    """The -I folders the build gives a file. A header is not compiled on its
    own: it is read with the folders of the sources of its own folder (all of
    them, in the order first seen), or, when its folder has none, of every
    source of the same room."""
    if path in flags:
        return flags[path]
    folder = os.path.dirname(path)
    merged = []
    for source, dirs in sorted(flags.items()):
        if os.path.dirname(source) == folder:
            merged.extend(d for d in dirs if d not in merged)
    if merged:
        return merged
    for dirs in flags.values():
        merged.extend(d for d in dirs if d not in merged)
    return merged


def resolve(name, including, dirs):
    for folder in [os.path.dirname(including)] + dirs:
        candidate = os.path.normpath(os.path.join(folder, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def find_cycles(edges):
    """Strongly connected components of more than one room (Tarjan)."""
    index = {}
    low = {}
    stack = []
    on_stack = set()
    components = []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for succ in sorted(edges.get(node, ())):
            if succ not in index:
                visit(succ)
                low[node] = min(low[node], low[succ])
            elif succ in on_stack:
                low[node] = min(low[node], index[succ])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                components.append(sorted(component))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return components


def shortest_cycle_through(component, edges):
    """One concrete circle inside a component, for the message."""
    members = set(component)
    start = component[0]
    frontier = [[start]]
    seen = {start}
    while frontier:
        path = frontier.pop(0)
        for succ in sorted(edges.get(path[-1], ())):
            if succ == start:
                return path + [start]
            if succ in members and succ not in seen:
                seen.add(succ)
                frontier.append(path + [succ])
    return component


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True, help="the project's source tree")
    parser.add_argument("--compile-commands", required=True,
                        help="CMake's compile_commands.json of a configured build")
    parser.add_argument("--graph", action="store_true", help="print every room's includes")
    options = parser.parse_args()

    root = os.path.abspath(options.root)
    if not os.path.isfile(options.compile_commands):
        print(f"layers: no {options.compile_commands}: configure the build first", file=sys.stderr)
        return 2
    flags = load_compile_commands(options.compile_commands)

    # (from room, to room) -> the includes that make that edge, for the messages.
    evidence = {}
    for path, rel in product_files(root):
        if rel in ASSEMBLERS:
            continue
        source_room = room_of(rel)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        dirs = dirs_for(path, flags)
        for name in INCLUDE_RE.findall(text):
            target = resolve(name, path, dirs)
            if target is None:
                continue  # generated files, or headers of no room
            target_rel = os.path.relpath(target, root)
            if target_rel in EXEMPT_HEADERS:
                continue
            target_room = room_of(target_rel)
            if target_room is None or target_room == source_room:
                continue
            evidence.setdefault((source_room, target_room), []).append(f"{rel} -> {target_rel}")

    edges = {}
    for (a, b) in evidence:
        edges.setdefault(a, set()).add(b)
        edges.setdefault(b, set())

    failures = 0
    for (a, b), lines in sorted(evidence.items()):
        if a.startswith(CORE_PREFIX) and not b.startswith(CORE_PREFIX):
            failures += 1
            print(f"layers: {a} includes {b} above it:")
            for line in lines:
                print(f"    {line}")
    for component in find_cycles(edges):
        failures += 1
        circle = shortest_cycle_through(component, edges)
        print(f"layers: an include cycle runs through {len(component)} rooms "
              f"({', '.join(component)}), for example {' -> '.join(circle)}:")
        for a, b in zip(circle, circle[1:]):
            for line in evidence.get((a, b), [])[:3]:
                print(f"    {line}")

    if options.graph:
        for a in sorted(edges):
            if edges[a]:
                print(f"{a}: {', '.join(sorted(edges[a]))}")

    if failures:
        print(f"layers: {failures} breach(es) of the one-way rule")
        return 1
    print(f"layers: {len(edges)} rooms, {sum(len(v) for v in edges.values())} "
          "one-way includes between them, no cycle, nothing in core/ reaching up")
    return 0


if __name__ == "__main__":
    sys.exit(main())
