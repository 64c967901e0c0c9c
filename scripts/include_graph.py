#!/usr/bin/env python3
"""Prints the include graph of src/ by folder and fails when it has a cycle.

An edge A -> B (n) means n files of src/A include "B/...". A cycle between
folders or between files is printed and the exit status is 1.
Usage: include_graph.py [SOURCE_ROOT]
"""
import collections
import os
import re
import sys

INCLUDE = re.compile(r'^#include "([a-z_0-9]+)/([^"]+)"', re.M)


def read_edges(src):
    folders = collections.defaultdict(collections.Counter)
    files = collections.defaultdict(set)
    for dirpath, _, names in os.walk(src):
        for name in names:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(dirpath, name)
            here = os.path.relpath(path, src).split(os.sep)[0]
            with open(path, encoding="utf-8") as f:
                for m in INCLUDE.finditer(f.read()):
                    target = os.path.join(src, m.group(1), m.group(2))
                    if not os.path.exists(target):
                        continue  # generated headers and the other top-level folders
                    files[os.path.normpath(path)].add(os.path.normpath(target))
                    if m.group(1) != here:
                        folders[here][m.group(1)] += 1
    return folders, files


def find_cycle(graph):
    state = {}
    for start in list(graph):
        stack = [(start, iter(graph.get(start, ())))]
        path = [start]
        state[start] = "open"
        while stack:
            node, children = stack[-1]
            child = next(children, None)
            if child is None:
                state[node] = "done"
                stack.pop()
                path.pop()
            elif state.get(child) == "open":
                return path[path.index(child):] + [child]
            elif child not in state:
                state[child] = "open"
                stack.append((child, iter(graph.get(child, ()))))
                path.append(child)
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    folders, files = read_edges(os.path.join(root, "src"))
    for a in sorted(folders):
        print(f"{a:10s} -> " + ", ".join(f"{b} ({n})" for b, n in sorted(folders[a].items())))
    status = 0
    for what, graph in (("folders", folders), ("files", files)):
        cycle = find_cycle(graph)
        if cycle:
            print(f"include cycle between {what}: " + " -> ".join(cycle))
            status = 1
    if status == 0:
        print("no include cycle between folders or files")
    return status


if __name__ == "__main__":
    sys.exit(main())
