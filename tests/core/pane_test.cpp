// The panes: what every pane does whichever component stands behind it, what only the code
// pane does (files, CR LF, hiding, styles, the line-number margin, accessibility), tag
// insertion into a window and the window's undo history.
#include <QAccessible>
#include <QAction>
#include <QTemporaryDir>
#include <optional>
#include <sstream>

#include <Qsci/qsciscintilla.h>

#include "core/coloured_insertion.h"
#include "core/rich_text_pane.h"
#include "core/scintilla_accessibility.h"
#include "hardening/random_text.h"
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
    int changesWhileBusy = 0;
    std::vector<int> keysPressed;
    int replaceWith = -1;  // KeyPress answer: -1 leaves the key alone

    void Change() override {
        ++changes;
        if (busy && *busy) ++changesWhileBusy;
    }
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

// What a pane holds, as a string with a colour and a weight per character, under the rich-edit
// rules written out plainly: new text looks like the attributes set on an empty selection, else
// like the first selected character, else like the character before the caret.
using Look = std::pair<Rgb, bool>;  // colour, bold

struct PaneModel {
    std::string text;
    std::vector<Look> looks;
    int start = 0;
    int length = 0;
    std::optional<Look> pending;  // set on an empty selection, until the selection moves
    int edits = 0;

    int n() const { return int(text.size()); }
    Look insertion() const {
        if (pending) return *pending;
        if (length > 0 || (start == 0 && n() > 0)) return looks[start];
        return start > 0 ? looks[start - 1] : Look{Black, false};
    }
    void place(int from, int size) {
        from = std::clamp(from, 0, n());
        size = std::clamp(size, 0, n() - from);
        if (from != start || size != length) pending.reset();
        start = from;
        length = size;
    }
    void replace(const std::string& s) {
        const Look look = insertion();
        edits += length > 0 || !s.empty();
        text.replace(start, length, s);
        looks.erase(looks.begin() + start, looks.begin() + start + length);
        looks.insert(looks.begin() + start, s.size(), look);
        place(start + int(s.size()), 0);
        pending.reset();
    }
    void restyle(bool colour, Rgb value) {
        const auto set = [&](Look& look) {
            if (colour) look.first = value;
            else look.second = value != 0;
        };
        if (length == 0) set(pending.emplace(insertion()));
        for (int i = start; i < start + length; ++i) set(looks[i]);
    }
    int find(const std::string& needle, int from, int end, int options) {
        const int size = int(needle.size());
        const int limit = end < 0 ? n() : std::min(end, n());
        const auto word = [&](int i) { return i >= 0 && i < n() && std::isalnum(text[i]); };
        for (int i = std::max(from, 0); size > 0 && i + size <= limit; ++i) {
            bool match = !(options & FindWholeWord) || (!word(i - 1) && !word(i + size));
            const auto fold = [options](char c) {
                return options & FindMatchCase ? c : std::tolower(c);
            };
            for (int k = 0; k < size; ++k) match = match && fold(text[i + k]) == fold(needle[k]);
            if (!match) continue;
            if (!(options & FindNoHighlight)) place(i, size);
            return i;
        }
        return -1;
    }
    void upTo(const std::string& set, bool forward, bool negate) {
        const auto stops = [&](int i) { return (set.find(text[i]) != std::string::npos) != negate; };
        int pos = forward ? start + length : start;
        while (forward ? pos < n() && !stops(pos) : pos > 0 && !stops(pos - 1))
            pos += forward ? 1 : -1;
        place(pos, 0);
    }
};

