#include <QApplication>
#include <cstring>
#include <random>
#include <QComboBox>
#include <QCheckBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTimer>

#include "core/delayed_progress.h"
#include "core/undo_ring.h"
#include "search/find_dialog.h"
#include "search/search_commands.h"
#include "support/editor_fixture.h"

namespace {
// Every kind of window gets the same dialog behaviour.
class FindTest : public EditorFixture, public ::testing::WithParamInterface<WindowKind> {
protected:
    FindTest() { registerSearchCommands(app); }

    FindDialog* dialog() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<FindDialog*>(top); found && found->kind() == GetParam())
                return found;
        return nullptr;
    }
    FindDialog& openDialog() {
        commands.run(QStringLiteral("find"));
        return *dialog();
    }
    EditorPane& pane() { return app.currentWindow(GetParam())->pane(); }
    std::pair<int, int> selection() { return {pane().SelStart(), pane().SelLength()}; }
    QString lastMessage() const {
        const AskedQuestion* asked = dialogs.last(QStringLiteral("message"));
        return asked ? asked->title + QLatin1Char('|') + asked->text : QString();
    }
    ~FindTest() override { delete dialog(); }
};

// The selection becomes the text to find and the origin, and the caret goes to the top. All
// (the default) searches from the top; Down from the origin to the end, then (after a failure)
// from the top again; Up from the top, never past the origin, a match at the origin itself
// counting. -1: nothing found, said with the region searched.
TEST_P(FindTest, LoadTakesTheSelectionAndDirectionsBoundTheSearch) {
    EditorWindow& window = open(GetParam(), "ab x ab x ab");
    select(window.pane(), 5, 2);
    FindDialog& find = openDialog();
    EXPECT_EQ("ab", find.tfind->currentText());
    EXPECT_EQ(std::pair(0, 0), selection());
    const struct {
        QRadioButton* FindDialog::*direction;
        int found;
        const char* region;
    } steps[] = {{&FindDialog::Option1, 0, ""},  {&FindDialog::Option1, 5, ""},
                 {&FindDialog::Option1, 10, ""}, {&FindDialog::Option1, -1, "to the end"},
                 {&FindDialog::Option2, 5, ""},  {&FindDialog::Option2, 10, ""},
                 {&FindDialog::Option2, -1, "to the end"}, {&FindDialog::Option2, 0, ""},
                 {&FindDialog::Option3, 0, ""},  {&FindDialog::Option3, 5, ""},
                 {&FindDialog::Option3, -1, "to the caret"}};
    for (const auto& step : steps) {
        if (!(find.*step.direction)->isChecked()) (find.*step.direction)->click();
        find.findnext_Click();
        EXPECT_EQ(find.searchFailed, step.found < 0);
        if (step.found >= 0) {
            EXPECT_EQ(std::pair(step.found, 2), selection());
            continue;
        }
        EXPECT_FALSE(find.isVisible());
        EXPECT_EQ(std::pair(5, 0), selection());  // the caret goes back to where it was
        EXPECT_TRUE(lastMessage().contains(QStringLiteral("last match %1.").arg(step.region)))
            << lastMessage().toStdString();
    }
}

// What Replace All should do, the plain way: every match at or after the end of the previous
// replacement, in the direction's region measured on the text as it was.
struct Reference {
    QString text;
    int count = 0;
};
Reference replaceAllByHand(QString text, const QString& pattern, const QString& with, int mode,
                           int origin, bool wholeWord, bool matchCase, bool counting) {
    const auto wordAt = [&](int i) { return i >= 0 && i < text.size() && text[i].isLetterOrNumber(); };
    Reference done;
    int shift = 0;
    for (int at = 0; (at = text.indexOf(pattern, at, matchCase ? Qt::CaseSensitive
                                                                : Qt::CaseInsensitive)) >= 0;) {
        const int original = at - shift;
        if (mode == 3 && original > origin) break;
        const bool whole = !wordAt(at - 1) && !wordAt(at + int(pattern.size()));
        const bool counts = (whole || !wholeWord) && (mode != 2 || original >= origin);
        done.count += counts;
        if (!counts || counting) {
            ++at;
            continue;
        }
        text.replace(at, pattern.size(), with);
        at += int(with.size());
        shift += int(with.size() - pattern.size());
    }
    done.text = text;
    return done;
}

