#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <functional>

#include "platform/hunspell_engine.h"
#include "platform/qt_dialogs.h"
#include "support/test_environment.h"

using TestEnvironment::writeFile;

TEST(ProgramFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFilterFromProgramFilter("HTML(*.html)|*.html|All files(*.*)|*.*"),
              QStringLiteral("HTML(*.html) (*.html);;All files(*.*) (*.*)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Web pages|*.htm;*.html"),
              QStringLiteral("Web pages (*.htm *.html)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Text|*.txt|Dangling"), QStringLiteral("Text (*.txt)"));
    // Windows programs stand for the program and its companions (java, javac).
    EXPECT_EQ(qtFilterFromProgramFilter("java.exe|Java.exe"), QStringLiteral("java.exe (java java*)"));
}

// The shipped dictionary; none at all; and two folders of small dictionaries, where the user's
// language comes first, then English, and the user may switch to any of them.
TEST(HunspellEngine, ChecksWithTheUsersLanguageThenEnglishAndSwitchesOrThrowsWithoutOne) {
    HunspellEngine shipped;
    ASSERT_TRUE(shipped.available());
    EXPECT_TRUE(shipped.CheckSpelling("Star"));
    EXPECT_FALSE(shipped.CheckSpelling("sppelling"));
    EXPECT_TRUE(shipped.suggestions("sppelling").contains("spelling"));

    QTemporaryDir first, second, empty;
    HunspellEngine none({empty.path()});
    EXPECT_FALSE(none.available());
    EXPECT_THROW(none.CheckSpelling("Star"), std::runtime_error);

    auto install = [](const QString& folder, const QString& name, const QByteArray& word) {
        ASSERT_TRUE(writeFile(folder + "/" + name + ".aff", "SET UTF-8\nTRY esianrtolcdug\n"));
        ASSERT_TRUE(writeFile(folder + "/" + name + ".dic", "1\n" + word + "\n"));
    };
    install(first.path(), "de_DE", "Haus");
    install(second.path(), "en_GB", "colour");
    install(second.path(), "fr_FR", "maison");
    QFile(second.path() + "/nl_NL.dic").open(QIODevice::WriteOnly);  // no .aff: not offered

    for (const auto& [language, chosen] : {std::pair{"de_DE.UTF-8", "de_DE"}, {"de_AT", "de_DE"},
                                           {"it_IT", "en_GB"}, {"C", "en_GB"}}) {
        HunspellEngine engine({first.path(), second.path()}, language);
        EXPECT_EQ(engine.dictionary(), chosen) << language;
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

namespace {
// Runs `answer` on the modal dialog that the next call opens, as soon as it is up.
void onNextDialog(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        answer(box);
    });
}
}  // namespace

// Each set of buttons asked for, Escape answering with the safe one; every asking dialog on top
// of the topmost palettes; a file dialog with nothing to go by opening in the folder the editor
// was started in.
TEST(QtDialogs, AskingDialogsOfferTheirButtonsCanBeSeenAndStartSomewhereUseful) {
    const struct {
        MsgButtons buttons;
        QMessageBox::StandardButtons shown;
        MsgAnswer onEscape;
    } cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         MsgAnswer::Cancel},
    };
    QtDialogs dialogs;
    QMessageBox::StandardButtons seen;
    bool onTop = false;
    const auto escape = [&](QWidget* box) {
        if (auto* message = qobject_cast<QMessageBox*>(box)) seen = message->standardButtons();
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QTest::keyClick(box, Qt::Key_Escape);
    };
    for (const auto& c : cases) {
        onNextDialog(escape);
        EXPECT_EQ(dialogs.messageBox("1", "Title", c.buttons, MsgIcon::Question), c.onEscape);
        EXPECT_EQ(seen, c.shown);
        EXPECT_TRUE(onTop);
    }

    QString folder;
    onNextDialog([&](QWidget* box) {
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        folder = qobject_cast<QFileDialog*>(box)->directory().absolutePath();
        qobject_cast<QDialog*>(box)->reject();
    });
    EXPECT_FALSE(dialogs.openFile({QStringLiteral("Never used before"), {}, {}, {}}));
    EXPECT_TRUE(onTop);
    EXPECT_EQ(folder, QDir::currentPath());
}