// Selections, insertions, typing (through KeyPress), Delete, colour and bold, Find and UpTo at
// random on each pane, against the model. An edit raises one Change before it returns; nothing
// else raises any.
TYPED_TEST(EditorPaneTest, RandomOperationsMatchAPlainStringModel) {
    EditorPane& pane = *this->pane;
    const std::string alphabet = "abAB 1<>.";
    const Rgb colours[] = {Black, Red, Blue, makeRgb(0, 128, 0)};
    for (unsigned seed = 1; seed <= 30; ++seed) {
        RandomText random(seed);
        const auto piece = [&](int most) {
            std::string s;
            for (int i = random.below(most + 1); i > 0; --i) s += alphabet[random.below(9)];
            return s;
        };
        pane.SetText("");
        PaneModel model;
        std::ostringstream log;
        for (int step = 0; step < 150 && !this->HasFailure(); ++step) {
            const int at = random.below(model.n() + 1);
            const int changes = this->events.changes - model.edits;
            switch (random.below(8)) {
            case 0: {
                const int length = random.below(model.n() - at + 2);
                log << "select " << at << "+" << length << "; ";
                select(pane, at, length);
                model.place(at, 0);
                model.place(at, length);
                break;
            }
            case 1: {
                const std::string s = piece(4) + "x";
                log << "insert " << s << "; ";
                pane.SetSelText(QString::fromStdString(s));
                model.replace(s);
                break;
            }
            case 2: {
                // KeyPress sees the key, and may type another instead or swallow it.
                const char c = alphabet[random.below(9)];
                const int instead =
                    random.chance(20) ? alphabet[random.below(9)] : random.chance(10) ? 0 : -1;
                log << "type " << c << " as " << instead << "; ";
                pane.SetSelLength(0);
                model.place(model.start, 0);
                this->events.replaceWith = instead;
                typeKeys(pane.widget(), QString(QChar(c)));
                EXPECT_EQ(this->events.keysPressed.back(), c) << log.str();
                if (instead != 0) model.replace(std::string(1, instead < 0 ? c : char(instead)));
                break;
            }
            case 3:
                log << "delete; ";
                QTest::keyClick(pane.widget(), Qt::Key_Delete);
                // At the end of the text it deletes nothing, and a look set stays.
                model.place(model.start, std::max(model.length, 1));
                if (model.length > 0) model.replace("");
                break;
            case 4:
            case 5: {
                const bool colour = random.chance(50);
                const Rgb value = colour ? colours[random.below(4)] : random.below(2);
                log << (colour ? "colour " : "bold ") << value << "; ";
                if (colour) pane.SetSelColor(value);
                else pane.SetSelBold(value);
                model.restyle(colour, value);
                break;
            }
            case 6: {
                const int options = random.below(16) & ~1;
                std::string needle = options & FindWholeWord ? std::string(1 + random.below(2), 'a')
                                                             : model.text.substr(at, random.below(4));
                if (!(options & FindWholeWord) && random.chance(30)) needle = piece(2);
                const int from = random.below(model.n() + 2) - 1;
                const int end = random.below(model.n() + 3) - 1;
                log << "find " << needle << " " << from << ".." << end << " options " << options
                    << "; ";
                EXPECT_EQ(pane.Find(QString::fromStdString(needle), from, end, options),
                          model.find(needle, from, end, options)) << log.str();
                break;
            }
            default: {
                const std::string set = piece(3);
                const bool forward = random.chance(50);
                const bool negate = random.chance(30);
                log << "up to " << set << (forward ? " forward" : " back") << (negate ? " not" : "")
                    << "; ";
                pane.UpTo(QByteArray::fromStdString(set), forward, negate);
                model.upTo(set, forward, negate);
                break;
            }
            }
            ASSERT_EQ(pane.Text().toStdString(), model.text) << "seed " << seed << ": " << log.str();
            EXPECT_EQ(this->events.changes - model.edits, changes) << log.str();
            ASSERT_EQ(sel(pane), std::pair(model.start, model.length)) << log.str();
            ASSERT_EQ(Look(pane.SelColor(), pane.SelBold()), model.insertion()) << log.str();
        }
    }
}

// Lines end at CR LF (a code pane keeps both bytes, a document one break).
TYPED_TEST(EditorPaneTest, Lines) {
    EditorPane& pane = *this->pane;
    pane.SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(pane.lineCount(), 3);
    const QByteArray text = pane.Text();
    EXPECT_EQ(pane.lineIndex(2), text.indexOf("three"));
    EXPECT_EQ(pane.lineIndex(3), -1);
    EXPECT_EQ(pane.GetLineFromChar(text.indexOf("wo")), 1);
}

