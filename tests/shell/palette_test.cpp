#include <QApplication>
#include <QMainWindow>
#include <QSet>
#include <functional>

#include "shell/palette_set.h"
#include "support/editor_fixture.h"
#include "tags/tag_commands.h"

namespace {
struct PaletteFixture : EditorFixture {
    QMainWindow window;
    PaletteSet* palettes = nullptr;

    void SetUp() override {
        // Hovering goes to the window under the mouse: start from a desktop without the
        // windows other tests left open.
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other->isVisible()) other->close();
        for (const PaletteRow& row : paletteTable()) frame.checked[row.menuItem] = false;
        palettes = new PaletteSet(app, &window);
        palettes->registerCommands(commands);
        window.show();
    }
};
}  // namespace

TEST_F(PaletteFixture, MenuItemTogglesAndCloseBoxUnchecks) {
    for (const PaletteRow& row : paletteTable()) {
        const QString item = QLatin1String(row.menuItem);
        ASSERT_TRUE(commands.run(item));
        Palette* palette = palettes->palette(item);
        ASSERT_NE(palette, nullptr) << row.window;
        EXPECT_TRUE(palette->isVisible());
        EXPECT_TRUE(frame.isCommandChecked(item));
        EXPECT_TRUE(palette->windowFlags() & Qt::WindowStaysOnTopHint);

        palette->close();  // the close box
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(frame.isCommandChecked(item));
        EXPECT_EQ(palettes->palette(item), nullptr);

        commands.run(item);  // shows it again after the close box
        ASSERT_NE(palettes->palette(item), nullptr);
        EXPECT_TRUE(frame.isCommandChecked(item));
        commands.run(item);  // and the menu item unloads it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(frame.isCommandChecked(item));
        EXPECT_EQ(palettes->palette(item), nullptr);
    }
}

// (Each button's click runs its command: see the last test.)
TEST_F(PaletteFixture, APressLeftBeforeReleaseIsNoClickAndHoverMovesTheBorder) {
    int ran = 0;
    commands.add(QStringLiteral("br"), [&ran] { ++ran; });
    commands.run(QStringLiteral("text1"));
    Palette* palette = palettes->palette(QStringLiteral("text1"));
    ASSERT_NE(palette, nullptr);
    PictureBox* newLine = palette->box(QStringLiteral("Picture2"));
    ASSERT_NE(newLine, nullptr);
    QTest::mousePress(newLine, Qt::LeftButton);
    QTest::mouseRelease(newLine, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(ran, 0);

    QTest::mouseMove(newLine);
    for (PictureBox* box : palette->boxes()) EXPECT_EQ(box->hasBorder(), box == newLine);
    QTest::mouseMove(palette, QPoint(1, 1));
    for (PictureBox* box : palette->boxes()) EXPECT_FALSE(box->hasBorder());
}

// Minimising the frame hides open palettes and restoring shows them, also those the window
// manager minimised along with it: shown again still minimised, a palette would take the frame
// back down with it, on every restore.
TEST_F(PaletteFixture, MinimisingTheFrameHidesOpenPalettesAndRestoringShowsThem) {
    commands.run(QStringLiteral("form3"));
    commands.run(QStringLiteral("object1"));
    Palette* form = palettes->palette(QStringLiteral("form3"));
    Palette* object = palettes->palette(QStringLiteral("object1"));
    ASSERT_TRUE(form && object);

    for (const bool managerMinimises : {false, true}) {
        window.setWindowState(Qt::WindowMinimized);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(object->isVisible());
        if (managerMinimises) form->setWindowState(form->windowState() | Qt::WindowMinimized);
        window.setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(object->isVisible());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_FALSE(window.isMinimized());
    }
    EXPECT_EQ(palettes->palette(QStringLiteral("text1")), nullptr);  // never opened stays so

    palettes->hidePalettes();  // around a common dialog
    EXPECT_FALSE(form->isVisible());
    palettes->showPalettes();
    EXPECT_TRUE(form->isVisible());
}

// Without an HTML window the buttons do nothing; with one, each writes exactly what its
// command on the menu writes.
TEST_F(PaletteFixture, ButtonsWriteExactlyWhatTheMenuWritesAndNothingWithoutAnHtmlWindow) {
    registerTagCommands(app);  // no dialog answers: every dialog a command opens is cancelled
    const QSet<QString> wizards = {"listw", "wiz"};  // these open their wizard window
    const QWidgetList before = QApplication::topLevelWidgets();
    for (const PaletteRow& row : paletteTable()) {
        commands.run(QLatin1String(row.menuItem));
        Palette* palette = palettes->palette(QLatin1String(row.menuItem));
        ASSERT_NE(palette, nullptr);
        for (PictureBox* box : palette->boxes()) {
            const QString command = QLatin1String(box->row().command);
            EXPECT_TRUE(commands.has(command)) << command.toStdString();
            if (!wizards.contains(command)) QTest::mouseClick(box, Qt::LeftButton);
        }
    }
    EXPECT_TRUE(dialogs.asked.empty());
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!before.contains(widget) && !qobject_cast<Palette*>(widget))
            EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();

    EditorPane& pane = openHtml().pane();
    auto written = [&](const std::function<void()>& insert) {
        pane.SetText(QByteArray("x"));
        pane.SetSelStart(1);
        insert();
        return pane.Text();
    };
    int inserting = 0;
    for (const PaletteRow& row : paletteTable()) {
        for (PictureBox* box : palettes->palette(QLatin1String(row.menuItem))->boxes()) {
            const QString command = QLatin1String(box->row().command);
            if (wizards.contains(command)) continue;
            const QByteArray byMenu = written([&] { commands.run(command); });
            const QByteArray byButton = written([&] { QTest::mouseClick(box, Qt::LeftButton); });
            EXPECT_EQ(byButton, byMenu) << command.toStdString();
            if (byMenu.size() > 1) ++inserting;
        }
    }
    EXPECT_GT(inserting, 30);  // most buttons write a template
}
