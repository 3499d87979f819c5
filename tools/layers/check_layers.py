#!/usr/bin/env python3
"""Checks the include graph of src/ against the folder order that README writes down.

README's architecture section holds two lines of the form

    Portable core:  base < shell < cddb < ...
    Windows:        base < shell < filetools < ...

A file is a window file when it includes a Windows header, directly or through another
file of the project; every other file is portable. The files a folder's sources.cmake lists
in BW_CORE_SOURCES or BW_CORE_POSIX_SOURCES are built natively and must be portable. A portable file may include portable
files of its own folder and of folders earlier in the portable order, and never a window
file. A window file may include any portable file, and window files of its own folder and
of folders earlier in the window order. A folder with files of a tier must appear in that
tier's order, so a new folder is placed before it is used. Any include against the order, and any circle
between folders, fails the check.

Usage: check_layers.py [--root DIR]   (DIR holds README.md and src/; default: the checkout)
Prints one line per problem and "layers: ok" or "layers: N problem(s)"; exits 1 on problems.
"""
import argparse
import os
import re
import sys

WINDOWS_HEADERS = {
    "windows.h", "commctrl.h", "commdlg.h", "mmsystem.h", "winsock.h", "winsock2.h",
    "wininet.h", "shellapi.h", "shlobj.h", "mapi.h", "winreg.h", "objbase.h", "ole2.h",
    "mmreg.h", "digitalv.h", "vfw.h", "winnetwk.h", "shlwapi.h", "winuser.h", "wingdi.h",
    "winbase.h", "tchar.h", "process.h", "io.h", "direct.h",
}
ORDER_LINE = re.compile(r"^\s*(Portable core|Windows):\s*(.+?)\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def read_orders(readme_text):
    orders = {}
    for line in readme_text.splitlines():
        match = ORDER_LINE.match(line)
        if match:
            tier = "portable" if match.group(1) == "Portable core" else "window"
            orders[tier] = [name.strip() for name in match.group(2).split("<")]
    return orders


def source_files(src):
    files = {}
    for folder, _, names in os.walk(src):
        for name in names:
            if name.endswith((".cpp", ".h", ".c", ".hpp")):
                path = os.path.join(folder, name)
                relative = os.path.relpath(path, src).replace(os.sep, "/")
                with open(path, encoding="latin-1") as handle:
                    files[relative] = INCLUDE.findall(handle.read())
    return files


CORE_LIST = re.compile(r"list\(APPEND\s+(BW_CORE_SOURCES|BW_CORE_POSIX_SOURCES)\b([^)]*)\)", re.S)


def declared_portable(src):
    """The source files that the build compiles natively, from every sources.cmake."""
    declared = set()
    for folder in sorted(os.listdir(src)):
        cmake = os.path.join(src, folder, "sources.cmake")
        if not os.path.isfile(cmake):
            continue
        with open(cmake, encoding="utf-8") as handle:
            text = handle.read()
        for _, body in CORE_LIST.findall(text):
            for item in body.split():
                item = item.replace("${CMAKE_CURRENT_LIST_DIR}", folder)
                declared.add(os.path.normpath(item).replace(os.sep, "/"))
    return declared


def windows_route(files, window, path):
    """The chain of includes by which `path` reaches a Windows header."""
    route, seen = [path], {path}
    while True:
        for kind, target in files[route[-1]]:
            if target.lower() in WINDOWS_HEADERS:
                return route + [target]
            if target in files and window.get(target) and target not in seen:
                route.append(target)
                seen.add(target)
                break
        else:
            return route


def classify(files):
    """Window files: those that reach a Windows header through the project's includes."""
    window = {}

    def visit(path, stack):
        if path in window:
            return window[path]
        if path in stack:
            return False
        stack.add(path)
        result = False
        for kind, target in files[path]:
            if target.lower() in WINDOWS_HEADERS:
                result = True
            elif target in files and visit(target, stack):
                result = True
        stack.discard(path)
        window[path] = result
        return result

    for path in files:
        visit(path, set())
    return window


def folder_of(path):
    return path.split("/")[0] if "/" in path else "."


def find_circles(edges):
    """Strongly connected groups of more than one folder (Tarjan)."""
    index, low, on_stack, stack, groups, counter = {}, {}, set(), [], [], [0]
    nodes = sorted(set(edges) | {b for targets in edges.values() for b in targets})

    def strong(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(edges.get(node, ())):
            if target not in index:
                strong(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in nodes:
        if node not in index:
            strong(node)
    return groups


def check(root):
    problems = []
    readme = os.path.join(root, "README.md")
    src = os.path.join(root, "src")
    with open(readme, encoding="utf-8") as handle:
        orders = read_orders(handle.read())
    for tier in ("portable", "window"):
        if tier not in orders:
            problems.append("README has no '%s' order line" % ("Portable core:" if tier == "portable" else "Windows:"))
    if problems:
        return problems
    rank = {tier: {name: i for i, name in enumerate(order)} for tier, order in orders.items()}
    files = source_files(src)
    window = classify(files)
    for path in sorted(declared_portable(src)):
        if window.get(path):
            problems.append("%s is built into the portable core but reaches a Windows header: %s"
                            % (path, " -> ".join(windows_route(files, window, path))))
    for tier in ("portable", "window"):
        folders = sorted({folder_of(p) for p in files if window[p] == (tier == "window")})
        for folder in folders:
            if folder not in rank[tier]:
                problems.append("folder %s/ has %s files but is not in README's %s order"
                                % (folder, tier, tier))
    edges = {"portable": {}, "window": {}}
    for path in sorted(files):
        own = folder_of(path)
        tier = "window" if window[path] else "portable"
        for kind, target in files[path]:
            if target not in files:
                continue
            other = folder_of(target)
            target_tier = "window" if window[target] else "portable"
            if tier == "window" and target_tier == "portable":
                continue  # the whole portable core lies below every window
            if other != own:
                edges[tier].setdefault(own, set()).add(other)
            if own in rank[tier] and other in rank[tier] and rank[tier][other] > rank[tier][own]:
                problems.append("%s includes %s: %s/ comes after %s/ in the %s order"
                                % (path, target, other, own, tier))
    for tier in ("portable", "window"):
        for group in find_circles(edges[tier]):
            problems.append("circle between folders in the %s tier: %s" % (tier, " <-> ".join(group)))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--root", default=default_root)
    arguments = parser.parse_args()
    problems = check(arguments.root)
    for problem in problems:
        print(problem)
    print("layers: ok" if not problems else "layers: %d problem(s)" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
