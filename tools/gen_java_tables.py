#!/usr/bin/env python3
"""Writes the Java class and package tables from the JDK installed on this machine.

Outputs (all committed, so that building the editor never needs a JDK):
  data/jobj.tsh                     class names, one per line, in class-table order
  data/jpack.tsh                    package names, one per line, in package-table order
  data/jclspack.tsh                 per class, in class-table order, the package-table
                                    positions of the packages declaring it, blank-separated
  data/members/" N.tsh"             the members of the class at position N (a blank first)

The class table is ordered so that the classes sharing their first letter and their
lower-cased second letter stand together: the editor's class lookup computes one range of
positions per such pair when it loads the table.

Everything the JDK is asked goes through run_javap(), which returns javap's answer per class,
many classes per call (starting the JDK's tools is what costs).

A member file starts with the position of the class the class inherits from (-1 for none), then
holds three lines per public field and method, in name order: the insertion text (the name, "("
for a method, then a tab and the declaration), the text the member list shows, and the position
of the class the member returns (-1 when that class is not in the table). A class declared in
several packages takes its members from the package wanted first.

Usage: tools/gen_java_tables.py [--jdk FOLDER]   (default: $JAVA_HOME, else the JDK of javap)
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

CLASS_CAPACITY = 1846
CLASS_WIDTH = 38
PACKAGE_CAPACITY = 101
PACKAGE_WIDTH = 40
PACKAGES_PER_CLASS = 4

# The packages a web page and applet programmer reaches for, most wanted first. A package is
# taken whole or not at all, as long as both tables keep within their capacity.
WANTED_PACKAGES = """
java.lang java.util java.io java.net java.applet java.awt java.awt.event javax.swing
javax.swing.event javax.swing.border javax.swing.table javax.swing.tree javax.swing.text
javax.swing.text.html javax.swing.filechooser javax.swing.colorchooser javax.swing.undo
java.text java.beans java.math java.awt.geom java.awt.image java.awt.font java.awt.color
java.awt.datatransfer java.awt.dnd java.awt.print java.awt.im java.awt.image.renderable
java.util.regex java.util.zip java.util.jar java.util.function java.util.stream
java.util.concurrent java.util.concurrent.atomic java.util.concurrent.locks java.util.logging
java.util.prefs java.lang.reflect java.lang.annotation java.lang.ref java.time
java.time.format java.time.temporal java.sql java.nio java.nio.charset java.nio.file
java.nio.file.attribute java.nio.channels java.net.http java.security java.security.cert
java.rmi java.rmi.server java.rmi.registry javax.imageio javax.imageio.stream
javax.sound.sampled javax.sound.midi javax.print javax.print.event javax.swing.plaf
javax.swing.text.html.parser javax.swing.text.rtf javax.accessibility java.beans.beancontext
javax.xml.parsers javax.xml.transform javax.xml.transform.dom javax.xml.transform.stream
javax.xml.xpath javax.naming javax.net javax.net.ssl javax.crypto
javax.script javax.sql java.awt.desktop javax.swing.plaf.metal javax.swing.plaf.basic
""".split()

HEADER_LINE = re.compile(
    r"^(?P<mods>(?:[a-z]+ )*)(?:class|interface|enum|record|@interface) (?P<name>[\w.$]+)")


def find_jdk(given):
    if given:
        return Path(given)
    if os.environ.get("JAVA_HOME"):
        return Path(os.environ["JAVA_HOME"])
    javap = shutil.which("javap")
    if not javap:
        sys.exit("no JDK found: set JAVA_HOME or pass --jdk")
    return Path(javap).resolve().parent.parent


def module_classes(jdk):
    """Top-level class names of the runtime image, grouped by package."""
    listing = subprocess.run([str(jdk / "bin" / "jimage"), "list", str(jdk / "lib" / "modules")],
                             check=True, capture_output=True, text=True).stdout
    by_package = defaultdict(list)
    for line in listing.splitlines():
        entry = line.strip()
        if not entry.endswith(".class") or "$" in entry or "/" not in entry:
            continue
        folder, _, file_name = entry[:-len(".class")].rpartition("/")
        by_package[folder.replace("/", ".")].append(file_name)
    return by_package


def run_javap(jdk, qualified_names, options=("-public",), batch=400):
    """javap's answer for each class, keyed by the qualified name it reports."""
    answers = {}
    for start in range(0, len(qualified_names), batch):
        chunk = qualified_names[start:start + batch]
        out = subprocess.run([str(jdk / "bin" / "javap"), *options, *chunk],
                             capture_output=True, text=True).stdout
        current = None
        for line in out.splitlines():
            header = HEADER_LINE.match(line)
            if header and line.rstrip().endswith("{"):
                current = re.sub(r"<.*", "", header.group("name"))
                answers[current] = [line]
            elif current:
                answers[current].append(line)
    return answers


def public_classes(jdk, package, names):
    answers = run_javap(jdk, [f"{package}.{n}" for n in names])
    return sorted(n for n in names
                  if answers.get(f"{package}.{n}", [""])[0].startswith("public "))


