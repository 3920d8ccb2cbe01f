#include "shell/recovery_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/editor_window.h"
#include "shell/main_window.h"

namespace {
QString kindName(WindowKind kind) {
    switch (kind) {
    case KindVbscript: return QStringLiteral("VBScript");
    case KindJscript: return QStringLiteral("JScript");
    case KindJava: return QStringLiteral("Java");
    case KindDocument: return QStringLiteral("Document");
    default: return QStringLiteral("Web page");
    }
}
}  // namespace

RecoveryDialog::RecoveryDialog(const std::vector<RecoveredDocument>& documents, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Recover unsaved work"));
    // The tip of the day and the list views stay on top from start-up on; the question that
    // holds up everything else must stand above them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral(
        "The editor did not close normally last time. These documents had changes that were "
        "not saved:")));
    list_ = new QTreeWidget;
    list_->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Kind"),
                            QStringLiteral("Last change")});
    list_->setRootIsDecorated(false);
    for (const RecoveredDocument& d : documents)
        list_->addTopLevelItem(new QTreeWidgetItem(
            {d.caption, kindName(d.kind),
             QLocale().toString(d.changed.toLocalTime(), QLocale::ShortFormat)}));
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->resizeColumnToContents(1);
    list_->resizeColumnToContents(2);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* recover = buttons->addButton(QStringLiteral("&Recover"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this] { choice_ = Recover; accept(); });
    connect(discard, &QPushButton::clicked, this, [this] { choice_ = Discard; accept(); });
    layout->addWidget(buttons);
    resize(640, 320);
}

int offerRecovery(mdiform1& frame, const QString& root,
                  const std::function<RecoveryDialog::Choice(RecoveryDialog&)>& ask) {
    const std::vector<RecoveredDocument> documents = RecoveryStore::leftOver(root);
    if (documents.empty()) {
        // Runs that ended with nothing unsaved leave only their empty folders behind.
        RecoveryStore::discardLeftOver(root);
        return 0;
    }
    RecoveryDialog dialog(documents, &frame);
    const RecoveryDialog::Choice choice = ask(dialog);
    if (choice == RecoveryDialog::Undecided) return 0;
    int recovered = 0;
    if (choice == RecoveryDialog::Recover)
        for (const RecoveredDocument& d : documents)
            if (frame.recoverDocument(d)) ++recovered;
    // The recovered windows keep their own recovery files from now on.
    RecoveryStore::discardLeftOver(root);
    return recovered;
}
