// The panes: what every pane does whichever component stands behind it, what only the code
// pane does (files, CR LF, hiding, styles, the line-number margin, accessibility), tag
// insertion into a window and the window's undo history.
#include <QAccessible>
#include <QAction>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <Qsci/qsciscintilla.h>

#include "core/coloured_insertion.h"
#include "core/rich_text_pane.h"
#include "core/scintilla_accessibility.h"
#include "support/editor_fixture.h"

namespace {
using Sci = QsciScintillaBase;
using TestEnvironment::readFile;
constexpr Rgb Red = makeRgb(255, 0, 0);
constexpr Rgb Blue = makeRgb(0, 0, 255);
constexpr Rgb Black = makeRgb(0, 0, 0);

// Records the events and whether an outside flag was raised when each arrived.
class RecordingEvents : public PaneEvents {
public:
    const bool* busy = nullptr;
    int changes = 0;
    int selChanges = 0;
    int changesWhileBusy = 0;
    std::vector<int> keysPressed;
    int replaceWith = -1;  // KeyPress answer: -1 leaves the key alone

    void Change() override {
        ++changes;
        if (busy && *busy) ++changesWhileBusy;
    }
    void SelChange() override { ++selChanges; }
    void KeyPress(int& key) override {
        keysPressed.push_back(key);
        if (replaceWith >= 0) key = replaceWith;
    }
};

void select(EditorPane& pane, int start, int length) {
    pane.SetSelStart(start);
    pane.SetSelLength(length);
}
std::pair<int, int> sel(EditorPane& pane) { return {pane.SelStart(), pane.SelLength()}; }

template <typename Pane>
class EditorPaneTest : public ::testing::Test {
protected:
    EditorPaneTest() : pane(std::make_unique<Pane>()) { pane->setEventHandler(&events); }
    ~EditorPaneTest() override { pane->setEventHandler(nullptr); }
    RecordingEvents events;
    std::unique_ptr<EditorPane> pane;
};

using PaneTypes = ::testing::Types<ScintillaPane, RichTextPane>;
TYPED_TEST_SUITE(EditorPaneTest, PaneTypes);

TYPED_TEST(EditorPaneTest, FindUpToAndLines) {
    EditorPane& pane = *this->pane;
    pane.SetText("Hello world, hello <b>");
    EXPECT_EQ(pane.Find("hello", 0), 0);
    EXPECT_EQ(sel(pane), std::pair(0, 5));
    EXPECT_EQ(pane.Find("hello", 1), 13);
    // No match leaves the selection alone, as does a find without highlight.
    EXPECT_EQ(pane.Find("Hello", 1, -1, FindMatchCase), -1);
    EXPECT_EQ(sel(pane), std::pair(13, 5));
    EXPECT_EQ(pane.Find("<", 0), 19);
    EXPECT_EQ(pane.SelText(), QStringLiteral("<"));
    EXPECT_EQ(pane.Find("<", 20), -1);
    EXPECT_EQ(pane.Find("world", 0, 8), -1);  // the match would end past the end offset
    EXPECT_EQ(pane.Find("world", 0, -1, FindNoHighlight), 6);
    EXPECT_EQ(sel(pane), std::pair(19, 1));
    EXPECT_EQ(pane.Find("", 0), -1);

    pane.SetText("concat cat");
    EXPECT_EQ(pane.Find("cat", 0), 3);
    EXPECT_EQ(pane.Find("cat", 0, -1, FindWholeWord), 7);
    EXPECT_EQ(pane.Find("CAT", 0, -1, FindWholeWord | FindMatchCase), -1);

    // UpTo stops before the character or at the ends.
    pane.SetText("<abc def>xyz");
    const struct {
        int from;
        const char* chars;
        bool forward;
        int to;
        bool negate = false;
    } moves[] = {
        {1, " >", true, 4}, {4, "<", true, 12},  // no "<" ahead: the end of the text
        {12, "<>", false, 9},                    // just after the ">"
        {3, "#", false, 0}, {0, "<abc", true, 4, true},
    };
    for (const auto& m : moves) {
        pane.SetSelStart(m.from);
        pane.UpTo(m.chars, m.forward, m.negate);
        EXPECT_EQ(pane.SelStart(), m.to) << m.from << " " << m.chars;
    }

    pane.SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(pane.lineCount(), 3);
    const QByteArray text = pane.Text();  // a code pane keeps CR LF, a document one break
    EXPECT_EQ(pane.lineIndex(1), text.indexOf("two"));
    EXPECT_EQ(pane.lineIndex(2), text.indexOf("three"));
    EXPECT_EQ(pane.lineIndex(3), -1);
    EXPECT_EQ(pane.GetLineFromChar(text.indexOf("wo")), 1);
    EXPECT_EQ(pane.Find("three", 0), text.indexOf("three"));
}

TYPED_TEST(EditorPaneTest, InsertionAndTypingTakeTheColourBeforeThem) {
    EditorPane& pane = *this->pane;
    bool busy = true;
    this->events.busy = &busy;
    pane.SetSelColor(Red);
    pane.SetSelText("<b>");
    pane.SetSelColor(Blue);
    pane.SetSelText("x");
    busy = false;
    EXPECT_EQ(pane.Text(), QByteArray("<b>x"));
    EXPECT_EQ(sel(pane), std::pair(4, 0));
    EXPECT_EQ(colourLetters(pane, {{Red, 'R'}, {Blue, 'B'}}), "RRRB");
    EXPECT_EQ(this->events.changesWhileBusy, 2);  // raised inside each insertion
    EXPECT_GE(this->events.selChanges, 2);

    // Replacing a selection: the new text takes the colour of what it replaces.
    select(pane, 1, 1);
    pane.SetSelText("i");
    EXPECT_EQ(colourAt(pane, 1), Red);

    // A key typed: the colour before it, and KeyPress may change or swallow the key.
    pane.SetText("ab");
    pane.SelectAll();
    pane.SetSelColor(Blue);
    select(pane, 0, 1);
    pane.SetSelColor(Red);
    pane.SetSelStart(1);
    this->events.keysPressed.clear();
    QTest::keyClick(pane.widget(), Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("axb"));
    EXPECT_EQ(colourAt(pane, 1), Red);
    EXPECT_EQ(colourAt(pane, 2), Blue);
    this->events.replaceWith = 'y';
    QTest::keyClick(pane.widget(), Qt::Key_Z);
    this->events.replaceWith = 0;
    QTest::keyClick(pane.widget(), Qt::Key_Q);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.Text(), QByteArray("axyb"));
    EXPECT_EQ(this->events.keysPressed, (std::vector<int>{'x', 'z', 'q', 13}));
}

