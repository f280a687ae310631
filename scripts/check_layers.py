#!/usr/bin/env python3
"""The one-way rule between the program's folders ("rooms").

Sources. Product code is every C or C++ source of the tree (.h, .hh, .hpp,
.hxx, .inl, .ipp, .c, .cc, .cpp, .cxx), and every file, whatever its name,
that product code includes. Left out are the top folders tests/, bench/,
scripts/, cmake/ and resources/ (a file of theirs is product code once product
code includes it), and, with all they hold, the hidden folders at the top
(.git, .ci) and the build folders.

Build folders. Only folders at the project's top are build folders: those the
shell scripts of scripts/ and .ci/ build in. A script names one as
$ROOT/NAME (or ${ROOT}/NAME), the project's top as the scripts call it, or as
the tree it gives cmake (-B, --build): NAME, $ROOT/NAME, or a path under one of
them, $ROOT/NAME/SUB, whose first part NAME is the build folder. A variable the
script sets (BUILD=${VRX_BUILD_DIR:-$ROOT/build}, its default) stands for its
value, so "$BUILD-qt" names build-qt, and -B "$BUILD" with
BUILD=$ROOT/build-board/$name names build-board. What a script leaves to the
run ($QT, ${VERSION}, $(...)) matches any text: $ROOT/build-qt$QT names every
build-qt* folder. A folder deeper down is never a build folder, whatever its
name or content: CMake compiles core/store/builders/ like any other, and a
path under $ROOT/core that a script merely copies to names no build folder.

Rooms. A room is every folder, at any depth, that holds product code other
than the assemblers (below); they are found from the tree, not from a list. A
file belongs to the room of its own folder: core/mainapplication.h to the room
"core", core/store/store.h to "core/store". The top folder is the room "."
once it holds a file other than main.cpp.

Includes. Every #include of product code is resolved as the compiler resolves
it, with the -iquote, -I and -isystem folders the build gives that file (read
from CMake's compile_commands.json; a file not compiled on its own takes those
of the sources of its folder, or of all sources when its folder has none). A
quoted include is looked for beside the including file first, then in the
-iquote, -I and -isystem folders; an include in angle brackets only in the -I
and -isystem folders. An include is charged to the room of the file it finds;
one that finds no product file (Qt, the standard library, generated files in
a build folder) is not charged.

The check fails when
  1. a room of core/ (core itself or any room under it) includes a file of a
     room outside core/;
  2. rooms include each other, directly or around a circle;
  3. a file anywhere in core/ other than core/mainapplication.h and .cpp
     includes core/mainapplication.h (the rooms outside core/ may include it);
  4. product code reads the environment anywhere but core/base/test_switch.h,
     the one place that reads the VRX_ test switches. The program reads no
     other variable, so any read elsewhere fails, whatever its name: a
     qgetenv, getenv, secure_getenv, qEnvironmentVariable...,
     QProcessEnvironment, systemEnvironment or environ outside comments and
     strings. The assemblers are bound too.

The assemblers, core/mainapplication.cpp and main.cpp, put the program
together: their includes are not charged (rule 4 binds them still). That is the
only exemption; core/mainapplication.h is read like any other header, so what
it includes is charged to core.

Usage:
  check_layers.py --root DIR --compile-commands FILE [--graph]

Exit status 0 when the tree keeps the rules, 1 when it does not, 2 on a usage
error (a missing compile_commands.json, say).
"""

import argparse
import collections
import fnmatch
import json
import os
import re
import shlex
import sys

NOT_ROOMS = {"tests", "bench", "scripts", "cmake", "resources"}  # top folders
SCRIPT_FOLDERS = ("scripts", ".ci")  # top folders of the build scripts
CORE = "core"
ASSEMBLERS = {"core/mainapplication.cpp", "main.cpp"}
APPLICATION_HEADER = "core/mainapplication.h"
APPLICATION_FILES = {"core/mainapplication.h", "core/mainapplication.cpp"}
ENVIRONMENT_READER = "core/base/test_switch.h"

SOURCE_SUFFIXES = (".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".c", ".cc", ".cpp", ".cxx")
INCLUDE_RE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"\n]+)[>"]', re.MULTILINE)
ENVIRONMENT_READS = ("qgetenv", "getenv", "secure_getenv", r"qEnvironmentVariable\w*", "QProcessEnvironment",
                     "systemEnvironment", "environ")
ENVIRONMENT_READ_RE = re.compile(r"\b(" + "|".join(ENVIRONMENT_READS) + r")\b")
# Comments, string and character literals, in the order they open.
TOKEN_RE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.DOTALL)

