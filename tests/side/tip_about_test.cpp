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

TEST_F(SideWindowsTest, TipsComeInFileOrderAndWrapAndSwitchingThemOffIsStored) {
    tip = showTipOfTheDay(app, nullptr);
    EXPECT_TRUE(tip->lblTipText()->text().startsWith("That the TIPOFDAY.TXT file was not found?"));
    EXPECT_FALSE(tip->LoadTips(QString()));
    delete tip.data();

    writeTips("first\nsecond\r\nthird\n");
    tip = showTipOfTheDay(app, nullptr);
    ASSERT_TRUE(tip);
    EXPECT_TRUE(tip->chkLoadTipsAtStartup()->isChecked());
    QStringList seen{tip->lblTipText()->text()};
    for (int i = 0; i < 3; ++i) {
        tip->cmdNextTip()->click();
        seen << tip->lblTipText()->text();
    }
    EXPECT_EQ(seen, (QStringList{"first", "second", "third", "first"}));

    // A blank line is a tip of its own.
    delete tip.data();
    writeTips("one\n\nthree");
    tip = showTipOfTheDay(app, nullptr);
    EXPECT_EQ(tip->tips, (QStringList{"one", "", "three"}));
    tip->cmdNextTip()->click();
    EXPECT_EQ(tip->lblTipText()->text(), "");

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
    EXPECT_TRUE(about->lblVersion()->text().startsWith("Version "));

    // No tool on PATH: the message, spoken first when audio messages are on.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toUtf8());
    app.speakMessages = true;
    about->cmdSysInfo()->click();
    EXPECT_EQ(speaker.spoken, QStringList{"System Information Is Unavailable At This Time"});
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::Ok);

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
