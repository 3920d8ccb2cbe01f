#pragma once
// Tab1, the table wizard: a whole table with a heading row and numbered data cells.
#include <QWidget>

#include "platform/colour.h"

struct AppState;
class EditorWindow;
class QLineEdit;
class QPushButton;
class ColourSwatch;

struct TableChoices {
    int rows = 4;
    int columns = 4;
    // Written as typed, so an empty field writes nothing.
    QString width = QStringLiteral("1");
    QString height = QStringLiteral("1");
    QString spacing = QStringLiteral("1");
    QString padding = QStringLiteral("1");
    Rgb border = makeRgb(0, 0, 255);
    Rgb background = makeRgb(255, 255, 255);
};

// Writes the table at the caret, coloured, and selects "Heading1".
void writeTable(EditorWindow& window, const TableChoices& choices);

class Tab1 : public QWidget {
    Q_OBJECT
public:
    Tab1(AppState& app, QWidget* parent = nullptr);

    QLineEdit* row;
    QLineEdit* col;
    QLineEdit* width1;
    QLineEdit* height1;
    QLineEdit* cellspace;
    QLineEdit* cellpad;
    ColourSwatch* Picture1;  // border
    ColourSwatch* Picture2;  // background
    QPushButton* OKButton;
    QPushButton* CancelButton;

    void OKButton_Click();

private:
    AppState& app_;
};

// Opens the wizard over the main window; nullptr (and nothing shown) without an HTML window.
Tab1* openTableWizard(AppState& app);