# The build scripts, read as text. A name of a folder: letters, digits, _ . + -
# and what the script leaves to the run ($X, ${...}, $(...)).
SHELL_EXPANSION = r"\$\{[^}\n]*\}|\$\([^)\n]*\)|\$\w+"
FOLDER_NAME = r"(?:[\w.+-]|" + SHELL_EXPANSION + r")+"
ASSIGNMENT_RE = re.compile(r"^[ \t]*(?:(?:export|local|readonly)[ \t]+)?([A-Za-z_]\w*)=(\S+)", re.MULTILINE)
ROOT_PREFIX = r"\$(?:ROOT\b|\{ROOT\})/"
UNDER_ROOT_RE = re.compile(ROOT_PREFIX + "(" + FOLDER_NAME + r")(?![\w.+/$-])")
# A value that names a folder of the tree: $ROOT/NAME or NAME, or a path
# under it ($ROOT/NAME/SUB/...).
PATH_VALUE_RE = re.compile("(?:" + ROOT_PREFIX + ")?" + FOLDER_NAME + "(?:/" + FOLDER_NAME + ")*/?")
# The tree given to cmake; the top folder it lies in is the first part of
# its path.
BUILD_TREE_RE = re.compile(r"(?<!\S)(?:-B|--build)[ \t]+[\"']?(?:" + ROOT_PREFIX + r"|\./)?(" + FOLDER_NAME
                           + r")(?:/" + FOLDER_NAME + r")*/?[\"']?(?![^\s;|&)])")


def code_of(text, keep_strings):
    """The text without its comments (and without the contents of its
    literals unless keep_strings), its lines where they were."""
    def replace(match):
        token = match.group(0)
        if token[0] == "/":
            return " " + "\n" * token.count("\n")
        return token if keep_strings else token[0] * 2
    return TOKEN_RE.sub(replace, text)


def in_core(room):
    return room == CORE or room.startswith(CORE + "/")


def script_texts(root):
    """The shell scripts of scripts/ and .ci/: files named .sh, or starting
    with a #! line that runs a shell."""
    for folder in SCRIPT_FOLDERS:
        top = os.path.join(root, folder)
        if not os.path.isdir(top):
            continue
        for name in sorted(os.listdir(top)):
            path = os.path.join(top, name)
            if not os.path.isfile(path):
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            first = text.split("\n", 1)[0]
            if name.endswith(".sh") or (first.startswith("#!") and re.search(r"\b(ba|da|z)?sh\b", first)):
                yield text


def value_of(word):
    """An assignment's value as a script sets it: the default of
    ${VAR:-DEFAULT}, quotes taken off."""
    word = word.strip("\"'")
    default = re.fullmatch(r"\$\{\w+:?-(.*)\}", word)
    return default.group(1).strip("\"'") if default else word


def build_folder_patterns(root):
    """The names (fnmatch patterns) of the top folders the scripts build in."""
    patterns = set()
    for text in script_texts(root):
        values = {name: value_of(word) for name, word in ASSIGNMENT_RE.findall(text)
                  if name != "ROOT" and PATH_VALUE_RE.fullmatch(value_of(word))}
        # A variable stands for its value: three rounds reach a variable set
        # from a variable set from a third.
        for _ in range(3):
            for name, value in values.items():
                text = re.sub(r"\$(?:" + name + r"\b|\{" + name + r"\})", lambda _m: value, text)
        names = UNDER_ROOT_RE.findall(text) + BUILD_TREE_RE.findall(text)
        for name in names:
            pattern = re.sub(r"\*+", "*", re.sub(SHELL_EXPANSION, "*", name))
            if pattern.strip("*"):  # "$1" alone names no folder
                patterns.add(pattern)
    return sorted(patterns)


def is_build_or_hidden(top, build_patterns):
    """A top folder that is hidden or a build folder: never product code."""
    return top.startswith(".") or any(fnmatch.fnmatchcase(top, p) for p in build_patterns)


def source_files(root, build_patterns):
    """Every C and C++ source of the tree outside the skipped folders, as
    paths relative to the root."""
    found = []
    for top, dirs, files in os.walk(root):
        rel_top = os.path.relpath(top, root).replace(os.sep, "/")
        if rel_top == ".":
            dirs[:] = [d for d in dirs if d not in NOT_ROOMS and not is_build_or_hidden(d, build_patterns)]
        dirs.sort()
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                found.append(name if rel_top == "." else f"{rel_top}/{name}")
    return found


def folder_of(rel):
    return os.path.dirname(rel) or "."


def include_dirs_of(command, directory):
    """The folders a quoted and an angle-bracket include are looked for in
    (beyond the including file's own folder), in the compiler's order."""
    if "arguments" in command:
        args = list(command["arguments"])
    else:
        args = shlex.split(command["command"])
    found = {"-iquote": [], "-I": [], "-isystem": []}
    i = 0
    while i < len(args):
        for option in found:
            if args[i] == option and i + 1 < len(args):
                found[option].append(args[i + 1])
                i += 1
                break
            if args[i].startswith(option) and len(args[i]) > len(option):
                found[option].append(args[i][len(option):])
                break
        i += 1
    absolute = {k: [os.path.normpath(os.path.join(directory, d)) for d in v] for k, v in found.items()}
    return {'"': absolute["-iquote"] + absolute["-I"] + absolute["-isystem"],
            "<": absolute["-I"] + absolute["-isystem"]}


