#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "search/find_dialog.h"
#include "search/search_commands.h"
#include "support/editor_fixture.h"

namespace {
// Every kind of window gets the same dialog behaviour; only find_vb's Cancel differs.
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
    QString lastMessage() const {
        const AskedQuestion* asked = dialogs.last(QStringLiteral("message"));
        return asked ? asked->title + QLatin1Char('|') + asked->text : QString();
    }
    ~FindTest() override { delete dialog(); }
};

TEST_P(FindTest, LoadTakesTheSelectionAndStartsFromTheTop) {
    EditorWindow& window = open(GetParam(), "one two one two");
    select(window.pane(), 12, 3);
    FindDialog& find = openDialog();
    EXPECT_EQ(FindDialog::nameOf(GetParam()), find.objectName());
    EXPECT_EQ("two", find.tfind->currentText());
    EXPECT_EQ(12, find.searchOrigin);
    EXPECT_EQ(0, pane().SelStart());
    EXPECT_EQ(0, pane().SelLength());
    find.findnext_Click();
    EXPECT_EQ(4, pane().SelStart());
    EXPECT_EQ(3, pane().SelLength());
    find.findnext_Click();
    EXPECT_EQ(12, pane().SelStart());
    find.findnext_Click();  // nothing further: the caret goes back to where it was
    EXPECT_TRUE(find.searchFailed);
    EXPECT_FALSE(find.isVisible());
    EXPECT_EQ(12, pane().SelStart());
    EXPECT_EQ("No Result Found|Specified text not found in Specified region ", lastMessage());
    EXPECT_TRUE(frame.broughtForward.contains(&window));  // the answer is about its text
}

TEST_P(FindTest, DirectionsBoundTheSearch) {
    EditorWindow& window = open(GetParam(), "ab x ab x ab");
    window.pane().SetSelStart(5);
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("ab"));
    // Down: from the origin to the end, then (after a failure) from the top again. Up: from the
    // top, never past the origin; a match at the origin itself counts. -1: nothing found.
    const struct {
        QRadioButton* FindDialog::*direction;
        int found;
    } steps[] = {{&FindDialog::Option2, 5}, {&FindDialog::Option2, 10}, {&FindDialog::Option2, -1},
                 {&FindDialog::Option2, 0}, {&FindDialog::Option3, 0},  {&FindDialog::Option3, 5},
                 {&FindDialog::Option3, -1}};
    for (const auto& step : steps) {
        if (!(find.*step.direction)->isChecked()) (find.*step.direction)->click();
        find.findnext_Click();
        EXPECT_EQ(find.searchFailed, step.found < 0);
        if (step.found >= 0) EXPECT_EQ(step.found, pane().SelStart());
    }
    EXPECT_EQ(5, pane().SelStart());
    EXPECT_EQ(0, pane().SelLength());
}

TEST_P(FindTest, ReplaceAllCountsAndEnds) {
    struct Case {
        QByteArray text;
        const char* find;
        const char* replacement;
        bool noHighlight;
        QByteArray after;
        const char* report;
    } cases[] = {
        {"cat dog cat", "cat", "cow", false, "cow dog cow", "2  Results are replaced"},
        {"dog", "cat", "cow", false, "dog", "0  Results are replaced"},
        // The replacement holds the search text: the next search starts after it.
        {"a b a", "a", "xa", false, "xa b xa", "2  Results are replaced"},
        {"a b a", "a", "aa", false, "aa b aa", "2  Results are replaced"},
        // Without highlighting nothing is selected: the matches are only counted.
        {"cat dog cat", "cat", "cow", true, "cat dog cat", "2  Results are replaced"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.constData());
        open(GetParam(), c.text);
        FindDialog& find = openDialog();
        find.tfind->setEditText(QLatin1String(c.find));
        find.treplace->setEditText(QLatin1String(c.replacement));
        find.Check3->setChecked(c.noHighlight);
        find.Activate();
        ASSERT_TRUE(find.replaceAll->isEnabled());
        find.replaceAll_Click();
        EXPECT_EQ(c.after, pane().Text());
        EXPECT_EQ(QStringLiteral("Replaceall result|") + c.report, lastMessage());
        EXPECT_FALSE(find.isVisible());
        delete dialog();
    }
}

