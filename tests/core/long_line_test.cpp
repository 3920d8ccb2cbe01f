// A line of many thousand bytes is cut into short pieces by twin styles, for Scintilla's
// measurement cache. Edits, colourings and restored snapshots on such a line, at random, must
// leave every character the colour a plain model says, and no piece as long as the cache's limit.
#include <gtest/gtest.h>

#include <map>

#include "core/scintilla_pane.h"
#include "hardening/random_text.h"
#include "support/pane_probe.h"

namespace {
constexpr std::string_view Words[] = {"<p>", "</td>", " ", "  ", "colour", "table", "é", "€",
                                      "=\"x\"", "a-long-word-without-a-break-in-it", ";", ">"};
constexpr Rgb Colours[] = {0x000000, 0x0000FF, 0x008000, 0x800080};

// The colour of every position, read through the pane's selection once per style in use.
std::vector<Rgb> coloursOf(ScintillaPane& pane) {
    const QByteArray styles = pane.Snapshot().attributes;
    std::map<char, Rgb> colourOfStyle;
    std::vector<Rgb> colours;
    for (int i = 0; i < styles.size(); ++i) {
        if (!colourOfStyle.count(styles[i])) colourOfStyle[styles[i]] = colourAt(pane, i);
        colours.push_back(colourOfStyle[styles[i]]);
    }
    return colours;
}

// The longest stretch of one style number on a line longer than 4096 bytes.
int longestPiece(ScintillaPane& pane) {
    const QByteArray styles = pane.Snapshot().attributes;
    int longest = 0;
    int lineStart = 0;
    for (const QByteArray& line : pane.Text().split('\n')) {
        for (int at = 1, run = 1; line.size() > 4096 && at < line.size(); ++at) {
            run = styles[lineStart + at] == styles[lineStart + at - 1] ? run + 1 : 1;
            longest = std::max(longest, run);
        }
        lineStart += int(line.size()) + 1;
    }
    return longest;
}
}  // namespace

TEST(LongLine, EditsAndColouringsKeepTheColoursAndShortPieces) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        RandomText random(seed);
        ScintillaPane pane;
        QByteArray text;
        // The third is longer than the stretch striped at a time.
        while (text.size() < (seed == 3 ? 70000 : 9000)) text += random.pieces(Words, 50);
        text.replace('<', seed == 2 ? ' ' : '<');  // walks that find nothing on the way
        if (seed == 3) text.insert(text.size() / 2, "\r\nshort line\r\n");
        pane.SetText(text);
        std::vector<Rgb> model(size_t(pane.TextLength()), 0);
        PaneSnapshot saved;
        std::vector<Rgb> savedModel;
        for (int step = 0; step < 40; ++step) {
            const int length = pane.TextLength();
            const int at = random.below(length + 1);
            switch (random.below(4)) {
            case 0: {
                std::vector<ColourRun> runs;
                for (int n = 1 + random.below(4); n > 0; --n) {
                    const int from = random.below(length);
                    const int to = from + 1 + random.below(std::min(3000, length - from));
                    runs.push_back({from, to, Colours[random.below(4)]});
                    std::fill(model.begin() + from, model.begin() + to, runs.back().colour);
                }
                pane.colourRuns(runs);
                break;
            }
            case 1: {
                // Typed text takes the colour of the first selected character, or of the one
                // before the caret.
                const int selected = random.below(std::min(20, length - at) + 1);
                const QByteArray piece = random.pieces(Words, 6);
                const Rgb colour = selected > 0 ? model[at]
                                   : at > 0     ? model[at - 1]
                                   : length > 0 ? model[0]
                                                : 0;
                pane.SetSelStart(at);
                pane.SetSelLength(selected);
                pane.SetSelText(QString::fromUtf8(piece));
                const int inserted = pane.TextLength() - length + selected;
                model.erase(model.begin() + at, model.begin() + at + selected);
                model.insert(model.begin() + at, size_t(inserted), colour);
                break;
            }
            case 2:
                saved = pane.SnapshotRange(0, length);
                savedModel = model;
                break;
            default:
                if (savedModel.empty()) break;
                pane.RestoreRange(0, length, saved);
                model = savedModel;
            }
            ASSERT_EQ(coloursOf(pane), model) << "seed " << seed << ", step " << step;
            // Walks to a character look at the text a block at a time, across the blocks.
            const QByteArray now = pane.Text();
            const int from = random.below(int(now.size()) + 1);
            pane.SetSelStart(from);
            pane.UpTo("<", false);
            ASSERT_EQ(pane.SelStart(), now.lastIndexOf('<', from - 1) + 1) << "from " << from;
            pane.SetSelStart(from);
            pane.UpTo("<", true);
            const int next = int(now.indexOf('<', from));
            ASSERT_EQ(pane.SelStart(), next < 0 ? now.size() : next) << "from " << from;
            ASSERT_LT(longestPiece(pane), 30) << "seed " << seed << ", step " << step;
        }
    }
    // A line typed past the length where striping starts is striped whole.
    ScintillaPane pane;
    pane.SetText(QByteArray("colour table ").repeated(300) + "\r\nnext");
    pane.SetSelStart(3800);
    pane.SetSelText(QString(" word").repeated(40));
    EXPECT_LT(longestPiece(pane), 30);
}
