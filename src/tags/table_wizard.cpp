#include "tags/table_wizard.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"
#include "tags/tag_insertion.h"
#include "tags/wizard_widgets.h"

void writeTable(EditorWindow& window, const TableChoices& choices) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    const bool split = app.frame && app.frame->isCommandChecked(QStringLiteral("split"));
    {
        QScopedValueRollback<bool> busy(app.insertBusy, true);
        if (split) pane.SetVisible(false);
        const int start = pane.SelStart();
        auto tag = [&](const QString& text) { writeColoured(pane, text, app.htmlTagColor); };
        auto text = [&](const QString& content) {
            pane.SetSelFontSize(app.editorFontSize);
            writeColoured(pane, content, app.htmlTextColor);
        };
        tag(QStringLiteral("<table width = %1% height = %2% ").arg(choices.width, choices.height));
        tag(QStringLiteral("bgcolor = rgb(%1) ").arg(rgbTriple(choices.background)));
        tag(QStringLiteral("bordercolor= rgb(%1) ").arg(rgbTriple(choices.border)));
        tag(QStringLiteral("cellspecing= %1% cellpadding= %2%  border = 1>\r\n")
                .arg(choices.spacing, choices.padding));
        for (int i = 0; i <= choices.rows; ++i) {
            tag(QStringLiteral("<tr>\r\n"));
            for (int j = 1; j <= choices.columns; ++j) {
                if (i == 0) {
                    tag(QStringLiteral("<th>"));
                    text(QStringLiteral("Heading%1").arg(j));
                    tag(QStringLiteral("</th>\r\n"));
                } else {
                    tag(QStringLiteral("<td>"));
                    text(QStringLiteral("Data %1 , %2").arg(j).arg(i));
                    tag(QStringLiteral(" </td>\r\n"));
                }
            }
            tag(QStringLiteral("</tr>\r\n"));
        }
        tag(QStringLiteral("</table>"));
        pane.Find(QStringLiteral("Heading1"), start);
    }
    window.Initcount();
    window.backup_code();
    if (split) {
        window.refreshPreviewIfSplit();
        pane.SetVisible(true);
        window.backup_code();
    }
}

Tab1::Tab1(AppState& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    makeWizardWindow(this, QStringLiteral("Table wizard"));

    auto* format = new QGroupBox(QStringLiteral("Table format"), this);
    auto* formatLayout = new QFormLayout(format);
    row = makeDigitField(QStringLiteral("4"), format);
    col = makeDigitField(QStringLiteral("4"), format);
    width1 = makeDigitField(QStringLiteral("1"), format);
    height1 = makeDigitField(QStringLiteral("1"), format);
    cellspace = makeDigitField(QStringLiteral("1"), format);
    cellpad = makeDigitField(QStringLiteral("1"), format);
    formatLayout->addRow(QStringLiteral("&Rows:"), row);
    formatLayout->addRow(QStringLiteral("Co&lumns"), col);
    formatLayout->addRow(QStringLiteral("&Width:"), width1);
    formatLayout->addRow(QStringLiteral("&Height "), height1);
    formatLayout->addRow(QStringLiteral("Cell &Spacing"), cellspace);
    formatLayout->addRow(QStringLiteral("Cell &Padding"), cellpad);

    auto* colours = new QGroupBox(QStringLiteral("Table color"), this);
    auto* colourLayout = new QFormLayout(colours);
    const TableChoices defaults;
    Picture1 = new ColourSwatch(app, defaults.border, QString(), colours);
    Picture2 = new ColourSwatch(app, defaults.background, QString(), colours);
    colourLayout->addRow(QStringLiteral("&Border Color:"), Picture1);
    colourLayout->addRow(QStringLiteral("Bac&Kground Color:"), Picture2);

    QHBoxLayout* buttons = makeOkCancelRow(this, OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, &Tab1::OKButton_Click);

    auto* groups = new QHBoxLayout;
    groups->addWidget(format);
    groups->addWidget(colours, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void Tab1::OKButton_Click() {
    EditorWindow* window = app_.currentHtmlWindow.data();
    if (!window) {
        close();
        return;
    }
    const struct {
        QLineEdit* field;
        const char* label;
    } counts[] = {{row, "Rows"}, {col, "Columns"}};
    for (const auto& count : counts) {
        if (count.field->text().isEmpty()) {
            app_.dialogs->messageBox(
                QStringLiteral("The %1 field is empty: please enter a number.")
                    .arg(QLatin1String(count.label)),
                windowTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
            count.field->setFocus();
            return;
        }
    }
    TableChoices choices;
    choices.rows = fieldNumber(row);
    choices.columns = fieldNumber(col);
    choices.width = width1->text();
    choices.height = height1->text();
    choices.spacing = cellspace->text();
    choices.padding = cellpad->text();
    choices.border = Picture1->colour();
    choices.background = Picture2->colour();
    writeTable(*window, choices);
    close();
}

Tab1* openTableWizard(AppState& app) {
    if (!app.currentHtmlWindow) return nullptr;
    auto* wizard = new Tab1(app, app.frameWidget());
    wizard->show();
    return wizard;
}