TYPED_TEST(EditorPaneTest, CharacterStylesBelongToTheSelection) {
    EditorPane& pane = *this->pane;
    pane.SetText("plain bold");
    select(pane, 6, 4);
    pane.SetSelBold(true);
    pane.SetSelItalic(true);
    EXPECT_TRUE(pane.SelBold());
    select(pane, 2, 1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_FALSE(pane.SelItalic());
    pane.SetSelStart(10);
    EXPECT_TRUE(pane.SelBold());  // the caret takes the character before it
    pane.SetSelBold(false);
    pane.SetSelText("!");
    select(pane, 10, 1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_TRUE(pane.SelItalic());
}

TYPED_TEST(EditorPaneTest, SnapshotRestoresTextColoursAndSelection) {
    EditorPane& pane = *this->pane;
    pane.SetText("abcdef");
    select(pane, 2, 2);
    pane.SetSelColor(Red);
    const PaneSnapshot before = pane.Snapshot();
    pane.markUnchanged();
    EXPECT_FALSE(pane.changesSinceMark().any);

    pane.SetSelStart(4);
    pane.SetSelText("XY");
    const PaneChanges changes = pane.changesSinceMark();
    EXPECT_TRUE(changes.any);
    EXPECT_EQ(changes.head, 4);
    EXPECT_EQ(changes.tail, 2);

    pane.Restore(before);
    EXPECT_EQ(pane.Text(), QByteArray("abcdef"));
    EXPECT_EQ(colourAt(pane, 3), Red);
    EXPECT_EQ(colourAt(pane, 4), Black);
    EXPECT_EQ(sel(pane), std::pair(2, 2));
}

// The mouse reaches the component behind the pane: a click places the caret, a double click
// selects a word, a drag and a Shift+click select.
TYPED_TEST(EditorPaneTest, MouseClicksPlaceTheCaretAndSelect) {
    EditorPane& pane = *this->pane;
    QWidget* widget = pane.widget();
    widget->resize(400, 300);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    pane.SetText("alpha beta gamma");
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(widget)->viewport();
    const QPoint beforeT = pointBefore(pane, 8);  // be|ta
    const QPoint inGamma = (pointBefore(pane, 12) + pointBefore(pane, 13)) / 2;
    const QPoint start = pointBefore(pane, 0);
    const QPoint afterAlpha = pointBefore(pane, 5);
    const QPoint afterBeta = pointBefore(pane, 10);

    pane.SetSelStart(0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, beforeT);
    EXPECT_EQ(sel(pane), std::pair(8, 0));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("alpha bexta gamma"));
    pane.SetText("alpha beta gamma");

    QTest::mouseClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, inGamma);
    EXPECT_EQ(sel(pane), std::pair(11, 5));

    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, (start + afterAlpha) / 2);
    QTest::mouseMove(viewport, afterAlpha);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, afterAlpha);
    EXPECT_EQ(sel(pane), std::pair(0, 5));

    QTest::mouseClick(viewport, Qt::LeftButton, {}, start);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, afterBeta);
    EXPECT_EQ(pane.SelText(), QStringLiteral("alpha beta"));
}

