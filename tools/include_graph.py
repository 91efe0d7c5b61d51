#!/usr/bin/env python3
"""The include graph between the folders of a part of the source tree.

    tools/include_graph.py [PART]        PART: src/model (the default) or src/ui

Prints each folder's includes of other folders of the part (with the files that make them)
and the include cycles between folders. A folder's own files are one node, named by its
path under PART ("core", "platform/network"); the files right in PART are "(root)". The
status is 1 when the folders form a cycle, so that a layering can be checked by a script.
"""
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path, part):
    rel = os.path.relpath(os.path.dirname(path), part)
    return "(root)" if rel == "." else rel


def graph(part):
    src = os.path.dirname(part.rstrip("/"))
    edges = defaultdict(lambda: defaultdict(list))
    for dirpath, _, names in os.walk(part):
        for name in sorted(names):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(dirpath, name)
            here = folder_of(path, part)
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for included in INCLUDE.findall(text):
                target = os.path.join(src, included)
                if not target.startswith(part.rstrip("/") + "/") or not os.path.exists(target):
                    continue
                there = folder_of(target, part)
                if there != here:
                    edges[here][there].append(f"{os.path.relpath(path, part)} -> {included}")
    return edges


def cycles(edges):
    """Strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on, out = {}, {}, [], set(), []
    nodes = sorted(set(edges) | {t for e in edges.values() for t in e})

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in sorted(edges.get(v, {})):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                out.append(sorted(component))

    for v in nodes:
        if v not in index:
            visit(v)
    return out


def main():
    part = sys.argv[1] if len(sys.argv) > 1 else "src/model"
    edges = graph(part)
    for here in sorted(edges):
        for there in sorted(edges[here]):
            files = edges[here][there]
            print(f"{here} -> {there}  ({len(files)})")
            for f in files:
                print(f"    {f}")
    found = cycles(edges)
    if not found:
        print(f"{part}: no cycle between folders")
        return 0
    for component in found:
        print(f"{part}: cycle between " + ", ".join(component))
    return 1


if __name__ == "__main__":
    sys.exit(main())
