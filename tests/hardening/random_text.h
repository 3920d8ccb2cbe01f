#pragma once
// Seeded generators for the randomized tests: every run of a test sees the same inputs, so a
// failure names an iteration that reproduces.
#include <QByteArray>
#include <QDir>
#include <random>
#include <string_view>

class RandomText {
public:
    explicit RandomText(unsigned seed) : engine_(seed) {}

    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool chance(int percent) { return below(100) < percent; }

    // Any bytes at all, NUL and invalid UTF-8 included.
    QByteArray bytes(int maxLength) {
        QByteArray out;
        const int n = below(maxLength + 1);
        for (int i = 0; i < n; ++i) out += char(below(256));
        return out;
    }

    // Text built from the pieces a reader of this kind of input meets, glued at random, with
    // now and then a random byte between them.
    template <size_t N>
    QByteArray pieces(const std::string_view (&vocabulary)[N], int count) {
        QByteArray out;
        const int n = below(count + 1);
        for (int i = 0; i < n; ++i) {
            if (chance(8)) out += char(below(256));
            const std::string_view piece = vocabulary[below(int(N))];
            out.append(piece.data(), qsizetype(piece.size()));
        }
        return out;
    }

    // The input cut, with bytes flipped, dropped or doubled.
    QByteArray mutate(QByteArray text) {
        const int edits = 1 + below(4);
        for (int e = 0; e < edits && !text.isEmpty(); ++e) {
            const int at = below(int(text.size()));
            switch (below(4)) {
                case 0: text[at] = char(below(256)); break;
                case 1: text.remove(at, 1 + below(8)); break;
                case 2: text.insert(at, text.mid(at, 1 + below(8))); break;
                default: text.truncate(at); break;
            }
        }
        return text;
    }

private:
    std::mt19937 engine_;
};

// Thousands of rewrites: keep them in memory-backed storage where the system has it.
inline QString scratchFolderTemplate() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tessavel-XXXXXX")
                                                     : QDir::tempPath() + "/tessavel-XXXXXX";
}

// The pieces HTML is made of, well-formed and not.
inline constexpr std::string_view htmlPieces[] = {
    "<", ">", "</", "/>", "<p>", "</p>", "<b>", "<br>", "<table border=\"1\">", "<td>", "</td>",
    "<a href=\"x.html\">", "</a>", "<!--", "-->", "<!DOCTYPE html>", "<unknown>", "<img src='i.png'>",
    "\"", "'", "=", " ", "  ", "\r\n", "\r", "\n", "\t", "text", "a < b", "x > y", "caf\xc3\xa9",
    "\xe2\x82\xac", "<script>", "</script>", "<style>", "<p class=\"a\" id=b>", "&amp;", "&",
};