// Random texts, patterns and replacements (often holding the pattern), every option and
// direction, with nothing, a match or any text selected before: Replace All leaves the text the
// reference does and reports exactly what it did.
TEST_P(FindTest, ReplaceAllMatchesAReferenceSearch) {
    std::mt19937 random(21);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto word = [&](const char* letters, int most) {
        QString made;
        for (int n = 1 + pick(most); n > 0; --n) made += QLatin1Char(letters[pick(int(strlen(letters)))]);
        return made;
    };
    EditorWindow& window = open(GetParam(), "");
    for (int round = 0; round < 150; ++round) {
        const QString text = word("aAb .-", 30);
        const QString pattern = word("aAb", 2);
        const QString with = pick(3) == 0 ? word("xa", 2) + pattern + word("b ", 1) : word("aAx.", 3);
        const int mode = 1 + pick(3);
        const int origin = pick(int(text.size()) + 1);
        const bool wholeWord = pick(2), matchCase = pick(2), counting = pick(5) == 0;
        const int before = pick(3);
        SCOPED_TRACE(QStringLiteral("%1 / %2 / %3 mode %4 origin %5 word %6 case %7 count %8 before %9")
                         .arg(text, pattern, with).arg(mode).arg(origin).arg(wholeWord)
                         .arg(matchCase).arg(counting).arg(before).toStdString());
        app.insertBusy = true;
        window.pane().SetText(text.toLatin1());
        app.insertBusy = false;
        window.pane().SetSelStart(origin);
        FindDialog& find = openDialog();
        find.tfind->setEditText(pattern);
        find.treplace->setEditText(with);
        find.Check1->setChecked(wholeWord);
        find.Check2->setChecked(matchCase);
        find.Check3->setChecked(counting);
        (mode == 1 ? find.Option1 : mode == 2 ? find.Option2 : find.Option3)->click();
        if (before == 1) find.findnext_Click();
        if (before == 2) select(pane(), pick(int(text.size()) + 1), pick(4));
        find.replaceAll_Click();

        const Reference expected =
            replaceAllByHand(text, pattern, with, mode, origin, wholeWord, matchCase, counting);
        EXPECT_EQ(expected.text, QString::fromLatin1(pane().Text()));
        const QString report = counting ? QStringLiteral("|%1 places found; nothing was replaced")
                                        : QStringLiteral("|%1  Results are replaced");
        EXPECT_TRUE(lastMessage().contains(report.arg(expected.count)))
            << lastMessage().toStdString();
        delete dialog();
    }
}

// Cancelled from its progress window, Replace All leaves the text as it was and no undo step.
TEST_P(FindTest, ReplaceAllCancelledLeavesTheTextAsItWas) {
    QByteArray text;
    for (int i = 0; i < 200; ++i) text += "cat dog ";
    EditorWindow& window = open(GetParam(), text);
    window.backup_code();
    const int depth = window.undoRing().undoDepth();
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("cat"));
    find.treplace->setEditText(QStringLiteral("cow"));
    find.Activate();
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(top); progress && progress->isVisible())
                progress->cancel();
    });
    cancel.start(0);
    DelayedProgress::showAfterMs = 0;
    find.replaceAll_Click();
    DelayedProgress::showAfterMs = 500;
    cancel.stop();
    EXPECT_EQ(text, pane().Text());
    EXPECT_EQ(depth, window.undoRing().undoDepth());
}

// Replace replaces whatever is selected, as one undo step, and the follow-up search starts
// after the new text; the dialog works on the last activated window of its kind.
TEST_P(FindTest, ReplaceTakesTheSelectionOfTheLastActivatedWindow) {
    EditorWindow& first = open(GetParam(), "red green");
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("one"));
    find.treplace->setEditText(QStringLiteral("1"));
    EditorWindow& second = open(GetParam(), "one two one");
    second.backup_code();
    select(pane(), 4, 3);  // "two", not a match
    find.replace_Click();
    EXPECT_EQ("one 1 one", second.pane().Text());
    EXPECT_EQ(std::pair(6, 3), selection());
    second.undo_code();
    EXPECT_EQ("one two one", second.pane().Text());
    first.activate();
    find.tfind->setEditText(QStringLiteral("green"));
    find.Option1->click();
    find.findnext_Click();
    EXPECT_EQ(std::pair(4, 5), selection());
    delete &second;
    first.activate();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FindTest,
                         ::testing::Values(KindHtml, KindVbscript, KindJscript, KindJava,
                                           KindDocument),
                         [](const auto& info) { return FindDialog::nameOf(info.param).toStdString(); });
}  // namespace
