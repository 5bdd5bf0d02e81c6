#!/usr/bin/env python3
"""Checks that the folders of src/ include one another only downwards.

Reads every #include line of src/, maps each file and each included header to
its top folder under src/ (src/convert/tables/x.h belongs to convert; the
texts, src/res/texts, are a folder of their own below the rest of res), prints
the folder graph it found and fails when
  - a folder includes a folder of a higher layer (LAYERS below, lowest first),
    or one its layer does not allow (ONLY_FROM),
  - the folder graph has a cycle (folders of one layer may include each other
    one way only),
  - the core (convert, sensors, instruments, steam, flow, tools) includes a Qt header,
  - the core names a control (an IDC_ id, a control id): controls live in
    src/res,
  - a file of src/ holds a Chinese (CJK) character anywhere, comments
    included, outside the texts (src/res/texts) and the artwork's sources
    (src/res/art): every text a person sees is a text of each language, by
    id,
  - a folder of src/ is in no layer (a new folder takes its place here),
  - a file of the page's sources (web/page) holds a text of the program or a
    unit: the build writes them into the page from src/res/texts.
Usage: scripts/check-layers.py [source root, default: src/ of this checkout]
"""

import re
import sys
from pathlib import Path

# Lowest first. A folder may include its own layer and the layers below it.
LAYERS = [
    ("core", ["convert", "sensors", "instruments", "steam", "flow", "tools"]),
    ("texts", ["res/texts"]),
    ("framework", ["framework"]),
    ("controls and resources", ["controls", "res"]),
    ("windows", ["tooldlgs", "categories", "shell", "mainwnd"]),
    ("applications", ["app", "cli"]),
]

# Folders that may include no more than these, whatever their layer allows:
# the console program runs on the core and reads the texts, nothing with Qt.
ONLY_FROM = {"cli": {"convert", "sensors", "instruments", "steam", "flow", "tools", "res/texts"}}

# Standard library only: no Qt header in the core or the texts.
QT_FREE = {"convert", "sensors", "instruments", "steam", "flow", "tools", "res/texts"}

# Folders nested in a top folder that form a folder of their own.
NESTED = ["res/texts"]

# The core knows quantities, units and sensors, never the windows' controls.
CORE = {"convert", "sensors", "instruments", "steam", "flow", "tools"}
CONTROL_NAME = re.compile(r"\b(IDC_\w+|\w*[Cc]ontrolId\w*)\b")
STRING_LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')

# Where Chinese may stand in src/: the texts of each language and the
# artwork's sources (the pictures with words in them).
CJK_HOMES = ["res/texts", "res/art"]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|Qt|qt|q[a-z]+\.h$)")
SOURCES = {".h", ".hpp", ".cpp", ".cc", ".inl"}


def folder_of(path):
    """The folder of a path relative to src/ ("res/texts/x.h" -> "res/texts")."""
    text = "/".join(path.parts) if isinstance(path, Path) else path
    for nested in NESTED:
        if text.startswith(nested + "/"):
            return nested
    return text.split("/")[0]


# Files of src/ that are not text.
BINARY = {".png", ".ico"}


def chinese_problems(path, relative):
    """A Chinese character in a file of src/ outside the texts and the
    artwork: sources, build files, scripts, resource lists."""
    if chinese_allowed(relative):
        return []
    text = path.read_text(encoding="utf-8", errors="replace")
    return [f"src/{relative}:{number}: a Chinese character outside the texts; texts belong "
            "to src/res/texts, by id"
            for number, line in enumerate(text.splitlines(), 1) if CJK.search(line)]


def chinese_allowed(relative):
    """Whether a file (relative to src/) may hold Chinese characters."""
    text = "/".join(relative.parts)
    return any(text.startswith(home + "/") for home in CJK_HOMES)


def layer_of(folder):
    for index, (_, folders) in enumerate(LAYERS):
        if folder in folders:
            return index
    return None


# The page's sources, and the program's texts that must not appear there.
PAGE_SOURCES = Path("web/page")
TEXTS = Path("src/res/texts")
TEXT_ENTRY = re.compile(r'\{"([a-z-]+)\.([^"]+)",\s*"((?:[^"\\]|\\.)*)"\}')
CJK = re.compile(r"[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")
# Quoted strings of a script, a style or a tag, and the text between tags.
PAGE_LITERAL = re.compile(r"'([^'\n]*)'|\"([^\"\n]*)\"|`([^`]*)`|>([^<>]+)<")