TEST_P(FindTest, ReplaceReplacesWhateverIsSelectedAndTakesASnapshot) {
    EditorWindow& window = open(GetParam(), "one two one");
    window.backup_code();
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("one"));
    find.treplace->setEditText(QStringLiteral("1"));
    select(pane(), 4, 3);  // "two", not a match
    find.replace_Click();
    EXPECT_EQ("one 1 one", pane().Text());
    EXPECT_EQ(6, pane().SelStart());  // the follow-up search starts after the new text
    EXPECT_EQ(3, pane().SelLength());
    EXPECT_TRUE(find.quietNotFound);
    window.undo_code();
    EXPECT_EQ("one two one", pane().Text());
}

TEST_P(FindTest, HistoryKeepsEachTextOnceComparingCase) {
    open(GetParam(), "Word word");
    FindDialog& find = openDialog();
    find.Check1->setChecked(false);
    for (const char* text : {"word", "word", "Word"}) {
        find.tfind->setEditText(QLatin1String(text));
        find.findnext_Click();
    }
    ASSERT_EQ(2, find.tfind->count());
    EXPECT_EQ("word", find.tfind->itemText(0));
    EXPECT_EQ("Word", find.tfind->itemText(1));
    find.tfind->setEditText(QString());
    EXPECT_FALSE(find.findnext->isEnabled());
    find.findnext_Click();
    EXPECT_EQ("No text to find |Please enter text to search", lastMessage());
}

TEST_P(FindTest, WholeWordAndMatchCaseAreEachTheirOwnBox) {
    const struct {
        bool wholeWord;
        bool matchCase;
        int found;
    } rows[] = {{false, false, 0}, {false, true, 6}, {true, false, 0}, {true, true, 11}};
    for (const auto& row : rows) {
        open(GetParam(), "Word sword word");
        FindDialog& find = openDialog();
        find.tfind->setEditText(QStringLiteral("word"));
        find.Check1->setChecked(row.wholeWord);
        find.Check2->setChecked(row.matchCase);
        find.findnext_Click();
        EXPECT_EQ(row.found, pane().SelStart()) << row.wholeWord << row.matchCase;
        delete dialog();
    }
}

TEST_P(FindTest, CancelHidesAndOnlyFindVbPutsTheCaretBack) {
    EditorWindow& window = open(GetParam(), "alpha beta");
    window.pane().SetSelStart(6);
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("beta"));
    find.Check1->setChecked(false);
    find.findnext_Click();
    find.Cancel_Click();
    EXPECT_FALSE(find.isVisible());
    EXPECT_EQ(6, pane().SelStart());
    EXPECT_EQ(GetParam() == KindVbscript ? 0 : 4, pane().SelLength());
    // Shown again, it keeps its history and options; the close box unloads it.
    commands.run(QStringLiteral("replace"));
    EXPECT_EQ(&find, dialog());
    EXPECT_EQ(1, find.tfind->count());
    EXPECT_FALSE(find.Check1->isChecked());
    find.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nullptr, dialog());
    commands.run(QStringLiteral("find"));
    EXPECT_EQ(0, dialog()->tfind->count());
    EXPECT_TRUE(dialog()->Check1->isChecked());
}

TEST_P(FindTest, FollowsTheLastActivatedWindowOfItsKind) {
    EditorWindow& first = open(GetParam(), "red green");
    FindDialog& find = openDialog();
    find.tfind->setEditText(QStringLiteral("green"));
    EditorWindow& second = open(GetParam(), "green blue");
    find.findnext_Click();
    EXPECT_EQ(0, second.pane().SelStart());
    EXPECT_EQ(5, second.pane().SelLength());
    first.activate();
    find.Option1->click();
    find.findnext_Click();
    EXPECT_EQ(4, first.pane().SelStart());
    delete &second;
    first.activate();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FindTest,
                         ::testing::Values(KindHtml, KindVbscript, KindJscript, KindJava,
                                           KindDocument),
                         [](const auto& info) { return FindDialog::nameOf(info.param).toStdString(); });

using FindCommand = EditorFixture;
TEST_F(FindCommand, NoWindowKindShowsNothing) {
    registerSearchCommands(app);
    commands.run(QStringLiteral("find"));
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(nullptr, qobject_cast<FindDialog*>(top));
}
}  // namespace
