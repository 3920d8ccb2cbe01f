// What only the code pane does: files, line breaks typed as CR LF, hiding without leaving
// the layout.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <Qsci/qsciscintilla.h>

#include "core/scintilla_pane.h"
#include "pane_test_support.h"

namespace {
using TestEnvironment::readFile;

void writeAll(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(TestEnvironment::writeFile(path, bytes));
}

TEST(ScintillaPaneFiles, TextTheFilesEncodingCannotHoldIsNeverWritten) {
    QTemporaryDir dir;
    const QByteArray western("caf\xe9 na\xefve \x80\r\n");
    writeAll(dir.filePath("old.html"), western);
    ScintillaPane pane;
    ASSERT_TRUE(pane.LoadFile(dir.filePath("old.html"), FilePlainText));
    EXPECT_EQ(pane.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(pane.Find("na", 0), 6);  // byte offsets of the UTF-8 text: the e acute is two

    pane.SetSelStart(0);
    pane.SetSelText(QStringLiteral("\u2192"));
    EXPECT_EQ(pane.firstUnencodable(), QStringLiteral("\u2192"));
    QString error;
    EXPECT_FALSE(pane.SaveFile(dir.filePath("old.html"), FilePlainText, &error));
    EXPECT_TRUE(error.contains("U+2192") && error.contains("Windows-1252")) << error.toStdString();
    EXPECT_EQ(readFile(dir.filePath("old.html")), western);
}

TEST(ScintillaPaneFiles, FailuresReportAndChangeNothing) {
    QTemporaryDir dir;
    writeAll(dir.filePath("page.html"), "<p>old</p>");
    ScintillaPane pane;
    pane.SetText("kept");
    QString error;
    EXPECT_FALSE(pane.LoadFile(dir.filePath("missing.html"), FilePlainText, &error));
    EXPECT_TRUE(error.contains("missing.html"));
    EXPECT_EQ(pane.Text(), QByteArray("kept"));

    // A path below a plain file cannot be written, even by root.
    error.clear();
    EXPECT_FALSE(pane.SaveFile(dir.filePath("page.html/inner.html"), FilePlainText, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(dir.filePath("page.html")), QByteArray("<p>old</p>"));
}

TEST(ScintillaPaneTyping, EnterTypesCrLfAndShortcutsWinOverThePane) {
    QWidget window;
    ScintillaPane pane(&window);
    int pastes = 0;
    auto* paste = new QAction(&window);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(paste, &QAction::triggered, [&] { ++pastes; });
    window.addAction(paste);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    pane.SetText("ab");
    pane.SetSelStart(1);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.Text(), QByteArray("a\r\nb"));
    EXPECT_EQ(pane.SelStart(), 3);
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);  // not Scintilla's undo
    EXPECT_EQ(pane.Text(), QByteArray("a\r\nb"));
    QTest::keyClick(pane.widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pastes, 1);
    QTest::keyClick(pane.widget(), Qt::Key_Backspace);
    EXPECT_EQ(pane.Text(), QByteArray("ab"));
}

TEST(ScintillaPaneLook, HiddenPaneStaysInItsLayoutAndKeepsWorking) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    ScintillaPane pane(&window);
    layout->addWidget(pane.widget());
    window.resize(300, 200);
    window.show();
    pane.SetText("<a>\r\n<b>");
    pane.SetVisible(false);
    EXPECT_FALSE(pane.Visible());
    EXPECT_TRUE(pane.widget()->isVisible());
    EXPECT_EQ(layout->indexOf(pane.widget()), 0);
    pane.SetSelStart(5);
    pane.SetSelLength(3);
    pane.SetSelStrikeThru(true);
    pane.SetVisible(true);
    EXPECT_TRUE(pane.SelStrikeThru());
    const QRect caret = pane.caretRect();  // on the second line
    EXPECT_GE(caret.top(), caret.height());
    EXPECT_LT(caret.top(), 2 * caret.height());
}