def program_texts(texts_dir):
    """Every text of the program in every language (its quantities, units,
    panels, sensors, windows and page words) and every unit symbol, stripped
    of blanks."""
    found = set()
    for path in sorted(texts_dir.glob("*.cpp")):
        for kind, key, text in TEXT_ENTRY.findall(path.read_text(encoding="utf-8")):
            if kind == "font":
                continue  # the name of a face, which the page's style names too
            found.add(text.strip())
            if kind == "unit":
                found.add(key.split(".", 1)[1])
    found.discard("")
    return found


def page_problems(checkout):
    """A Chinese text in the page's sources, or a literal that is a text or
    a unit symbol of the program: the page takes them from the build."""
    problems = []
    known = program_texts(checkout / TEXTS)
    for path in sorted((checkout / PAGE_SOURCES).iterdir()):
        if not path.is_file():
            continue
        where = path.relative_to(checkout)
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if CJK.search(line):
                problems.append(f"{where}:{number}: a Chinese text in the page's sources; "
                                "texts belong to src/res/texts")
                continue
            for groups in PAGE_LITERAL.findall(line):
                literal = "".join(groups).strip()
                if literal in known:
                    problems.append(f"{where}:{number}: \"{literal}\" is a text or unit of "
                                    "the program; the build writes it from src/res/texts")
    return problems


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src"
    folders = sorted([p.name for p in root.iterdir() if p.is_dir()] +
                     [n for n in NESTED if (root / n).is_dir()])
    edges = {}  # (from, to) -> number of include lines
    problems = []

    for folder in folders:
        if layer_of(folder) is None:
            problems.append(f"src/{folder} is in no layer: add it to LAYERS in {Path(__file__).name}")

    for path in sorted(root.rglob("*")):
        if not path.is_file() or path.suffix in BINARY:
            continue
        relative = path.relative_to(root)
        problems += chinese_problems(path, relative)
        if path.suffix not in SOURCES:
            continue
        if len(relative.parts) < 2:
            continue
        source = folder_of(relative)
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if source in CORE:
                code = STRING_LITERAL.sub('""', line).split("//")[0]
                control = CONTROL_NAME.search(code)
                if control:
                    problems.append(f"src/{relative}:{number}: the core names a control "
                                    f"({control.group(0)}); controls belong to src/res")
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, header = match.groups()
            where = f"src/{relative}:{number}"
            if bracket == "<":
                if source in QT_FREE and QT_HEADER.match(header):
                    problems.append(f"{where}: src/{source} includes the Qt header <{header}>")
                continue
            target = folder_of(header) if "/" in header else source
            if target not in folders:
                continue  # a file beside the source, or one generated by the build
            edges[(source, target)] = edges.get((source, target), 0) + 1
            if target == source:
                continue
            from_layer, to_layer = layer_of(source), layer_of(target)
            if from_layer is not None and to_layer is not None and to_layer > from_layer:
                problems.append(f"{where}: src/{source} ({LAYERS[from_layer][0]}) includes "
                                f"\"{header}\" of a higher layer ({LAYERS[to_layer][0]})")
            elif source in ONLY_FROM and target not in ONLY_FROM[source]:
                allowed = ", ".join(sorted(ONLY_FROM[source]))
                problems.append(f"{where}: src/{source} includes \"{header}\"; it may include "
                                f"only {allowed}")

    graph = {folder: sorted(t for (s, t) in edges if s == folder and t != folder)
             for folder in folders}

    print("Folder graph of src/ (each folder and the folders it includes), lowest layer first:")
    for index, (name, members) in enumerate(LAYERS):
        present = [f for f in members if f in graph]
        if not present:
            continue
        print(f"  {index} {name}")
        for folder in present:
            targets = ", ".join(f"{t} ({edges[(folder, t)]})" for t in graph[folder]) or "-"
            print(f"      {folder:<11} -> {targets}")
    for folder in folders:
        if layer_of(folder) is None:
            print(f"  ? {folder:<11} -> {', '.join(graph[folder]) or '-'}")

    # Cycles, by depth-first search over the folder graph.
    state = {}
    stack = []

    def visit(folder):
        state[folder] = "open"
        stack.append(folder)
        for target in graph[folder]:
            if state.get(target) == "open":
                cycle = stack[stack.index(target):] + [target]
                problems.append("cycle: " + " -> ".join(f"src/{f}" for f in cycle))
            elif target not in state:
                visit(target)
        stack.pop()
        state[folder] = "done"

    for folder in folders:
        if folder not in state:
            visit(folder)

    problems += page_problems(root.parent)

    if problems:
        for problem in problems:
            print(problem, file=sys.stderr)
        print(f"layer check: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print("layer check: every include points down, no cycle, no Qt or control in the core, "
          "no Chinese outside the texts, no text of the program in web/page")
    return 0


if __name__ == "__main__":
    sys.exit(main())
