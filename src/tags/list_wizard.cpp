#include "tags/list_wizard.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "tags/wizard_widgets.h"

namespace {
// The type attribute of each style, by style code 1 to 5; nullptr adds none.
const char* const unorderedTypes[] = {nullptr, "circle", "disk", "square", nullptr};
const char* const orderedTypes[] = {nullptr, "I", "A", "a", "i"};

QString typeAttribute(const char* const types[], int style) {
    if (style < 1 || style > 5 || !types[style - 1]) return QString();
    return QStringLiteral("type = \"%1\"").arg(QLatin1String(types[style - 1]));
}
}  // namespace

void writeList(EditorWindow& window, const ListChoices& choices) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    {
        QScopedValueRollback<bool> busy(app.insertBusy, true);
        const int start = pane.SelStart();
        auto tag = [&](const QString& text) { writeColoured(pane, text, app.htmlTagColor); };
        auto text = [&](const QString& content) {
            writeColoured(pane, content, app.htmlTextColor);
        };
        auto heading = [&] {
            tag(QStringLiteral("<lh>"));
            text(choices.heading);
            tag(QStringLiteral("</lh>\r\n"));
        };
        switch (choices.type) {
        case 1:
            tag(QStringLiteral("<ul ") + typeAttribute(unorderedTypes, choices.style) +
                QStringLiteral(">\r\n"));
            heading();
            for (int k = 1; k <= choices.count; ++k) {
                tag(QStringLiteral("<li>"));
                text(QStringLiteral(" Item%1\r\n").arg(k));
            }
            tag(QStringLiteral("</ul>\r\n"));
            break;
        case 2:
            tag(QStringLiteral("<ol ") + typeAttribute(orderedTypes, choices.style) +
                QStringLiteral(">\r\n"));
            heading();
            for (int k = 1; k <= choices.count; ++k) {
                if (k == 1) {
                    tag(QStringLiteral("<li value = %1>").arg(choices.start));
                    text(QStringLiteral("Item1\r\n"));
                } else {
                    tag(QStringLiteral("<li>"));
                    text(QStringLiteral(" Item%1\r\n").arg(k));
                }
            }
            tag(QStringLiteral("</ol>\r\n"));
            break;
        default:
            tag(QStringLiteral("<dl>\r\n"));
            for (int k = 1; k <= choices.count; ++k) {
                tag(QStringLiteral("<dt>"));
                text(QStringLiteral(" Term%1\r\n").arg(k));
                tag(QStringLiteral("<dd>"));
                text(QStringLiteral("Defination %1here\r\n").arg(k));
            }
            tag(QStringLiteral("</dl>\r\n"));
            break;
        }
        pane.Find(QStringLiteral("Item1"), start);
    }
    window.backup_code();
    window.refreshPreviewIfSplit();
}

