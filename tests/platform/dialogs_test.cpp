#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include "platform/dialogs.h"
#include "platform/hunspell_engine.h"
#include "platform/qt_dialogs.h"

TEST(ProgramFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFilterFromProgramFilter("HTML(*.html)|*.html|All files(*.*)|*.*"),
              QStringLiteral("HTML(*.html) (*.html);;All files(*.*) (*.*)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Web pages|*.htm;*.html"),
              QStringLiteral("Web pages (*.htm *.html)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Text|*.txt|Dangling"), QStringLiteral("Text (*.txt)"));
    // Windows programs stand for the program and its companions (java, javac).
    EXPECT_EQ(qtFilterFromProgramFilter("java.exe|Java.exe"), QStringLiteral("java.exe (java java*)"));
    EXPECT_EQ(qtFilterFromProgramFilter(""), QString());
}

TEST(HunspellEngine, ChecksAndSuggestsWithTheDictionary) {
    HunspellEngine engine;
    ASSERT_TRUE(engine.available());
    EXPECT_TRUE(engine.CheckSpelling("Star"));
    EXPECT_TRUE(engine.CheckSpelling("colour") || engine.CheckSpelling("color"));
    EXPECT_FALSE(engine.CheckSpelling("sppelling"));
    EXPECT_TRUE(engine.suggestions("sppelling").contains("spelling"));
}

TEST(HunspellEngine, UnavailableWithoutDictionaryAndChecksThrow) {
    QTemporaryDir empty;
    HunspellEngine engine({empty.path()});
    EXPECT_FALSE(engine.available());
    EXPECT_TRUE(engine.dictionaries().isEmpty());
    EXPECT_THROW(engine.CheckSpelling("Star"), std::runtime_error);
    EXPECT_THROW(engine.suggestions("Star"), std::runtime_error);
    EXPECT_EQ(HunspellEngine::packageFor("en_US"), "hunspell-en-us");
}

// Two folders of small dictionaries: the user's language comes first, then English, and the
// user may switch to any of them.
TEST(HunspellEngine, ChoosesTheUsersLanguageThenEnglishAndSwitches) {
    QTemporaryDir first, second;
    auto install = [](const QString& folder, const char* name, const char* word) {
        QFile aff(folder + "/" + name + ".aff");
        QFile dic(folder + "/" + name + ".dic");
        ASSERT_TRUE(aff.open(QIODevice::WriteOnly) && dic.open(QIODevice::WriteOnly));
        aff.write("SET UTF-8\nTRY esianrtolcdugmphbyfvkwzESIANRTOLCDUGMPHBYFVKWZ\n");
        dic.write(QByteArray("1\n") + word + "\n");
    };
    install(first.path(), "de_DE", "Haus");
    install(second.path(), "en_GB", "colour");
    install(second.path(), "fr_FR", "maison");
    QFile(second.path() + "/nl_NL.dic").open(QIODevice::WriteOnly);  // no .aff: not offered

    const struct {
        const char* language;
        const char* chosen;
    } rows[] = {{"de_DE.UTF-8", "de_DE"}, {"de_AT", "de_DE"}, {"it_IT", "en_GB"}, {"C", "en_GB"}};
    for (const auto& row : rows) {
        HunspellEngine engine({first.path(), second.path()}, row.language);
        EXPECT_EQ(engine.dictionary(), row.chosen) << row.language;
        EXPECT_EQ(engine.dictionaries(), QStringList({"de_DE", "en_GB", "fr_FR"}));
    }
    HunspellEngine engine({first.path(), second.path()}, "de_DE");
    EXPECT_TRUE(engine.CheckSpelling("Haus"));
    EXPECT_FALSE(engine.CheckSpelling("maison"));
    EXPECT_TRUE(engine.useDictionary("fr_FR"));
    EXPECT_TRUE(engine.CheckSpelling("maison"));
    EXPECT_FALSE(engine.useDictionary("nl_NL"));
    EXPECT_EQ(engine.dictionary(), "fr_FR");
}

TEST(QtDialogs, MessageBoxOffersTheRequestedButtonsAndEscapeMeansTheSafeOne) {
    struct Case {
        MsgButtons buttons;
        QMessageBox::StandardButtons shown;
        MsgAnswer onEscape;
    };
    const Case cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         MsgAnswer::Cancel},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        QMessageBox::StandardButtons seen;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = box->standardButtons();
            title = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.messageBox("text", "A title", c.buttons, MsgIcon::Question), c.onEscape);
        EXPECT_EQ(seen, c.shown);
        EXPECT_EQ(title, QStringLiteral("A title"));
    }
}

// What a user sees of an asking dialog: on top of the topmost palettes, its title readable, and
// a file dialog that has nothing to go by opening in the folder the editor was started in.
TEST(QtDialogs, AskingDialogsCanBeSeenAndStartSomewhereUseful) {
    QtDialogs dialogs;
    bool onTop = false;
    int width = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        width = box->width();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const QString title = QStringLiteral("A rather long title for a short text");
    dialogs.messageBox("1", title, MsgButtons::Ok, MsgIcon::None);
    EXPECT_TRUE(onTop);
    EXPECT_GT(width, QFontMetrics(QApplication::font()).horizontalAdvance(title));
    // An input box too (Goto Line, Import package), however short its prompt.
    width = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        width = box->width();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    dialogs.inputBox("1", title + title, {});
    EXPECT_GT(width, QFontMetrics(QApplication::font()).horizontalAdvance(title + title));

    QString folder;
    QTimer::singleShot(0, [&] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(files, nullptr);
        onTop = files->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        folder = files->directory().absolutePath();
        files->reject();
    });
    EXPECT_FALSE(dialogs.openFile({QStringLiteral("Never used before"), {}, {}, {}}));
    EXPECT_TRUE(onTop);
    EXPECT_EQ(folder, QDir::currentPath());
}
