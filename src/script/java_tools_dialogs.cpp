#include "script/java_tools_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/app_state.h"
#include "core/digit_field.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"
#include "script/java_tools.h"

ToolDialog::ToolDialog(const QString& name, const QString& caption,
                       const std::vector<ToolField>& fields, Action ok, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), ok_(std::move(ok)) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QFormLayout;
    for (const ToolField& field : fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(field.name);
        edit->setMinimumWidth(320);
        if (field.digitsOnly) acceptDigitsOnly(edit);
        auto* label = new QLabel(field.label, this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ToolDialog::okClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString ToolDialog::text(int index) const { return field(index)->text(); }

QPushButton* ToolDialog::addFieldButton(const QString& name, const QString& caption, Action action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] { action(*this); });
    // Put the button on the first field's row.
    auto* form = static_cast<QFormLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(0)->layout());
    auto* row = new QHBoxLayout;
    QLineEdit* first = field(0);
    form->removeWidget(first);
    row->addWidget(first);
    row->addWidget(button);
    form->setLayout(0, QFormLayout::FieldRole, row);
    return button;
}

void ToolDialog::okClicked() {
    // The dialog closes first: what OK starts (a console) comes up above it.
    hide();
    ok_(*this);
    close();
}

namespace {
// Shows the dialog of that name, made by `make` unless one is open already (then it is only
// brought forward).
ToolDialog* openDialog(const QString& name, const std::function<ToolDialog*()>& make) {
    ToolDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) dialog = qobject_cast<ToolDialog*>(w);
    if (!dialog) dialog = make();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}
}  // namespace

ToolDialog* openSetPathDialog(AppState& app) {
    return openDialog(QStringLiteral("brvpath"), [&app] {
        auto* dialog = new ToolDialog(
            QStringLiteral("brvpath"), QStringLiteral("Set Path"),
            {{QStringLiteral("Text1"), QStringLiteral("&Folder of java and javac:")}},
            [&app](ToolDialog& d) { JavaTools::writeJdkFolder(app, d.text(0)); }, app.frameWidget());
        dialog->field(0)->setText(JavaTools::readJdkFolder());
        dialog->addFieldButton(QStringLiteral("Command1"), QStringLiteral("..."), [&app](ToolDialog& d) {
            FileDialogRequest request;
            request.title = QStringLiteral("Open java.exe");
            request.filter = QStringLiteral("java.exe|Java.exe");
            // Cancelled: the field keeps its text.
            if (const auto chosen = app.dialogs->openFile(request))
                d.field(0)->setText(JavaTools::folderOfProgram(*chosen));
        });
        return dialog;
    });
}

ToolDialog* openRunDialog(AppState& app) {
    ToolDialog* dialog = openDialog(QStringLiteral("runjava"), [&app] {
        return new ToolDialog(
            QStringLiteral("runjava"), QStringLiteral("Run"),
            {{QStringLiteral("Text1"), QStringLiteral("&Class name:")}},
            [&app](ToolDialog& d) {
                // The class, then the program's own arguments, at blanks.
                const QStringList words = d.text(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (words.isEmpty())
                    app.dialogs->messageBox(QStringLiteral("Type the name of the class to run."),
                                            QStringLiteral("Tessavel Editor 2005"), MsgButtons::Ok,
                                            MsgIcon::Exclamation);
                else
                    JavaTools::runTool(app, QStringLiteral("java"), words, ConsoleShow::Maximised);
            },
            app.frameWidget());
    });
    // Each time the dialog comes up, from the Java window as it is now: the class name under the
    // caret starts at once; without one the field offers the window's own class.
    QTimer::singleShot(0, dialog, [&app, dialog] {
        EditorWindow* java = app.currentJavaWindow.data();
        if (!java) return;
        const QString word = JavaTools::wordAtCaret(java->pane());
        dialog->field(0)->setText(word.isEmpty() ? JavaTools::classNameOfSource(java->caption()) : word);
        if (!word.isEmpty()) dialog->okClicked();
    });
    return dialog;
}

ToolDialog* openAppletDialog(AppState& app) {
    return openDialog(QStringLiteral("appletv"), [&app] {
        return new ToolDialog(
            QStringLiteral("appletv"), QStringLiteral("Java AppletViewer "),
            {{QStringLiteral("Text1"), QStringLiteral("&Height"), true},
             {QStringLiteral("Text2"), QStringLiteral("&Width"), true}},
            [&app](ToolDialog& d) {
                EditorWindow* java = app.currentJavaWindow.data();
                if (!java) return;
                const QByteArray page = JavaTools::appletPage(
                    JavaTools::classNameOfSource(java->caption()), d.text(0), d.text(1));
                if (!JavaTools::writeToolFile(app, JavaTools::appletPageFile(), page)) return;
                JavaTools::runTool(app, QStringLiteral("appletviewer"), {QStringLiteral("temp.html")},
                                   ConsoleShow::Normal);
            },
            app.frameWidget());
    });
}

ToolDialog* openCommandDialog(AppState& app) {
    return openDialog(QStringLiteral("cmd1"), [&app] {
        return new ToolDialog(
            QStringLiteral("cmd1"), QStringLiteral("Command"),
            {{QStringLiteral("Text1"), QStringLiteral("&Command line:")}},
            [&app](ToolDialog& d) { JavaTools::runCommandLine(app, d.text(0), ConsoleShow::Normal); },
            app.frameWidget());
    });
}
