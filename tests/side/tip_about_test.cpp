// Tip of the day: file order and wrapping, blank tips, the missing-file text and the start-up
// setting; About: its captions and the system-information button.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/user_settings.h"
#include "side/about_window.h"
#include "side/tip_window.h"
#include "hardening/random_text.h"
#include "support/editor_fixture.h"

namespace {
class SideWindowsTest : public EditorFixture {
protected:
    SideWindowsTest() { app.programFolder = folder.path(); }
    ~SideWindowsTest() override {
        delete tip.data();
        UserSettings::openForExecutable()->remove(QStringLiteral("Options"));
    }
    void writeTips(const QByteArray& text) {
        TestEnvironment::writeFile(QDir(folder.path()).filePath("TIPOFDAY.TXT"), text);
    }

    QTemporaryDir folder;
    QPointer<frmTip> tip;
};

// Tips come one a line in file order, blank lines included, whatever the line ends, and start
// over after the last; without the file a tip says how to make it.
TEST_F(SideWindowsTest, TipsComeInFileOrderAndWrapAndSwitchingThemOffIsStored) {
    tip = showTipOfTheDay(app, nullptr);
    EXPECT_TRUE(tip->lblTipText()->text().startsWith("That the TIPOFDAY.TXT file was not found?"));
    RandomText random(7);
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        QByteArray file;
        for (int count = 1 + random.below(5); lines.size() < count;) {
            lines << (random.chance(25) ? QString() : "tip " + QString::number(random.below(9)));
            file += lines.last().toLatin1() + (random.chance(50) ? "\r\n" : "\n");
        }
        if (!lines.last().isEmpty() && random.chance(50)) file.chop(file.endsWith("\r\n") ? 2 : 1);
        writeTips(file);
        delete tip.data();
        tip = showTipOfTheDay(app, nullptr);
        ASSERT_TRUE(tip);
        for (int shown = 0; shown <= 2 * lines.size(); ++shown) {
            ASSERT_EQ(tip->lblTipText()->text(), lines[shown % lines.size()])
                << "round " << round << ", tip " << shown << " of " << file.toStdString();
            tip->cmdNextTip()->click();
        }
    }

    // Switched off, it is stored and keeps them away.
    tip->chkLoadTipsAtStartup()->click();
    EXPECT_EQ(UserSettings::openForExecutable()->value("Options/Show Tips at Startup").toString(),
              "0");
    EXPECT_FALSE(frame.checked.value("tipofday"));
    tip->cmdOK()->click();
    EXPECT_EQ(showTipOfTheDay(app, nullptr), nullptr);
}

TEST_F(SideWindowsTest, AboutShowsVersionAndStartsTheSystemTool) {
    auto* about = new frmAbout(app);
    // No tool on PATH: a message says so.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toUtf8());
    about->cmdSysInfo()->click();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "System Information Is Unavailable At This Time");

    // An installed tool is started instead.
    const QString tool = QDir(folder.path()).filePath("hardinfo");
    TestEnvironment::writeFile(tool, ("#!/bin/sh\n/usr/bin/touch '" + folder.path() + "/started'\n").toUtf8());
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner);
    about->cmdSysInfo()->click();
    qputenv("PATH", path);
    QTRY_VERIFY(QFile::exists(QDir(folder.path()).filePath("started")));
    EXPECT_EQ(dialogs.asked.size(), 1u);
    delete about;
}
}  // namespace
