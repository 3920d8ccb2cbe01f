#!/usr/bin/env python3
"""Memory the program needs per byte of an opened page.

Runs the program twice under /usr/bin/time -v, offscreen and with fresh settings: once opening
a generated page of the given size (50 MB unless told), once opening a page of a few bytes.
The figure is the difference of the two peak resident set sizes divided by the page size.
TESSAVEL_QUIT_AFTER_OPEN makes the program leave as soon as the files named on its command
line are open (and coloured).

    tools/memory_per_byte.py [--program build/tessavel] [--megabytes 50] [--single-line]
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

WORDS = ["editor", "page", "colour", "table", "tag", "quick", "brown", "script", "link", "list"]


def generated_page(size, single_line):
    """A web page of about `size` bytes: paragraphs, links, tables, lists and comments."""
    end = "" if single_line else "\r\n"
    parts = ["<html>", end, "<head><title>Generated page</title></head>", end, "<body>", end]
    written = sum(map(len, parts))
    section = 0
    while written < size:
        words = " ".join(WORDS[(section * 7 + i) % len(WORDS)] for i in range(8))
        piece = (f"<!-- section {section} -->{end}<div class=\"row\" id=\"r{section}\">{end}"
                 f"<h2>{words[:20]}</h2>{end}<p>{words} <b>{WORDS[section % 10]}</b> and "
                 f"<a href=\"page{section}.html\">{words[:12]}</a>.</p>{end}"
                 f"<table border=\"1\"><tr><td>{section}</td></tr></table>{end}"
                 f"<ul><li>{words[:15]}</li></ul>{end}</div>{end}")
        parts.append(piece)
        written += len(piece)
        section += 1
    parts += ["</body></html>", end]
    return "".join(parts).encode()


def peak_kilobytes(program, page, home):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TESSAVEL_QUIT_AFTER_OPEN="1",
               TESSAVEL_SETTINGS_DIR=os.path.join(home, "settings"),
               TESSAVEL_RECOVERY_DIR=os.path.join(home, "recovery"), HOME=home)
    run = subprocess.run(["/usr/bin/time", "-v", program, page], env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, timeout=900)
    found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr)
    if run.returncode != 0 or not found:
        sys.exit(f"{program} {page} failed:\n{run.stderr}")
    return int(found.group(1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default="build/tessavel")
    parser.add_argument("--megabytes", type=int, default=50)
    parser.add_argument("--single-line", action="store_true", help="the page as one long line")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as home:
        page = os.path.join(home, "page.html")
        small = os.path.join(home, "small.html")
        text = generated_page(args.megabytes * 1000 * 1000, args.single_line)
        with open(page, "wb") as out:
            out.write(text)
        with open(small, "wb") as out:
            out.write(b"<html><body><p>small</p></body></html>\r\n")
        program = os.path.abspath(args.program)
        empty = peak_kilobytes(program, small, home)
        full = peak_kilobytes(program, page, home)
    per_byte = (full - empty) * 1024 / len(text)
    print(f"page {len(text)} bytes: peak RSS {full} kB, with a small page {empty} kB")
    print(f"bytes per page byte: {per_byte:.2f}")


if __name__ == "__main__":
    main()