TEST(ScintillaPaneFiles, TextTheFilesEncodingCannotHoldIsNeverWrittenAndFailuresChangeNothing) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.html");
    const QByteArray western("caf\xe9 na\xefve \x80\r\n");
    ASSERT_TRUE(TestEnvironment::writeFile(old, western));
    ScintillaPane pane;
    ASSERT_TRUE(pane.LoadFile(old, FilePlainText));
    EXPECT_EQ(pane.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(pane.Find("na", 0), 6);  // byte offsets of the UTF-8 text: the e acute is two

    pane.SetSelStart(0);
    pane.SetSelText(QStringLiteral("\u2192"));
    EXPECT_EQ(pane.firstUnencodable(), QStringLiteral("\u2192"));
    QString error;
    EXPECT_FALSE(pane.SaveFile(old, FilePlainText, &error));
    EXPECT_TRUE(error.contains("U+2192") && error.contains("Windows-1252")) << error.toStdString();
    EXPECT_EQ(readFile(old), western);

    pane.SetText("kept");
    EXPECT_FALSE(pane.LoadFile(dir.filePath("missing.html"), FilePlainText, &error));
    EXPECT_TRUE(error.contains("missing.html"));
    EXPECT_EQ(pane.Text(), QByteArray("kept"));
    // A path below a plain file cannot be written, even by root.
    error.clear();
    EXPECT_FALSE(pane.SaveFile(old + "/inner.html", FilePlainText, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(old), western);
}

// Enter types CR LF, the window's shortcuts win over the pane's own keys, and a hidden pane
// stays in its layout and keeps working.
TEST(ScintillaPaneLook, EnterShortcutsAndHiding) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    ScintillaPane pane(&window);
    layout->addWidget(pane.widget());
    int pastes = 0;
    auto* paste = new QAction(&window);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(paste, &QAction::triggered, [&] { ++pastes; });
    window.addAction(paste);
    window.resize(300, 200);
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

    pane.SetText("<a>\r\n<b>");
    pane.SetVisible(false);
    EXPECT_FALSE(pane.Visible());
    EXPECT_TRUE(pane.widget()->isVisible());
    EXPECT_EQ(layout->indexOf(pane.widget()), 0);
    select(pane, 5, 3);
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
        select(pane, mark.from, mark.length);
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
        for (int indicator = 0; indicator <= Sci::INDIC_MAX; ++indicator)
            value += pane.scintilla()->SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, pos);
        values.push_back(value);
    }
    return values;
}

TEST(ScintillaPaneStyles, ColourRunsMatchColouringEachRunInTurn) {
    const Rgb text = makeRgb(10, 10, 10);
    const std::vector<std::vector<ColourRun>> cases = {
        // A stretch coloured as text with tags over it, across bold and plain bytes.
        {{0, 120, text}, {0, 13, Blue}, {28, 32, Blue}, {60, 90, makeRgb(1, 2, 3)}},
        // Runs over struck-through bytes, whose line follows each run's colour.
        {{140, 200, text}, {150, 160, Blue}},
        // Nothing to change: the stretch already has these colours.
        {{0, 120, text}, {0, 13, Blue}}};
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
    EXPECT_EQ(colourAt(quick, 5), Blue);
}