def load_compile_commands(path):
    """Maps each compiled file (absolute) to its include folders."""
    with open(path, encoding="utf-8") as f:
        commands = json.load(f)
    base = os.path.dirname(os.path.abspath(path))
    flags = {}
    for command in commands:
        directory = os.path.join(base, command.get("directory", "."))
        source = os.path.normpath(os.path.join(directory, command["file"]))
        flags.setdefault(source, include_dirs_of(command, directory))
    return flags


def dirs_for(path, flags):
    """The include folders the build gives a file. A header is not compiled on
    its own: it is read with the folders of the sources of its own folder (all
    of them, in the order first seen), or, when its folder has none, of every
    source."""
    if path in flags:
        return flags[path]
    folder = os.path.dirname(path)
    sources = [dirs for source, dirs in sorted(flags.items()) if os.path.dirname(source) == folder]
    if not sources:
        sources = list(flags.values())
    merged = {'"': [], "<": []}
    for dirs in sources:
        for kind in merged:
            merged[kind].extend(d for d in dirs[kind] if d not in merged[kind])
    return merged


def resolve(name, kind, including, dirs):
    # Only a quoted include is looked for beside the file that includes it.
    beside = [os.path.dirname(including)] if kind == '"' else []
    for folder in beside + dirs[kind]:
        candidate = os.path.normpath(os.path.join(folder, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def read_product(root, flags, build_patterns):
    """Reads product code: the sources, then every file they include, until
    no include finds a file not yet read. Returns, for each file (relative
    path, in the order read), its environment reads as (line, word) and the
    product files its includes find, relative."""
    queue = collections.deque(source_files(root, build_patterns))
    seen = set(queue)
    product = {}
    while queue:
        rel = queue.popleft()
        path = os.path.join(root, rel)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        code = code_of(text, keep_strings=False)
        reads = [(code.count("\n", 0, m.start()) + 1, m.group(1)) for m in ENVIRONMENT_READ_RE.finditer(code)]
        includes = []
        dirs = dirs_for(path, flags)
        for kind, name in INCLUDE_RE.findall(code_of(text, keep_strings=True)):
            target = resolve(name, kind, path, dirs)
            if target is None:
                continue  # Qt, the standard library, generated files outside the tree
            target_rel = os.path.relpath(target, root).replace(os.sep, "/")
            top = target_rel.split("/")[0]
            if top == ".." or ("/" in target_rel and is_build_or_hidden(top, build_patterns)):
                continue  # outside the tree, or generated
            includes.append(target_rel)
            if target_rel not in seen:
                seen.add(target_rel)
                queue.append(target_rel)
        product[rel] = (reads, includes)
    return product


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
    build_patterns = build_folder_patterns(root)
    print(f"layers: build folders, as the scripts name them: {' '.join(build_patterns) or '(none)'}")

    product = read_product(root, flags, build_patterns)
    rooms = sorted({folder_of(rel) for rel in product if rel not in ASSEMBLERS})
    room_set = set(rooms)

    # (from room, to room) -> the includes that make that edge, for the messages.
    evidence = {}
    application_header_includes = []
    environment_reads = []
    for rel in sorted(product):
        reads, includes = product[rel]
        if rel != ENVIRONMENT_READER:
            environment_reads.extend(f"{rel}:{line}: {word}" for line, word in reads)
        if rel in ASSEMBLERS:
            continue
        source_room = folder_of(rel)
        for target_rel in includes:
            if (target_rel == APPLICATION_HEADER and in_core(source_room)
                    and rel not in APPLICATION_FILES):
                application_header_includes.append(f"{rel} -> {target_rel}")
            target_room = folder_of(target_rel)
            if target_room not in room_set or target_room == source_room:
                continue
            evidence.setdefault((source_room, target_room), []).append(f"{rel} -> {target_rel}")

    edges = {room: set() for room in rooms}
    for (a, b) in evidence:
        edges[a].add(b)

    failures = 0
    for (a, b), lines in sorted(evidence.items()):
        if in_core(a) and not in_core(b):
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
    if application_header_includes:
        failures += 1
        print(f"layers: in core/, only the application object's own files include {APPLICATION_HEADER}:")
        for line in application_header_includes:
            print(f"    {line}")
    if environment_reads:
        failures += 1
        print(f"layers: product code reads the environment only in {ENVIRONMENT_READER}:")
        for line in environment_reads:
            print(f"    {line}")

    if options.graph:
        for a in rooms:
            print(f"{a}: {', '.join(sorted(edges[a])) or '(no other room)'}")

    if failures:
        print(f"layers: {failures} breach(es) of the one-way rule")
        return 1
    print(f"layers: {len(rooms)} rooms, {sum(len(v) for v in edges.values())} "
          "one-way includes between them, no cycle, nothing in core/ reaching up, "
          f"{APPLICATION_HEADER} included in core/ by the application object only, "
          f"the environment read in {ENVIRONMENT_READER} only")
    return 0


if __name__ == "__main__":
    sys.exit(main())
