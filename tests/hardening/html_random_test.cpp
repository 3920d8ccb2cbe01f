// The HTML colouring and the tag parser fed thousands of generated pages and edits: they never
// change a byte of the text, every byte ends in one of the window's colours, positions stay
// inside the text, and the same input gives the same result.
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <set>
#include <vector>

#include "core/scintilla_pane.h"
#include "hardening/random_text.h"
#include "support/editor_fixture.h"
#include "tags/tag_parser.h"

namespace {
class HtmlRandomTest : public HtmlFixture {
protected:
    // The colour of every byte, read from the pane's styles in one pass.
    std::vector<Rgb> byteColours() {
        QsciScintilla* sci = static_cast<ScintillaPane&>(pane()).scintilla();
        std::vector<Rgb> colours;
        for (const char style : pane().Snapshot().attributes)
            colours.push_back(Rgb(sci->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE,
                                                     (unsigned long)(unsigned char)style)));
        return colours;
    }

    // Fails with the iteration and the text when a byte has a colour not in use: one of the
    // window's four, the colour the text had before (an unknown tag keeps its colour), or the
    // pane's own black, which text written into the pane directly takes until recoloured.
    void expectOnlyWindowColours(int iteration, const QByteArray& text) {
        static const std::set<Rgb> used = {Text, Tag, Param, Comment, Other, makeRgb(0, 0, 0)};
        const std::vector<Rgb> colours = byteColours();
        for (size_t b = 0; b < colours.size(); ++b)
            ASSERT_TRUE(used.count(colours[b])) << "iteration " << iteration << ": byte " << b
                                                << " has colour " << colours[b] << " in "
                                                << text.toStdString();
    }

    std::vector<Rgb> colourPage(const QByteArray& page) {
        setText(page);
        refreshAll();
        return byteColours();
    }
};
}  // namespace

// Each page is coloured whole, then the tag parser runs over a random range of it.
TEST_F(HtmlRandomTest, ColouringAndTagParsingKeepTheTextAndUseOnlyTheWindowColours) {
    RandomText random(20061);
    const ParseRange ranges[] = {ParseRange::All, ParseRange::AfterCaret,
                                 ParseRange::BeforeCaret, ParseRange::Selection};
    for (int i = 0; i < 20000 && !HasFailure(); ++i) {
        const QByteArray page = random.chance(20) ? random.mutate(random.pieces(htmlPieces, 30))
                                                  : random.pieces(htmlPieces, 30);
        const std::vector<Rgb> first = colourPage(page);
        ASSERT_EQ(pane().Text(), page) << "iteration " << i;
        expectOnlyWindowColours(i, page);
        if (i % 10 == 0) ASSERT_EQ(colourPage(page), first) << "iteration " << i;

        const int caret = random.below(int(page.size()) + 1);
        const int length = random.below(int(page.size()) - caret + 1);
        const ParseRange range = ranges[random.below(4)];
        select(pane(), caret, length);
        dialogs.asked.clear();
        const int unknown = parseTags(*window, range);
        ASSERT_GE(unknown, 0);
        ASSERT_EQ(pane().Text(), page) << "iteration " << i;
        ASSERT_EQ(pane().SelStart(), caret) << "iteration " << i;
        if (i % 10 == 0) {
            select(pane(), caret, length);
            ASSERT_EQ(parseTags(*window, range), unknown) << "iteration " << i;
        }
    }
}

TEST_F(HtmlRandomTest, RecolouringAfterRandomEditsKeepsTheEditedText) {
    RandomText random(7);
    QClipboard* clipboard = QApplication::clipboard();
    for (int round = 0; round < 2000; ++round) {
        QByteArray model = random.pieces(htmlPieces, 20);
        colourPage(model);
        // A page whose lines all end in LF gets LF where the program writes CR LF.
        const bool unixLines = model.contains('\n') && !model.contains("\r\n");
        for (int e = 0; e < 10; ++e) {
            const int at = random.below(int(model.size()) + 1);
            const int cut = random.below(std::min<int>(6, int(model.size()) - at) + 1);
            const QByteArray piece = random.pieces(htmlPieces, 3);
            select(pane(), at, cut);
            if (random.chance(20)) {
                // A paste may write its line ends as CR LF: only the text around it is known.
                clipboard->setText(QString::fromUtf8(piece));
                window->pasteFromClipboard();
                const QByteArray after = pane().Text();
                ASSERT_TRUE(after.startsWith(model.left(at)) &&
                            after.endsWith(model.mid(at + cut)))
                    << "round " << round << " paste " << e;
                model = after;
            } else {
                pane().SetSelText(QString::fromUtf8(piece));
                QByteArray written = QString::fromUtf8(piece).toUtf8();
                if (unixLines) written.replace("\r\n", "\n");
                model.replace(at, cut, written);
            }
            ASSERT_EQ(pane().Text(), model) << "round " << round << " edit " << e;
            ASSERT_LE(pane().SelStart() + pane().SelLength(), pane().TextLength());
            expectOnlyWindowColours(round, model);
            if (HasFailure()) return;
        }
    }
}
