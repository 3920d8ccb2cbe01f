#!/usr/bin/env bash
# Counts the non-blank, non-comment lines of the program (src/) and of its tests (tests/) and
# says how the tests compare: the project keeps them at most at 35% of the program.
# Counted: *.cpp, *.h and CMakeLists.txt, and under tests/ also the case tables (*.tsv), whose
# rows are test cases. A line is a comment when it starts with "//", "/*", "*" or "#" (CMake and
# case tables); "#include" and the other preprocessor lines count as code. Generated
# sources carry the line "run it again rather than editing by hand" and are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=35

count() {
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.tsv' \) -print0 |
        xargs -0 awk '
            FNR == 1 { generated = 0 }
            /run it again rather than editing by hand/ { generated = 1 }
            generated { next }
            FILENAME ~ /(CMakeLists\.txt|\.tsv)$/ && /^[ \t]*#/ { next }
            /^[ \t]*$/ || /^[ \t]*\/\// || /^[ \t]*\/?\*/ { next }
            { n++ }
            END { print n + 0 }' | awk '{ n += $1 } END { print n + 0 }'
}

src=$(count src)
tests=$(count tests)
permille=$((tests * 1000 / src))
echo "lines: src ${src}, tests ${tests}: tests at $((permille / 10)).$((permille % 10))% of the program (limit ${limit}%)"
# Compared exactly: 35.9% is over the limit, not "35" after rounding down.
[ $((tests * 100)) -le $((src * limit)) ]
