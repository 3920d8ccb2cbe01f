#pragma once
// listwiz, the list wizard: an unordered, ordered or definition list of numbered items.
#include <QWidget>

struct AppState;
class EditorWindow;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

struct ListChoices {
    QString heading = QStringLiteral("List Heading here");
    int count = 1;
    int start = 0;  // the value of the first ordered item
    int type = 1;   // 1 unordered, 2 ordered, 3 definition
    int style = 1;  // 1 to 5, the bullet or numbering style
};

// Writes the list at the caret, coloured, and selects "Item1".
void writeList(EditorWindow& window, const ListChoices& choices);

class listwiz : public QWidget {
    Q_OBJECT
public:
    listwiz(AppState& app, QWidget* parent = nullptr);

    QLineEdit* Text1;    // heading
    QLineEdit* Text2;    // number of items
    QListWidget* List1;  // starting index
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QGroupBox* Frame1;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    void OKButton_Click();
    // The list type and style that the option buttons stand for.
    int typeCode() const;
    int styleCode() const;

private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void setStyleCaptions(const QStringList& captions);
    static void recolour(QButtonGroup* group);

    AppState& app_;
    QButtonGroup* types_;
    QButtonGroup* styles_;
};

listwiz* openListWizard(AppState& app);