// The mouse reaches the component behind the pane: a click places the caret, a double click
// selects a word.
TYPED_TEST(EditorPaneTest, MouseClicksPlaceTheCaretAndSelect) {
    EditorPane& pane = *this->pane;
    QWidget* widget = pane.widget();
    widget->resize(400, 300);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    pane.SetText("alpha beta gamma");
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(widget)->viewport();
    // Finding a point moves the caret there, so they are all found first.
    const QPoint beforeT = pointBefore(pane, 8);  // be|ta
    const QPoint inGamma = (pointBefore(pane, 12) + pointBefore(pane, 13)) / 2;

    pane.SetSelStart(0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, beforeT);
    EXPECT_EQ(sel(pane), std::pair(8, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, inGamma);
    EXPECT_EQ(sel(pane), std::pair(11, 5));
}

// A failed load keeps the text and a failed save the old file. (Encodings and text they cannot
// hold: tests/html.)
TEST(ScintillaPaneFiles, FailuresChangeNothing) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.html");
    ASSERT_TRUE(TestEnvironment::writeFile(old, "old"));
    ScintillaPane pane;
    pane.SetText("kept");
    QString error;
    EXPECT_FALSE(pane.LoadFile(dir.filePath("missing.html"), FilePlainText, &error));
    EXPECT_TRUE(error.contains("missing.html"));
    EXPECT_EQ(pane.Text(), QByteArray("kept"));
    // A path below a plain file cannot be written, even by root.
    error.clear();
    EXPECT_FALSE(pane.SaveFile(old + "/inner.html", FilePlainText, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(old), "old");
}

// Enter types CR LF, and the window's shortcuts win over the pane's own keys.
TEST(ScintillaPaneLook, EnterAndShortcuts) {
    QWidget window;
    ScintillaPane pane(&window);
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

// On pages with random bold, coloured and struck-through stretches, the pane's own colouring
// of runs (a stretch in one colour with runs of others over it) gives what colouring each run
// in turn gives, and any change is noticed.
TEST(ScintillaPaneStyles, ColourRunsMatchColouringEachRunInTurn) {
    const Rgb colours[] = {makeRgb(10, 10, 10), Blue, Red, makeRgb(0, 120, 0)};
    for (unsigned seed = 1; seed <= 15; ++seed) {
        RandomText random(seed);
        ScintillaPane quick;
        ScintillaPane stepwise;
        for (ScintillaPane* pane : {&quick, &stepwise})
            pane->SetText(QByteArray("<p class=\"x\">some words here</p>\r\n").repeated(6));
        for (int mark = 0; mark < 4; ++mark) {
            const int from = random.below(200);
            const int length = random.below(40);
            const Rgb colour = colours[random.below(4)];
            const bool bold = random.chance(50);
            const bool strike = random.chance(40);
            for (ScintillaPane* pane : {&quick, &stepwise}) {
                select(*pane, from, length);
                pane->SetSelColor(colour);
                pane->SetSelBold(bold);
                pane->SetSelStrikeThru(strike);
            }
        }
        std::vector<ColourRun> runs;
        for (int round = 0; round < 3; ++round) {
            if (runs.empty() || random.chance(60)) {
                const int from = random.below(100);
                runs = {{from, from + random.below(110), colours[random.below(4)]}};
                for (int at = from + random.below(10); at < runs[0].to; at += random.below(10)) {
                    const int to = std::min(runs[0].to, at + 1 + random.below(20));
                    runs.push_back({at, to, colours[random.below(4)]});
                    at = runs.back().to;
                }
            }
            const QByteArray before = quick.Snapshot().attributes;
            quick.markUnchanged();
            quick.colourRuns(runs);
            stepwise.EditorPane::colourRuns(runs);
            const PaneSnapshot a = quick.Snapshot();
            const PaneSnapshot b = stepwise.Snapshot();
            ASSERT_EQ(a.attributes, b.attributes) << "seed " << seed << " round " << round;
            EXPECT_EQ(std::pair(a.selStart, a.selLength), std::pair(b.selStart, b.selLength));
            EXPECT_TRUE(quick.changesSinceMark().any || a.attributes == before);
            EXPECT_EQ(strikeLine(quick), strikeLine(stepwise)) << "seed " << seed;
        }
    }
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

    EXPECT_FALSE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask() & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);

    QAccessible::setActive(true);
    EXPECT_TRUE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask(), long(Sci::SC_MODEVENTMASKALL));
    QTest::keyClick(pane.widget(), Qt::Key_X);
    EXPECT_EQ(events.changes, 2);  // SetText, then the key: each counted once
    QAccessible::setActive(false);
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

// An insertion raises its pane events while insertBusy is up, so that nothing recolours in
// between, and refreshes the preview once. (What each template writes: tests/tags.)
TEST_F(WindowTest, InsertionRaisesItsEventsWhileBusyAndRefreshesThePreviewOnce) {
    EditorPane& pane = make(KindHtml, true).pane();
    insertWrapped(*window, {"<b>", "Bold Text", "</b>", CharStyle::Bold});
    EXPECT_EQ(pane.Text(), QByteArray("<b>Bold Text</b>"));
    EXPECT_GT(events.changes, 0);
    EXPECT_EQ(events.changes, events.changesWhileBusy);
    EXPECT_EQ(window->previews, 1);
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

}  // namespace
