#include <QListWidget>
#include <map>

#include "platform/spelling_engine.h"
#include "support/editor_fixture.h"
#include "search/spelling_dialog.h"

namespace {
// Words known to be wrong, with their suggestions: the walk itself, without a dictionary's
// opinions. A text is wrong when it holds one of them.
class ListedSpelling : public SpellingEngine {
public:
    std::map<QString, QStringList> wrong;
    bool available() const override { return true; }
    bool CheckSpelling(const QString& text) override {
        for (const auto& [word, suggestions] : wrong)
            if (text.contains(word)) return false;
        return true;
    }
    QStringList suggestions(const QString& word) override {
        const auto it = wrong.find(word);
        return it == wrong.end() ? QStringList() : it->second;
    }
};

class SpellingTest : public EditorFixture {
protected:
    SpellingTest() {
        app.spelling = &listed;
        app.spellingAvailable = true;
    }
    ~SpellingTest() override {
        if (dialog) dialog->cancle_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the spelling dialog on the whole text of a new window of the kind, Undo's last step.
    SpellingDialog* check(WindowKind kind, const QByteArray& text) {
        EditorWindow& window = open(kind, text);
        window.backup_code();
        select(window.pane(), 0, window.pane().TextLength());
        dialog = SpellingDialog::open(app);
        return dialog;
    }
    EditorPane& document() { return windows.back()->pane(); }
    QString selected() { return dialog->rtf1().SelText(); }
    Rgb colourOf(int start, int length) {
        select(dialog->rtf1(), start, length);
        return dialog->rtf1().SelColor();
    }
    // Chooses the suggestion and clicks Change.
    void changeTo(const QString& suggestion) {
        const auto items = dialog->spell_sugg->findItems(suggestion, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << suggestion.toStdString();
        items.first()->setSelected(true);
        dialog->change_Click();
    }
    QString lastMessage() const {
        const AskedQuestion* asked = dialogs.last(QStringLiteral("message"));
        return asked ? asked->text : QString();
    }

    ListedSpelling listed;
    QPointer<SpellingDialog> dialog;
};

TEST_F(SpellingTest, ClosesAtOnceWithoutAnythingToCheck) {
    listed.wrong = {{"wrd", {"word"}}};
    EXPECT_EQ(nullptr, check(KindHtml, "all good"));
    EXPECT_EQ("Spelling OK", lastMessage());
    EXPECT_EQ("all good", document().Text());

    // Without a dictionary the user learns what to install.
    app.spellingAvailable = false;
    EXPECT_EQ(nullptr, check(KindHtml, "a wrd"));
    EXPECT_TRUE(lastMessage().contains("hunspell-en-us")) << lastMessage().toStdString();
    EXPECT_EQ("a wrd", document().Text());
}

TEST_F(SpellingTest, WalksFromWordToWordThroughChanges) {
    listed.wrong = {{"teh", {"thee"}}, {"sitt", {"sit"}}, {"wrd", {"word", "ward"}}};
    ASSERT_NE(nullptr, check(KindHtml, "teh sitt wrd ok"));
    EXPECT_EQ("", document().Text());
    EXPECT_TRUE(app.bulkEditBusy);
    EXPECT_EQ("teh", selected());
    changeTo("thee");  // longer
    EXPECT_EQ("sitt", selected());
    changeTo("sit");  // shorter
    EXPECT_EQ("wrd", selected());
    EXPECT_TRUE(dialog->spell_sugg->selectedItems().isEmpty());
    dialog->ignore_Click();
    EXPECT_EQ(Text, colourOf(9, 3));

    dialog->close_Click();
    EXPECT_EQ("thee sit wrd ok", document().Text());
    EXPECT_FALSE(app.bulkEditBusy);
}

// The walk stops at the first wrong word, split by each kind's delimiters (the apostrophe
// splits words only while marking, the slash only in HTML windows, a line break in both),
// however far on it is. Tag names are words only in document windows.
TEST_F(SpellingTest, TheWalkStopsAtTheFirstWrongWordOfEachKind) {
    listed.wrong = {{"cann", {}}, {"helo", {}}, {"wrld", {}}, {"wrd", {"word", "ward"}},
                    {"html", {}}};
    QByteArray longText;
    while (longText.size() < 33000) longText += "fine text ";
    const struct {
        WindowKind kind;
        QByteArray text;
        int start;
        QString stop;
    } rows[] = {
        {KindHtml, "cann't go", 0, "cann't"},
        {KindHtml, "helo/wrld ok", 0, "helo"},
        {KindDocument, "helo/wrld ok", 0, "helo/wrld"},
        {KindHtml, "helo\r\nwrld ok", 0, "helo"},
        {KindDocument, "helo\nwrld ok", 0, "helo"},
        {KindDocument, "ok wrd", 3, "wrd"},
    };
    for (const auto& row : rows) {
        ASSERT_NE(nullptr, check(row.kind, row.text));
        EXPECT_EQ(row.stop, selected());
        EXPECT_EQ(row.start, dialog->rtf1().SelStart());
        dialog->cancle_Click();
    }
    // However far on (past 32767), the walk gets there; the last word gets its first
    // suggestion chosen.
    ASSERT_NE(nullptr, check(KindHtml, longText + "wrd"));
    EXPECT_EQ("wrd", selected());
    EXPECT_EQ(longText.size(), dialog->rtf1().SelStart());
    ASSERT_EQ(1, dialog->spell_sugg->selectedItems().size());
    EXPECT_EQ("word", dialog->spell_sugg->selectedItems().first()->text());
    dialog->change_Click();
    dialog->close_Click();
    EXPECT_EQ(longText + "word", document().Text());

    ASSERT_NE(nullptr, check(KindHtml, "cann't go html"));
    EXPECT_EQ(Misspelled, colourOf(0, 4));
    EXPECT_NE(Misspelled, colourOf(5, 1));
    EXPECT_NE(Misspelled, colourOf(10, 4));
    EXPECT_EQ("(No spelling suggestions)", dialog->spell_sugg->item(0)->text());
    dialog->cancle_Click();
    ASSERT_NE(nullptr, check(KindDocument, "ok html"));
    EXPECT_EQ(Misspelled, colourOf(3, 4));
}

// Cancel and the close box put the text and selection back exactly, OK the text and its look;
// Save is enabled after the check exactly when a word was changed.
TEST_F(SpellingTest, CancelPutsTheSelectionBackAndOnlyAChangeModifiesTheWindow) {
    listed.wrong = {{"wrd", {"word"}}};
    enum Ending { Cancel, CloseBox, Unchanged, Changed };
    for (const WindowKind kind : {KindHtml, KindDocument}) {
        for (const Ending ending : {Cancel, CloseBox, Unchanged, Changed}) {
            SCOPED_TRACE(int(kind) * 10 + ending);
            EditorWindow& window = open(kind, "keep a wrd here");
            window.setModifiedTag("s");
            EditorPane& pane = window.pane();
            select(pane, 5, 5);
            if (kind == KindDocument) {  // an HTML window's colours are always its own colouring's
                pane.SetSelBold(true);
                pane.SetSelColor(Tag);
            }
            QCoreApplication::processEvents();
            const PaneSnapshot before = pane.Snapshot();
            dialog = SpellingDialog::open(app);
            ASSERT_NE(nullptr, dialog);
            if (ending == Changed) changeTo("word");
            if (ending == CloseBox) dialog->QDialog::close();
            else if (ending == Cancel) dialog->cancle_Click();
            else dialog->close_Click();
            QCoreApplication::processEvents();
            EXPECT_EQ(window.isModified(), ending == Changed);
            EXPECT_EQ(frame.enabled.value("Save"), ending == Changed);
            EXPECT_FALSE(app.bulkEditBusy);
            if (ending == Changed) {
                // The new word takes the look of the one it replaces, not a marking colour.
                select(pane, 7, 4);
                if (kind == KindDocument) EXPECT_EQ(Tag, pane.SelColor());
                continue;
            }
            EXPECT_EQ(before.text, pane.Snapshot().text);
            EXPECT_EQ(before.attributes, pane.Snapshot().attributes);
            if (ending == Unchanged) continue;  // OK leaves the caret after the text
            EXPECT_EQ(std::pair(5, 5), std::pair(pane.SelStart(), pane.SelLength()));
        }
    }
}

TEST_F(SpellingTest, OkWritesBackTheWayOfEachKind) {
    listed.wrong = {{"wrd", {"word"}}};
    // HTML: plain text, recoloured as HTML, one undo step.
    ASSERT_NE(nullptr, check(KindHtml, "<p>a wrd</p>"));
    changeTo("word");
    dialog->close_Click();
    EXPECT_EQ("<p>a word</p>", document().Text());
    select(document(), 0, 3);
    EXPECT_EQ(Tag, document().SelColor());
    windows.back()->undo_code();
    EXPECT_EQ("<p>a wrd</p>", document().Text());

    // Document: a word corrected by typing in the dialog goes back as typed.
    ASSERT_NE(nullptr, check(KindDocument, "one wrd"));
    select(dialog->rtf1(), 0, 3);
    dialog->rtf1().SetSelText("One");
    dialog->close_Click();
    EXPECT_EQ("One wrd", document().Text());
}
}  // namespace