def choose(jdk, by_package):
    """Picks the packages and returns (packages, {class name: [package, ...]})."""
    packages, homes = [], defaultdict(list)
    for package in WANTED_PACKAGES:
        if package not in by_package or len(package) > PACKAGE_WIDTH:
            continue
        if len(packages) == PACKAGE_CAPACITY:
            break
        names = [n for n in public_classes(jdk, package, by_package[package])
                 if len(n) <= CLASS_WIDTH]
        new_names = [n for n in names if n not in homes]
        if not names or len(homes) + len(new_names) > CLASS_CAPACITY:
            print(f"skipped {package} ({len(names)} classes)", file=sys.stderr)
            continue
        packages.append(package)
        for n in names:
            if len(homes[n]) < PACKAGES_PER_CLASS:
                homes[n].append(package)
    return sorted(packages), homes


MODIFIERS = set("""public protected private static final abstract native synchronized transient
volatile strictfp default sealed non-sealed""".split())
PACKAGE_PREFIX = re.compile(r"\b(?:[a-z_][\w]*\.)+(?=[A-Za-z_$])")
MEMBER_FILE = " {}.tsh"


def split_outside_brackets(text):
    """Words separated by blanks that are not inside <...>."""
    words, depth, current = [], 0, ""
    for c in text:
        depth += (c == "<") - (c == ">")
        if c == " " and depth == 0:
            if current:
                words.append(current)
            current = ""
        else:
            current += c
    return words + ([current] if current else [])


def short_names(text):
    return PACKAGE_PREFIX.sub("", text).replace("$", ".")


def member_record(declaration, position):
    """(sort key, insertion, display, returned class position) of one javap member line."""
    decl = re.sub(r"\s+throws\s+.*$", "", declaration.strip().rstrip(";"))
    head, paren, params = decl.partition("(")
    words = split_outside_brackets(head)
    if not words or head.startswith("static {"):
        return None
    name = words[-1]
    types = [w for w in words[:-1] if w not in MODIFIERS and not w.startswith("<")]
    if not types:
        return None  # a constructor: not reached through "."
    returned = types[-1]
    simple = re.sub(r"<.*", "", returned).rpartition(".")[2]
    returns = -1 if returned.endswith("]") else position.get(simple, -1)
    if paren:
        params = params.rpartition(")")[0]
        insertion = f"{name}(\t{short_names(decl)}"
        display = f"{name}({short_names(params)}) : {short_names(returned)}"
    else:
        insertion = f"{name}\t{short_names(decl)}"
        display = f"{name} : {short_names(returned)}"
    return (name.lower(), name), insertion, display, returns


def inherited(header, name, position):
    """Position of the class a javap class header says this one extends."""
    found = re.search(r"\bextends ([\w.$]+)", header)
    parent = found.group(1).rpartition(".")[2] if found else "Object"
    if name == "Object":
        return -1
    # A parent outside the table still has Object's members.
    return position.get(parent, position.get("Object", -1))


def write_member_files(jdk, root, classes, homes):
    position = {n: i for i, n in enumerate(classes)}
    qualified = [f"{homes[n][0]}.{n}" for n in classes]
    answers = run_javap(jdk, qualified)
    folder = root / "data" / "members"
    folder.mkdir(exist_ok=True)
    total = 0
    for i, name in enumerate(classes):
        answer = answers.get(qualified[i], [])
        records = []
        for line in answer[1:]:
            if line.startswith("  "):
                record = member_record(line, position)
                if record:
                    records.append(record)
        records.sort(key=lambda r: r[0])
        lines = [str(inherited(answer[0], name, position) if answer else -1)]
        for _, insertion, display, returns in records:
            lines += [insertion, display, str(returns)]
        write_lines(folder / MEMBER_FILE.format(i), lines)
        total += len(records)
    return total


def lookup_order(name):
    return (name[0], name[1:2].lower(), name)


def write_lines(path, lines):
    path.write_text("".join(line + "\r\n" for line in lines), encoding="ascii")


def write_class_packages(root, classes, packages, homes):
    position = {p: i for i, p in enumerate(packages)}
    write_lines(root / "data/jclspack.tsh",
                [" ".join(str(position[p]) for p in sorted(homes[name], key=position.get))
                 for name in classes])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jdk", help="JDK folder (with bin/javap and lib/modules)")
    args = parser.parse_args()
    jdk = find_jdk(args.jdk)
    root = Path(__file__).resolve().parent.parent
    packages, homes = choose(jdk, module_classes(jdk))
    classes = sorted(homes, key=lookup_order)
    write_lines(root / "data/jobj.tsh", classes)
    write_lines(root / "data/jpack.tsh", packages)
    write_class_packages(root, classes, packages, homes)
    members = write_member_files(jdk, root, classes, homes)
    shared = sum(1 for n in classes if len(homes[n]) > 1)
    print(f"{len(packages)} packages, {len(classes)} classes, {shared} in several packages, "
          f"{members} members")


if __name__ == "__main__":
    main()