// A page of tags and text with bold, italic and struck-through stretches in several colours.
void prepareStyledPage(ScintillaPane& pane) {
    QByteArray text;
    for (int i = 0; i < 12; ++i) text += "<p class=\"x\">some words here</p>\r\n";
    pane.SetText(text);
    const struct {
        int from, length;
        Rgb colour;
        bool bold, strike;
    } marks[] = {{5, 40, makeRgb(200, 0, 0), true, false},
                 {60, 30, makeRgb(0, 0, 200), false, false},
                 {150, 20, makeRgb(0, 120, 0), false, true}};
    for (const auto& mark : marks) {
        pane.SetSelStart(mark.from);
        pane.SetSelLength(mark.length);
        pane.SetSelColor(mark.colour);
        pane.SetSelBold(mark.bold);
        pane.SetSelStrikeThru(mark.strike);
    }
}

// The strike-through line's colour at every position (the pane draws it as an indicator).
std::vector<long> strikeLine(ScintillaPane& pane) {
    std::vector<long> values;
    for (int pos = 0; pos < pane.TextLength(); ++pos) {
        long value = 0;
        for (int indicator = 0; indicator <= QsciScintillaBase::INDIC_MAX; ++indicator)
            value += pane.scintilla()->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                                                     indicator, pos);
        values.push_back(value);
    }
    return values;
}
}  // namespace

TEST(ScintillaPaneStyles, ColourRunsMatchColouringEachRunInTurn) {
    const Rgb text = makeRgb(10, 10, 10);
    const Rgb tag = makeRgb(0, 0, 255);
    const std::vector<std::vector<ColourRun>> cases = {
        // A stretch coloured as text with tags over it, across bold and plain bytes.
        {{0, 120, text}, {0, 13, tag}, {28, 32, tag}, {60, 90, makeRgb(1, 2, 3)}},
        // Runs over struck-through bytes, whose line follows each run's colour.
        {{140, 200, text}, {150, 160, tag}},
        // Nothing to change: the stretch already has these colours.
        {{0, 120, text}, {0, 13, tag}}};
    ScintillaPane quick;
    ScintillaPane stepwise;
    prepareStyledPage(quick);
    prepareStyledPage(stepwise);
    for (const auto& runs : cases) {
        quick.markUnchanged();
        stepwise.markUnchanged();
        quick.colourRuns(runs);
        stepwise.EditorPane::colourRuns(runs);
        const PaneSnapshot a = quick.Snapshot();
        const PaneSnapshot b = stepwise.Snapshot();
        EXPECT_EQ(a.attributes, b.attributes);
        EXPECT_EQ(a.selStart, b.selStart);
        EXPECT_EQ(a.selLength, b.selLength);
        EXPECT_EQ(quick.changesSinceMark().any, stepwise.changesSinceMark().any);
        EXPECT_EQ(strikeLine(quick), strikeLine(stepwise));
    }
    EXPECT_EQ(coloursOf(quick)[5], tag);
}

TEST(ScintillaPaneStyles, FontOfALongStretchChangesOnlyBytesThatDiffer) {
    ScintillaPane pane;
    pane.SetText(QByteArray(100000, 'a'));
    pane.SetBaseFont(QStringLiteral("Serif"), 12);
    pane.SelectAll();
    pane.markUnchanged();
    pane.SetSelFontName(QStringLiteral("Serif"));
    pane.SetSelFontSize(12);
    EXPECT_FALSE(pane.changesSinceMark().any);

    // Two styles that come to look alike: the later one's bytes take the first one's style.
    pane.SetSelStart(10);
    pane.SetSelLength(10);
    pane.SetSelFontName(QStringLiteral("Sans"));
    pane.SetBaseFont(QStringLiteral("Serif"), 12);
    pane.SelectAll();
    pane.markUnchanged();
    pane.SetSelFontName(QStringLiteral("Serif"));
    EXPECT_TRUE(pane.changesSinceMark().any);
    const QByteArray styles = pane.Snapshot().attributes;
    EXPECT_EQ(styles.count(styles[0]), styles.size());

    pane.SetSelFontName(QStringLiteral("Sans"));
    pane.SetSelStart(500);
    pane.SetSelLength(1);
    EXPECT_EQ(pane.SelFontName(), QStringLiteral("Sans"));
}
