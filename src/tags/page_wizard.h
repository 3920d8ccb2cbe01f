#pragma once
// Form2, the new web page wizard: writes a whole page skeleton into a new HTML window.
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/colour.h"
#include "core/frame_disabled.h"

struct AppState;
class EditorWindow;
class ColourSwatch;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

struct PageChoices {
    QString version = QStringLiteral("HTML 2.0");
    QString title = QStringLiteral("untitled web page");
    QString description;
    QString keywords;
    QString image;  // background image path; empty: none
    QString sound;  // background sound path; empty: none
    Rgb background = makeRgb(255, 255, 255);
    Rgb text = makeRgb(0, 0, 0);
    Rgb link = makeRgb(0, 0, 255);
    Rgb visitedLink = makeRgb(255, 0, 255);
};

// The HTML versions offered, in list order.
const QStringList& htmlVersions();
// The page text the wizard writes.
QString pageSkeleton(const PageChoices& choices);
// Writes the page at the caret of a new window, marks the window modified and colours every
// tag of its text.
void writePage(EditorWindow& window, const PageChoices& choices);

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(AppState& app);

    QListWidget* List1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* image_name;
    QLineEdit* sound_name;
    QPushButton* image_open;
    QPushButton* sound_open;
    ColourSwatch* bgcolor;
    ColourSwatch* textcolor;
    ColourSwatch* linkcolor;
    ColourSwatch* vlinkcolor;
    QFrame* bgcolort;
    QLabel* textcolort;
    QLabel* linkcolort;
    QLabel* vlinkcolort;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;

    PageChoices choices() const;
    void Command1_Click();
    void image_open_Click();
    void sound_open_Click();

private:
    void closeEvent(QCloseEvent* event) override;
    void browse(QLineEdit* target, const QString& title, const QString& filter,
                const QString& defaultExt);
    void showSampleColours();

    AppState& app_;
    FrameDisabled frameDisabled_;
};

// Shows the wizard for the frame's new HTML window, the main window disabled meanwhile.
Form2* openPageWizard(AppState& app);