TEST(ScintillaPaneStyles, FontOfALongStretchChangesOnlyBytesThatDiffer) {
    ScintillaPane pane;
    pane.SetText(QByteArray(98, 'a').append("\r\n").repeated(1000));  // lines short of striping
    pane.SetBaseFont(QStringLiteral("Serif"), 12);
    pane.SelectAll();
    pane.markUnchanged();
    pane.SetSelFontName(QStringLiteral("Serif"));
    pane.SetSelFontSize(12);
    EXPECT_FALSE(pane.changesSinceMark().any);

    // Two styles that come to look alike: the later one's bytes take the first one's style.
    select(pane, 10, 10);
    pane.SetSelFontName(QStringLiteral("Sans"));
    pane.SetBaseFont(QStringLiteral("Serif"), 12);
    pane.SelectAll();
    pane.markUnchanged();
    pane.SetSelFontName(QStringLiteral("Serif"));
    EXPECT_TRUE(pane.changesSinceMark().any);
    const QByteArray styles = pane.Snapshot().attributes;
    EXPECT_EQ(styles.count(styles[0]), styles.size());

    pane.SetSelFontName(QStringLiteral("Sans"));
    select(pane, 500, 1);
    EXPECT_EQ(pane.SelFontName(), QStringLiteral("Sans"));
}

// The line-number margin has room for the number of the last line.
TEST(ScintillaPaneMargin, WidensForSixAndSevenDigitLineNumbers) {
    ScintillaPane pane;
    QsciScintilla* sci = pane.scintilla();
    const auto margin = [&] { return sci->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0L); };
    const auto widthOf = [&](const char* text) {
        return sci->SendScintilla(Sci::SCI_TEXTWIDTH, uintptr_t(Sci::STYLE_LINENUMBER), text);
    };
    pane.SetLineNumbersVisible(true);
    pane.SetText("<p>\r\n</p>");
    const long fiveDigits = margin();
    EXPECT_GE(fiveDigits, widthOf("99999"));
    pane.SetText(QByteArray("<br>\r\n").repeated(150000));  // line 150001
    EXPECT_GE(margin(), widthOf("_999999"));
    pane.SetSelStart(pane.TextLength());
    pane.SetSelText(QString("\r\n").repeated(900000));  // typed or pasted: line 1050001
    EXPECT_GE(margin(), widthOf("_9999999"));
    pane.SetText("<p>");
    EXPECT_EQ(margin(), fiveDigits);
    pane.SetLineNumbersVisible(false);
    EXPECT_EQ(margin(), 0);
}

// QScintilla's character counting for assistive technology stays out of every keystroke while
// no accessibility client listens, and comes back when one turns up.
TEST(ScintillaPaneAccessibility, CountsCharactersOnlyWhileAClientListens) {
    const auto hasTextInterface = [](QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible && accessible->textInterface();
    };
    QWidget window;
    ScintillaPane pane(&window);
    const auto modEventMask = [&] {
        return pane.scintilla()->SendScintilla(Sci::SCI_GETMODEVENTMASK);
    };
    RecordingEvents events;
    pane.setEventHandler(&events);
    window.show();
    pane.SetText("<p>one</p>");
    pane.SetSelStart(6);

    EXPECT_FALSE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask() & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);
    // A bare editor keeps QScintilla's own text interface.
    QsciScintilla bare(&window);
    EXPECT_TRUE(hasTextInterface(&bare));

    QAccessible::setActive(true);
    EXPECT_TRUE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask(), long(Sci::SC_MODEVENTMASKALL));
    QTest::keyClick(pane.widget(), Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("<p>onex</p>"));
    EXPECT_EQ(events.changes, 2);  // SetText, then the key: each counted once

    QAccessible::setActive(false);
    EXPECT_FALSE(hasTextInterface(pane.widget()));
    QTest::keyClick(pane.widget(), Qt::Key_Backspace);
    EXPECT_EQ(pane.Text(), QByteArray("<p>one</p>"));
    EXPECT_EQ(events.changes, 3);
}

// A window of the kind over a code pane, not shown, whose pane events go to a recorder.
class WindowTest : public EditorFixture {
protected:
    WindowTest() { events.busy = &app.insertBusy; }
    ~WindowTest() override { delete window; }
    StubWindow& make(WindowKind kind, bool recordEvents = false) {
        window = new StubWindow(app, kind);
        if (recordEvents) window->pane().setEventHandler(&events);
        window->activate();
        return *window;
    }

    RecordingEvents events;
    StubWindow* window = nullptr;
};