listwiz::listwiz(AppState& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    makeWizardWindow(this, QStringLiteral("List Genarator"));

    auto* parameters = new QGroupBox(QStringLiteral("List parameter"), this);
    auto* parameterLayout = new QFormLayout(parameters);
    Text1 = new QLineEdit(QStringLiteral("List Heading here"), parameters);
    Text2 = makeDigitField(QStringLiteral("1"), parameters);
    List1 = new QListWidget(parameters);
    for (int i = 1; i <= 26; ++i) List1->addItem(QString::number(i));
    List1->setMaximumSize(80, 90);
    List1->setEnabled(false);  // only an ordered list has a starting index
    parameterLayout->addRow(QStringLiteral("Enter list heading "), Text1);
    parameterLayout->addRow(QStringLiteral("No of items :"), Text2);
    parameterLayout->addRow(QStringLiteral("Starting index :"), List1);

    auto* typeBox = new QGroupBox(QStringLiteral("Select list type"), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    types_ = new QButtonGroup(this);
    Option1 = new QRadioButton(QStringLiteral("Unordered list"), typeBox);
    Option2 = new QRadioButton(QStringLiteral("Ordered list "), typeBox);
    Option3 = new QRadioButton(QStringLiteral("Defination list"), typeBox);
    for (QRadioButton* option : {Option1, Option2, Option3}) {
        types_->addButton(option);
        typeLayout->addWidget(option);
    }
    Option1->setChecked(true);

    Frame1 = new QGroupBox(QStringLiteral("Select bullet style"), this);
    auto* styleLayout = new QVBoxLayout(Frame1);
    styles_ = new QButtonGroup(this);
    Option4 = new QRadioButton(QStringLiteral("Bullet"), Frame1);
    Option5 = new QRadioButton(QStringLiteral("Circle"), Frame1);
    Option6 = new QRadioButton(QStringLiteral("Disk"), Frame1);
    Option7 = new QRadioButton(QStringLiteral("Square"), Frame1);
    Option8 = new QRadioButton(QStringLiteral("a,b,c"), Frame1);
    for (QRadioButton* option : {Option4, Option5, Option6, Option7, Option8}) {
        styles_->addButton(option);
        styleLayout->addWidget(option);
    }
    Option4->setChecked(true);
    Option8->hide();

    connect(Option1, &QRadioButton::clicked, this, &listwiz::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &listwiz::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &listwiz::Option3_Click);
    connect(styles_, &QButtonGroup::buttonClicked, this, [this] { recolour(styles_); });
    recolour(types_);
    recolour(styles_);

    QHBoxLayout* buttons = makeOkCancelRow(this, OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, &listwiz::OKButton_Click);

    auto* options = new QVBoxLayout;
    options->addWidget(typeBox);
    options->addWidget(Frame1);
    options->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(parameters, 0, Qt::AlignTop);
    groups->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void listwiz::recolour(QButtonGroup* group) {
    for (QAbstractButton* option : group->buttons()) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::ButtonText, option->isChecked() ? QColor(255, 0, 0)
                                                                   : QColor(0, 128, 0));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        option->setPalette(palette);
    }
}

void listwiz::setStyleCaptions(const QStringList& captions) {
    const QList<QAbstractButton*> options = styles_->buttons();
    for (int i = 0; i < captions.size(); ++i) options[i]->setText(captions[i]);
}

void listwiz::Option1_Click() {
    setStyleCaptions({QStringLiteral("Bullet "), QStringLiteral("Circle "),
                      QStringLiteral("Disk"), QStringLiteral("Square")});
    Option8->hide();
    List1->setEnabled(false);
    Frame1->show();
    Frame1->setTitle(QStringLiteral("Select Bullet style "));
    recolour(types_);
}

void listwiz::Option2_Click() {
    Frame1->show();
    Option8->show();
    setStyleCaptions({QStringLiteral("1, 2, 3 "), QStringLiteral("I, II, III "),
                      QStringLiteral("A, B, C"), QStringLiteral("a, b, c "),
                      QStringLiteral("i, ii, iii ")});
    List1->setEnabled(true);
    List1->setCurrentRow(0);
    Frame1->setTitle(QStringLiteral("Select Numbering style"));
    recolour(types_);
}

void listwiz::Option3_Click() {
    Frame1->hide();
    List1->setEnabled(false);
    recolour(types_);
}

int listwiz::typeCode() const { return 1 + types_->buttons().indexOf(types_->checkedButton()); }

int listwiz::styleCode() const {
    return 1 + styles_->buttons().indexOf(styles_->checkedButton());
}

void listwiz::OKButton_Click() {
    EditorWindow* window = app_.currentHtmlWindow.data();
    if (!window) {
        close();
        return;
    }
    ListChoices choices;
    choices.heading = Text1->text();
    choices.count = fieldNumber(Text2);
    choices.start = List1->currentItem() && List1->currentItem()->isSelected()
                     ? List1->currentItem()->text().toInt()
                     : 0;
    choices.type = typeCode();
    choices.style = styleCode();
    writeList(*window, choices);
    close();
}

listwiz* openListWizard(AppState& app) {
    auto* wizard = new listwiz(app, app.frameWidget());
    wizard->show();
    return wizard;
}
