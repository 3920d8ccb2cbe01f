#include "search/find_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/delayed_progress.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"

namespace {
const QString WholeText = QStringLiteral("in the whole text");

// The five copies differ only in their name and in what Cancel does.
struct FindKindRow {
    WindowKind kind;
    const char* name;
    bool cancelRestoresCaret;  // find_vb puts the caret back where the dialog found it
};

const FindKindRow findKinds[] = {
    {KindHtml, "find_replace", false}, {KindVbscript, "find_vb", true},
    {KindJscript, "find_js", false},   {KindJava, "find_java", false},
    {KindDocument, "find_doc", false},
};

const FindKindRow& rowOf(WindowKind kind) {
    for (const FindKindRow& row : findKinds)
        if (row.kind == kind) return row;
    return findKinds[0];
}

// Appends the combo box's text to its list unless an item already equals it exactly.
void remember(QComboBox* box) {
    const QString text = box->currentText();
    if (box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        const QSignalBlocker quiet(box);
        box->addItem(text);
        box->setEditText(text);
    }
}

QComboBox* historyBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // the history grows by Find Next only
    box->setMinimumWidth(260);
    return box;
}
}  // namespace

QString FindDialog::nameOf(WindowKind kind) { return QLatin1String(rowOf(kind).name); }

FindDialog::FindDialog(AppState& app, WindowKind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      app_(app), kind_(kind) {
    setObjectName(nameOf(kind));
    setAttribute(Qt::WA_DeleteOnClose);  // only the close box closes; everything else hides
    setModal(false);
    setWindowTitle(QStringLiteral("Find"));
    buildControls();

    // Load
    EditorWindow* window = target();
    if (window) {
        EditorPane& pane = window->pane();
        pane.SetHideSelection(false);
        searchOrigin = pane.SelStart();
        if (pane.SelLength() != 0) tfind->setEditText(pane.SelText());
    }
    updateFindEnabled();
    if (window) window->pane().SetSelStart(0);
    directionMode = 1;
    searchFailed = false;
}

void FindDialog::buildControls() {
    Label1 = new QLabel(QStringLiteral("Text to find  :"), this);
    tfind = historyBox(this, "tfind");
    Label2 = new QLabel(QStringLiteral("Replace with  :"), this);
    treplace = historyBox(this, "treplace");

    Frame1 = new QGroupBox(QStringLiteral("Direction"), this);
    Option1 = new QRadioButton(QStringLiteral("&All"), Frame1);
    Option2 = new QRadioButton(QStringLiteral("&Down"), Frame1);
    Option3 = new QRadioButton(QStringLiteral("&Up"), Frame1);
    Option1->setChecked(true);
    auto* directions = new QVBoxLayout(Frame1);
    for (QRadioButton* option : {Option1, Option2, Option3}) directions->addWidget(option);

    Frame2 = new QGroupBox(QStringLiteral("Option"), this);
    Check1 = new QCheckBox(QStringLiteral("Whole Word &Only"), Frame2);
    Check2 = new QCheckBox(QStringLiteral("Match &Case"), Frame2);
    Check3 = new QCheckBox(QStringLiteral("No &Highlight"), Frame2);
    Check1->setChecked(true);
    auto* options = new QVBoxLayout(Frame2);
    for (QCheckBox* check : {Check1, Check2, Check3}) options->addWidget(check);

    findnext = new QPushButton(QStringLiteral("&Find Next"), this);
    Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    replace = new QPushButton(QStringLiteral("&Replace"), this);
    replaceAll = new QPushButton(QStringLiteral("Re&Place All"), this);
    help = new QPushButton(QStringLiteral("&Help"), this);
    findnext->setDefault(true);

    const struct {
        QObject* control;
        const char* name;
    } names[] = {{Label1, "Label1"},   {Label2, "Label2"},   {Frame1, "Frame1"},
                 {Option1, "Option1"}, {Option2, "Option2"}, {Option3, "Option3"},
                 {Frame2, "Frame2"},   {Check1, "Check1"},   {Check2, "Check2"},
                 {Check3, "Check3"},   {findnext, "findnext"}, {Cancel, "Cancel"},
                 {replace, "replace"}, {replaceAll, "replaceAll"}, {help, "help"}};
    for (const auto& entry : names) entry.control->setObjectName(QLatin1String(entry.name));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(tfind, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(treplace, 1, 1, 1, 2);
    grid->addWidget(Frame1, 2, 0, 1, 2);
    grid->addWidget(Frame2, 2, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {findnext, Cancel, replace, replaceAll, help})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 3, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(tfind, &QComboBox::editTextChanged, this, &FindDialog::updateFindEnabled);
    connect(treplace, &QComboBox::editTextChanged, this, &FindDialog::updateReplaceEnabled);
    connect(Option1, &QRadioButton::clicked, this, &FindDialog::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &FindDialog::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &FindDialog::Option3_Click);
    connect(findnext, &QPushButton::clicked, this, &FindDialog::findnext_Click);
    connect(replace, &QPushButton::clicked, this, &FindDialog::replace_Click);
    connect(replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAll_Click);
    connect(Cancel, &QPushButton::clicked, this, &FindDialog::Cancel_Click);
    connect(help, &QPushButton::clicked, this, [this] {
        if (app_.commands) app_.commands->run(QStringLiteral("mnuHelpContents"));
    });
}

EditorWindow* FindDialog::target() const { return app_.currentWindow(kind_); }

void FindDialog::updateFindEnabled() { findnext->setEnabled(!tfind->currentText().isEmpty()); }

void FindDialog::updateReplaceEnabled() {
    const bool any = !treplace->currentText().isEmpty();
    replace->setEnabled(any);
    replaceAll->setEnabled(any);
}

void FindDialog::message(const QString& text, const QString& title, MsgIcon icon) {
    // The searched window comes forward: the answer is about its text.
    if (EditorWindow* window = target(); window && app_.frame) app_.frame->bringForward(window);
    if (app_.dialogs) app_.dialogs->messageBox(text, title, MsgButtons::Ok, icon);
}

void FindDialog::showAndActivate() {
    show();
    raise();
    activateWindow();
    Activate();
}

void FindDialog::Activate() {
    if (EditorWindow* window = target(); window && window->pane().SelLength() != 0)
        tfind->setEditText(window->pane().SelText());
    updateFindEnabled();
    updateReplaceEnabled();
    searchFailed = false;
}

bool FindDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    return QDialog::event(event);
}

void FindDialog::closeEvent(QCloseEvent* event) {
    // The close box unloads the dialog; the next Find command loads a fresh one.
    event->accept();
}

void FindDialog::Option1_Click() {
    nextSearchStart = 0;
    directionMode = 1;
}

void FindDialog::Option2_Click() {
    nextSearchStart = searchOrigin;
    directionMode = 2;
}

void FindDialog::Option3_Click() {
    nextSearchStart = 0;
    directionMode = 3;
}

bool FindDialog::startSearch() {
    if (tfind->currentText().isEmpty()) {
        hide();
        message(QStringLiteral("Please enter text to search"), QStringLiteral("No text to find "),
                MsgIcon::None);
        return false;
    }
    remember(tfind);
    if (!treplace->currentText().isEmpty()) remember(treplace);
    return true;
}

int FindDialog::search(EditorPane& pane) {
    searchOptions = 0;
    searchFailed = false;
    if (Check1->isChecked()) searchOptions += FindWholeWord;
    if (Check2->isChecked()) searchOptions += FindMatchCase;
    if (Check3->isChecked()) searchOptions += FindNoHighlight;
    int found = pane.Find(tfind->currentText(), nextSearchStart.value_or(0), -1, searchOptions);
    if (directionMode == 3 && found > searchOrigin) found = -1;
    // After a failure the next search starts at the top, in Up mode too (a match past the
    // caret is no place to go on from).
    nextSearchStart = found + 1;
    return found;
}

QString FindDialog::regionFrom(int from) const {
    const bool upToCaret = directionMode == 3;
    if (from == 0 && !upToCaret) return WholeText;
    const QString start = from == 0                                      ? QStringLiteral("the top")
                          : (directionMode == 2 && from == searchOrigin) ? QStringLiteral("the caret")
                                                                         : QStringLiteral("the last match");
    return QStringLiteral("from %1 to %2")
        .arg(start, upToCaret ? QStringLiteral("the caret") : QStringLiteral("the end"));
}

void FindDialog::findnext_Click() {
    if (!startSearch()) return;
    EditorWindow* window = target();
    if (!window) {  // the window went away: the search ends without a word
        searchFailed = true;
        return;
    }
    EditorPane& pane = window->pane();
    const int from = nextSearchStart.value_or(0);
    if (search(pane) != -1) return;

    // The dialog goes away, so the user is always told why, and what was looked for where.
    searchFailed = true;
    hide();
    pane.SetSelStart(searchOrigin);
    QString text = QStringLiteral("Specified text not found in Specified region \n\n"
                                  "\u201C%1\u201D was not found %2.")
                       .arg(tfind->currentText(), regionFrom(from));
    if (from != 0) text += QStringLiteral(" The next search starts at the top.");
    message(text, QStringLiteral("No Result Found"), MsgIcon::Exclamation);
}

void FindDialog::replaceSelection(EditorPane& pane) {
    const int start = pane.SelStart();
    const int end = start + pane.SelLength();
    pane.SetSelText(treplace->currentText());
    const int after = pane.SelStart();
    // The caret the dialog started from stays with the text around it, so that Up still
    // stops where the user meant after the text above it grew or shrank.
    if (searchOrigin >= end)
        searchOrigin += after - end;
    else if (searchOrigin > start)
        searchOrigin = start;
    // The next search starts after the new text, so that a replacement that contains the
    // search text is not found again and Replace All comes to an end.
    nextSearchStart = after;
}

void FindDialog::replace_Click() {
    EditorWindow* window = target();
    if (!window) {
        searchFailed = true;
        return;
    }
    EditorPane& pane = window->pane();
    if (pane.SelLength() != 0) {
        if (searchFailed) return;
        if (treplace->currentText().isEmpty()) {
            hide();
            replaceRefused = true;
            return;
        }
        replaceSelection(pane);
        window->backup_code();
        replaceRefused = false;
    }
    findnext_Click();
}

// Replace All replaces every match in the direction's region, whatever was selected before,
// and reports what it did: how many it replaced, and where it looked when that was not the
// whole text. With No Highlight nothing is selected, so it only counts, and says so.
void FindDialog::replaceAll_Click() {
    if (treplace->currentText().isEmpty()) {
        hide();
        replaceRefused = true;
        return;
    }
    if (!startSearch()) return;
    EditorWindow* window = target();
    if (!window) return;
    EditorPane& pane = window->pane();
    const bool counting = Check3->isChecked();
    nextSearchStart = directionMode == 2 ? searchOrigin : 0;
    const QString region = regionFrom(*nextSearchStart);
    // However many replacements it makes, Replace All is one undo step: a snapshot before it,
    // which keeps any typing as a step of its own, and one after.
    window->backup_code();
    replaceCount = 0;
    DelayedProgress progress(QStringLiteral("Replacing..."), pane.TextLength(), window, true);
    bool cancelled = false;
    while (search(pane) != -1) {
        if (!counting) replaceSelection(pane);
        ++replaceCount;
        cancelled = !progress.advance(nextSearchStart.value_or(0));
        if (cancelled) break;
    }
    if (cancelled) {
        // A cancelled Replace All leaves the text as it was before it.
        window->undoRing().revert();
        replaceCount = 0;
        return;
    }
    window->backup_code();
    pane.SetSelStart(searchOrigin);

    QString report = counting ? QStringLiteral("%1 places found; nothing was replaced, as No "
                                               "Highlight is on.")
                                    .arg(replaceCount)
                              : QString::number(replaceCount) + QStringLiteral("  Results are replaced");
    if (region != WholeText) report += QStringLiteral("\nSearched %1.").arg(region);
    replaceCount = 0;
    searchFailed = false;
    hide();
    message(report, QStringLiteral("Replaceall result"), MsgIcon::None);
}

void FindDialog::Cancel_Click() {
    hide();
    if (!rowOf(kind_).cancelRestoresCaret) return;
    if (EditorWindow* window = target()) window->pane().SetSelStart(searchOrigin);
}