TEST_F(WindowTest, BoldWrapsTheSelectionOrInsertsThePlaceholderSelected) {
    const WrapTemplate bold{"<b>", "Bold Text", "</b>", CharStyle::Bold};
    EditorPane& pane = make(KindHtml, true).pane();
    insertWrapped(*window, bold);
    EXPECT_EQ(pane.Text(), QByteArray("<b>Bold Text</b>"));
    EXPECT_EQ(colours(pane), "GGGTTTTTTTTTGGGG");
    EXPECT_EQ(sel(pane), std::pair(3, 9));
    EXPECT_TRUE(pane.SelBold());
    select(pane, 13, 1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_FALSE(app.insertBusy);
    EXPECT_FALSE(app.keyInsertBusy);
    EXPECT_EQ(events.changes, events.changesWhileBusy);  // no recolouring in between
    EXPECT_EQ(window->previews, 1);
    EXPECT_EQ(window->undoRing().undoDepth(), 1);

    setText(*window, "x abc y");
    window->backup_code();
    select(pane, 2, 3);
    insertWrapped(*window, bold);
    EXPECT_EQ(pane.Text(), QByteArray("x <b>abc</b> y"));
    EXPECT_EQ(pane.SelStart(), 5);
    EXPECT_EQ(pane.SelText(), QStringLiteral("abc"));
    EXPECT_EQ(colours(pane), "OOGGGTTTGGGGOO");
    EXPECT_EQ(window->undoRing().undoDepth(), 3);
}

TEST_F(WindowTest, QuotedValuesStopAtAQuoteWithoutPartner) {
    EditorPane& pane = make(KindHtml).pane();
    pane.SetText("<a b=\"x\" c=\"y>");
    int start = 0;
    int end = pane.TextLength();
    ColourQuotedValues(start, *window, end);
    EXPECT_EQ(colours(pane), "?????PPP??????");
    EXPECT_EQ(pane.SelStart(), end);
    EXPECT_TRUE(pane.Visible());
}

TEST_F(WindowTest, UndoSixtySlotsGiveFiftyNineStepsTheLastBackToTheFirstSnapshot) {
    EditorPane& pane = make(KindVbscript).pane();
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 75; ++i) {
            pane.SetSelText(QString::number(i % 10));
            window->backup_code();
        }
        EXPECT_EQ(window->undoRing().undoDepth(), 59);
        int steps = 0;
        for (; window->undoRing().canUndo(); ++steps) window->undo_code();
        // 58 steps through the ring, the newest being the present state, then the first
        // snapshot kept aside.
        EXPECT_EQ(steps, 59);
        EXPECT_EQ(pane.Text(), QByteArray("0"));
        while (window->undoRing().canRedo()) window->redo_code();
        EXPECT_EQ(pane.Text().size(), 75 * (round + 1));
        EXPECT_LT(window->undoRing().bytesHeld(), size_t(1 << 16));
    }
}

TEST_F(WindowTest, UndoSwitchedOffDoesNothing) {
    EditorPane& pane = make(KindVbscript).pane();
    for (const char* typed : {"a", "b", "c"}) {
        frame.checked["Doundo"] = *typed != 'c';
        pane.SetSelText(typed);
        window->backup_code();
    }
    window->undo_code();
    EXPECT_EQ(pane.Text(), QByteArray("abc"));
    EXPECT_EQ(window->undoRing().undoDepth(), 2);
    frame.checked["Doundo"] = true;
    window->undo_code();
    EXPECT_EQ(pane.Text(), QByteArray("ab"));
}

TEST_F(WindowTest, UndoTakesBackColourChangesAndSnapshotsShareTheirText) {
    EditorPane& pane = make(KindVbscript).pane();
    pane.SetText(QByteArray(100000, 'x'));
    window->backup_code();
    for (int i = 0; i < 60; ++i) {
        select(pane, i * 10, 5);
        pane.SetSelColor(makeRgb(i, 0, 0));
        window->backup_code();
    }
    // Text and styles of the present and of the opened page (pushed out of the ring, so kept
    // aside), and little else.
    EXPECT_LT(window->undoRing().bytesHeld(), size_t(5 * pane.TextLength()));
    window->undo_code();
    EXPECT_EQ(colourAt(pane, 590), Black);
    EXPECT_EQ(colourAt(pane, 580), makeRgb(58, 0, 0));
}

TEST(Colour, ChannelsAndQColorRoundTrip) {
    const Rgb c = makeRgb(18, 52, 86);
    EXPECT_EQ(QColor(RedOf(c), GreenOf(c), BlueOf(c)), QColor(18, 52, 86));
    EXPECT_EQ(toQColor(makeRgb(0, 255, 255)), QColor(0, 255, 255));
    EXPECT_EQ(fromQColor(QColor(255, 0, 255)), makeRgb(255, 0, 255));
}
}  // namespace
