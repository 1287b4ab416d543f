#!/usr/bin/env python3
"""Checks that every source file includes only what its layer may include.

The rule is the `layers` block of docs/LAYOUT.md, so the document and the
check cannot drift apart. Three things are checked:
  1. a folder includes headers of the folders its row names, and no others;
  2. foreign headers (Qt, X11, GStreamer, the operating system's) appear only
     in the folders their row allows;
  3. the folder's CMakeLists.txt names a library of every folder it includes,
     so the link order says what the includes say.
Exit status 0 when all hold, 1 with one line per breach otherwise.

--self-test plants a wrong include in a scratch tree and expects a breach.
"""

import argparse
import os
import re
import shutil
import sys
import tempfile

SOURCE_ENDINGS = (".cpp", ".h")
# Test, fuzz and benchmark programs may reach into any layer.
UNCHECKED = ("tests", "fuzz", "bench", "build", ".git", "content", "desktop", "docs", "cmake",
             "scripts")

LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s*<([^>]+)>")


def read_rules(layout_path):
    """Reads the layers block: folder rows and foreign-header rows."""
    text = open(layout_path, encoding="utf-8").read()
    block = re.search(r"```layers\n(.*?)```", text, re.S)
    if not block:
        sys.exit(f"{layout_path}: no ```layers block")
    folders, headers = {}, []
    for raw in block.group(1).splitlines():
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        if line.startswith("<"):
            pattern, allowed = line.split(":", 1)
            headers.append((re.compile(pattern.strip()[1:-1]), allowed.split()))
        else:
            folder, allowed = line.split(":", 1)
            folders[folder.strip()] = set(allowed.split())
    return folders, headers


def folder_of(path, folders):
    """The longest rule folder that holds path, or None."""
    best = None
    for folder in folders:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def within(path, allowed):
    return any(path.startswith(a + "/") or path == a for a in allowed)


def libraries_by_folder(root, folders):
    """Maps each folder to the libraries its CMakeLists.txt defines, and to
    every library and target name it links."""
    defines, links = {}, {}
    for folder in folders:
        cmake = os.path.join(root, folder, "CMakeLists.txt")
        if not os.path.exists(cmake):
            continue
        text = re.sub(r"#.*", "", open(cmake, encoding="utf-8").read())
        defines[folder] = set(re.findall(r"lumigram_(?:library|small_library)\(\s*(\w+)", text))
        linked = set()
        for call in re.findall(r"(?:lumigram_\w+|target_link_libraries)\(([^)]*)\)", text, re.S):
            parts = call.split("DEPS", 1)
            words = parts[1] if len(parts) == 2 else call
            linked.update(re.findall(r"lumigram_\w+", words))
        links[folder] = linked
    return defines, links


def check(root):
    folders, headers = read_rules(os.path.join(root, "docs", "LAYOUT.md"))
    defines, links = libraries_by_folder(root, folders)
    breaches = []
    needed = {}
    for top, dirs, files in os.walk(root):
        rel_top = os.path.relpath(top, root)
        if rel_top.split(os.sep)[0] in UNCHECKED:
            dirs[:] = []
            continue
        for name in files:
            if not name.endswith(SOURCE_ENDINGS):
                continue
            path = os.path.normpath(os.path.join(rel_top, name)).replace(os.sep, "/")
            own = folder_of(path, folders)
            if own is None:
                breaches.append(f"{path}: its folder has no row in docs/LAYOUT.md")
                continue
            with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    local = LOCAL_INCLUDE.match(line)
                    if local:
                        target = folder_of(local.group(1), folders)
                        if target is None or target == own:
                            continue
                        if target not in folders[own]:
                            breaches.append(f"{path}:{number}: {own} may not include {local.group(1)}")
                        else:
                            needed.setdefault(own, set()).add(target)
                        continue
                    system = SYSTEM_INCLUDE.match(line)
                    if not system:
                        continue
                    for pattern, allowed in headers:
                        if pattern.match(system.group(1)) and not within(path, allowed):
                            breaches.append(f"{path}:{number}: <{system.group(1)}> is not for {own}")
    for own, targets in sorted(needed.items()):
        for target in sorted(targets):
            if own in links and not (defines.get(target, set()) & links[own]):
                breaches.append(f"{own}/CMakeLists.txt: includes {target}/ but links none of "
                                f"{', '.join(sorted(defines.get(target, {'?'})))}")
    return breaches


def self_test(root):
    """Copies the rule and one folder's build file, plants a wrong include
    and a foreign header, and expects both to be reported."""
    scratch = tempfile.mkdtemp(prefix="layers-")
    try:
        os.makedirs(os.path.join(scratch, "docs"))
        shutil.copy(os.path.join(root, "docs", "LAYOUT.md"), os.path.join(scratch, "docs"))
        os.makedirs(os.path.join(scratch, "util"))
        with open(os.path.join(scratch, "util", "planted.cpp"), "w") as f:
            f.write('#include "card/lumigram.h"\n#include <QWidget>\n')
        breaches = check(scratch)
        wanted = ["may not include card/lumigram.h", "<QWidget> is not for util"]
        missing = [w for w in wanted if not any(w in b for b in breaches)]
        if missing:
            print("the check missed: " + "; ".join(missing))
            return 1
        print("planted breaches found:\n  " + "\n  ".join(breaches))
        return 0
    finally:
        shutil.rmtree(scratch)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test(args.root)
    breaches = check(args.root)
    for b in breaches:
        print(b)
    print(f"{len(breaches)} layer breaches")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
