#include "search/spelling_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLocale>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <exception>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "core/rich_text_pane.h"
#include "core/scintilla_pane.h"
#include "platform/dialogs.h"
#include "platform/hunspell_engine.h"
#include "platform/spelling_engine.h"
#include "search/formatted_copy.h"

// What differs between spell (HTML windows) and docspell (document windows).
struct SpellKindRow {
    WindowKind kind;
    const char* name;
    // A word is the run between two of these; the double quote, CR and LF are added to each.
    const char* markingDelimiters;
    const char* suggestionDelimiters;
    bool tagNamesExempt;
    // OK writes plain text and has the window recolour it, else the formatted text.
    bool plainWriteBack;
    std::unique_ptr<EditorPane> (*makePane)(QWidget* parent);
};

namespace {
template <typename Pane>
std::unique_ptr<EditorPane> makePane(QWidget* parent) {
    return std::make_unique<Pane>(parent);
}

const SpellKindRow spellKinds[] = {
    {KindHtml, "spell", " ,;:'?<>@()./\\", " ,;:?<>@()./\\", true, true,
     &makePane<ScintillaPane>},
    {KindDocument, "docspell", " ,;:'?<>@().    ", " ,;:?<>@().", false, false,
     &makePane<RichTextPane>},
};

const SpellKindRow* rowOf(WindowKind kind) {
    for (const SpellKindRow& row : spellKinds)
        if (row.kind == kind) return &row;
    return nullptr;
}

QByteArray delimiterSet(const char* own) { return QByteArray(own) + "\"\r\n"; }

// Without a dictionary there is nothing to check with: the user is told what to install.
QString noDictionaryText() {
    QString packages = HunspellEngine::packageFor(QStringLiteral("en_US"));
    const QString own = QLocale::system().name();
    if (own.contains(QLatin1Char('_')) && own != QLatin1String("en_US"))
        packages = HunspellEngine::packageFor(own) + QStringLiteral(" or ") + packages;
    return QStringLiteral("No spelling dictionary is installed. Install the package %1 "
                          "(or the hunspell package of another language) and check again.")
        .arg(packages);
}

// A failing engine ends the pass it was in, silently; the text stays in the pane.
template <typename Pass>
void runPass(Pass&& pass) {
    try {
        pass();
    } catch (const std::exception&) {
    }
}
}  // namespace

SpellingDialog::SpellingDialog(AppState& app, WindowKind kind)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      app_(app), row_(*rowOf(kind)) {
    setObjectName(QLatin1String(row_.name));
    // The rest of the program takes no input while a check runs, so the document cannot change
    // under the text taken out of it. Its windows keep their enabled state.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Spelling check wizard"));
    pane_ = row_.makePane(this);
    if (row_.plainWriteBack) {
        pane_->SetBaseFont(app_.editorFontName.trimmed(), app_.editorFontSize);
        pane_->SetBackColor(app_.htmlBackColor);
    }
    buildControls();
}

SpellingDialog::~SpellingDialog() = default;

QString SpellingDialog::name() const { return QLatin1String(row_.name); }

SpellingDialog* SpellingDialog::open(AppState& app) {
    const WindowKind kind = WindowKind(app.activeWindowKind);
    if (!rowOf(kind) || !app.currentWindow(kind)) return nullptr;
    QPointer<SpellingDialog> dialog = new SpellingDialog(app, kind);
    if (!dialog->Load() && dialog) {
        dialog->release();
        dialog->QDialog::close();
        return nullptr;
    }
    return dialog;
}

void SpellingDialog::buildControls() {
    Label1 = new QLabel(QStringLiteral("Misspelled words:"), this);
    Label2 = new QLabel(QStringLiteral("Spelling suggestion:"), this);
    spell_sugg = new QListWidget(this);
    Label3 = new QLabel(QStringLiteral("Checking"), this);
    per = new QProgressBar(this);
    per->setTextVisible(false);
    ignore = new QPushButton(QStringLiteral("&Ignore"), this);
    change = new QPushButton(QStringLiteral("&Change"), this);
    close = new QPushButton(QStringLiteral("&OK"), this);
    cancle = new QPushButton(QStringLiteral("&Cancel"), this);
    dictionaryChoice = new QComboBox(this);
    dictionaryChoice->setObjectName(QStringLiteral("dictionaryChoice"));
    if (app_.spelling) {
        dictionaryChoice->addItems(app_.spelling->dictionaries());
        dictionaryChoice->setCurrentText(app_.spelling->dictionary());
    }
    dictionaryChoice->setVisible(dictionaryChoice->count() > 1);
    const struct {
        QObject* control;
        const char* name;
    } names[] = {{Label1, "Label1"}, {Label2, "Label2"}, {spell_sugg, "spell_sugg"},
                 {Label3, "Label3"}, {per, "per"},       {ignore, "ignore"},
                 {change, "change"}, {close, "close"},   {cancle, "cancle"}};
    for (const auto& entry : names) entry.control->setObjectName(QLatin1String(entry.name));
    pane_->widget()->setObjectName(QStringLiteral("rtf1"));
    pane_->widget()->setMinimumSize(360, 220);
    spell_sugg->setMinimumWidth(180);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(pane_->widget(), 1, 0, 2, 1);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(spell_sugg, 1, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(ignore, 0, 0);
    buttons->addWidget(change, 0, 1);
    buttons->addWidget(close, 1, 0);
    buttons->addWidget(cancle, 1, 1);
    grid->addLayout(buttons, 2, 1);
    auto* progress = new QHBoxLayout;
    progress->addWidget(Label3);
    progress->addWidget(per, 1);
    grid->addLayout(progress, 3, 0, 1, 2);
    grid->addWidget(dictionaryChoice, 4, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    connect(ignore, &QPushButton::clicked, this, &SpellingDialog::ignore_Click);
    connect(change, &QPushButton::clicked, this, &SpellingDialog::change_Click);
    connect(close, &QPushButton::clicked, this, &SpellingDialog::close_Click);
    connect(cancle, &QPushButton::clicked, this, &SpellingDialog::cancle_Click);
    connect(dictionaryChoice, &QComboBox::textActivated, this, &SpellingDialog::dictionaryChosen);
}

EditorWindow* SpellingDialog::target() const { return window_; }

void SpellingDialog::say(const QString& text, int icon) {
    speakIfOn(app_, text);
    if (window_) window_->ask(text, MsgButtons::Ok, MsgIcon(icon));
}

bool SpellingDialog::Load() {
    window_ = app_.currentWindow(row_.kind);
    EditorWindow* window = window_;
    if (!window || !app_.spelling) return false;
    if (!app_.spellingAvailable || !app_.spelling->available()) {
        say(noDictionaryText(), int(MsgIcon::Exclamation));
        return false;
    }
    show();
    pane_->SetText(QByteArray());
    scanStart = pane_->SelStart();
    change->setEnabled(false);
    ignore->setEnabled(false);

    EditorPane& document = window->pane();
    const QString selected = document.SelText();
    if (selected.isEmpty()) {
        say(QStringLiteral("Please select text to check spelling"), int(MsgIcon::Critical));
        return false;
    }
    bool correct = false;
    try {
        correct = app_.spelling->CheckSpelling(selected);
    } catch (const std::exception&) {
        return false;  // nothing has been taken out of the document yet
    }
    if (correct) {
        say(QStringLiteral("Spelling OK"), int(MsgIcon::None));
        return false;
    }

    takenFrom_ = document.SelStart();
    const int end = takenFrom_ + document.SelLength();
    savedSelection = document.SnapshotRange(takenFrom_, end);
    copyFormatted(document, takenFrom_, end, *pane_);
    scanEnd = pane_->SelStart();

    tagBefore_ = window->modifiedTag();
    app_.bulkEditBusy = true;
    app_.insertBusy = true;  // no recolouring of the document around the gap
    document.SetSelStart(takenFrom_);
    document.SetSelLength(end - takenFrom_);
    document.SetSelText(QString());
    app_.insertBusy = false;
    holdingText_ = true;

    QPointer<SpellingDialog> self(this);
    runPass([this] { markingPass(); });
    if (self) runPass([this] { suggestionPass(); });
    return true;
}

bool SpellingDialog::walkWord(const QByteArray& delimiters) {
    EditorPane& pane = *pane_;
    pane.SetSelStart(scanPos);
    pane.UpTo(delimiters, true);
    const int caret = pane.SelStart();
    if (caret >= scanEnd) return false;
    const int length = caret - scanPos;
    pane.SetSelStart(scanPos);
    pane.SetSelLength(length);
    scanPos = pane.SelStart() + length + 1;  // past the delimiter
    currentWord = pane.SelText();
    return true;
}

void SpellingDialog::selectLastWord() {
    pane_->SetSelStart(scanPos);
    pane_->SetSelLength(std::max(scanEnd - scanPos, 0));
    scanPos = scanEnd + 1;
    currentWord = pane_->SelText();
}

// Prose repeats its words, and a verdict cannot change during a check: each distinct word is
// judged once.
bool SpellingDialog::misspelled(const QString& word) {
    const auto known = verdicts_.find(word);
    if (known != verdicts_.end()) return known->second;
    const bool wrong = !app_.spelling->CheckSpelling(word) &&
                       !(row_.tagNamesExempt && app_.tables.IsTag(word.toLower()));
    verdicts_.emplace(word, wrong);
    return wrong;
}

void SpellingDialog::markingPass() {
    const QByteArray delimiters = delimiterSet(row_.markingDelimiters);
    verdicts_.clear();  // the check starts here; the suggestion pass goes on with its verdicts
    pane_->SetHideSelection(false);
    scanPos = scanStart;
    setWindowTitle(QStringLiteral("Please wait!checking spelling..."));
    per->setRange(0, scanEnd);
    per->setValue(0);
    // The bar moves in hundredths: finer steps cannot be seen and each one repaints it.
    const int step = std::max(scanEnd / 100, 1);
    int nextStep = 0;
    for (;;) {
        if (scanPos >= nextStep) {
            per->setValue(scanPos);
            nextStep = scanPos + step;
        }
        if (!walkWord(delimiters)) break;
        if (misspelled(currentWord)) pane_->SetSelColor(app_.htmlMisspelledColor);
    }
    selectLastWord();
    if (misspelled(currentWord)) pane_->SetSelColor(app_.htmlMisspelledColor);
    scanPos = scanStart;
    setWindowTitle(QStringLiteral("Spell Check wizard"));
    per->hide();
    Label3->hide();
}

void SpellingDialog::suggestionPass() {
    const QByteArray delimiters = delimiterSet(row_.suggestionDelimiters);
    change->setEnabled(false);
    ignore->setEnabled(false);
    spell_sugg->clear();
    QPointer<SpellingDialog> self(this);
    for (;;) {
        // The buttons stay responsive during a long walk; OK and Cancel end it.
        QCoreApplication::processEvents();
        if (!self || finished_) return;
        if (!walkWord(delimiters)) break;
        if (misspelled(currentWord)) {
            listSuggestions(false);
            return;
        }
    }
    if (scanEnd - scanPos > 0) {
        selectLastWord();
        if (misspelled(currentWord)) {
            pane_->SetSelColor(app_.htmlMisspelledColor);
            listSuggestions(true);
            return;
        }
    }
    pane_->SetSelStart(scanEnd);
}

void SpellingDialog::listSuggestions(bool preselectFirst) {
    change->setEnabled(true);
    ignore->setEnabled(true);
    spellSuggestions = app_.spelling->suggestions(currentWord);
    spell_sugg->clear();
    spell_sugg->addItems(spellSuggestions);
    if (spell_sugg->count() == 0) {
        spell_sugg->addItem(QStringLiteral("(No spelling suggestions)"));
        change->setEnabled(false);
    } else if (preselectFirst) {
        spell_sugg->setCurrentRow(0);
    }
}

void SpellingDialog::ignore_Click() {
    spell_sugg->clear();
    pane_->SetSelColor(app_.htmlTextColor);
    runPass([this] { suggestionPass(); });
}

void SpellingDialog::change_Click() {
    EditorPane& pane = *pane_;
    pane.SetSelColor(app_.htmlTextColor);
    const QList<QListWidgetItem*> chosen = spell_sugg->selectedItems();
    if (chosen.isEmpty()) {
        say(QStringLiteral("Please!Select suggestion from list"), int(MsgIcon::None));
        return;
    }
    const int at = pane.SelStart();
    const int oldLength = pane.SelLength();
    pane.SetSelText(chosen.first()->text());
    replacements_.push_back({at, oldLength, chosen.first()->text()});
    changed_ = true;
    // The walk goes on right after the new word, and the text ends where it now ends.
    const int shift = oldLength - (pane.SelStart() - at);
    scanPos -= shift;
    scanEnd -= shift;
    spell_sugg->clear();
    runPass([this] { suggestionPass(); });
}

void SpellingDialog::close_Click() {
    if (finished_) return;
    app_.bulkEditBusy = true;
    if (EditorWindow* window = target(); window && holdingText_) {
        EditorPane& document = window->pane();
        document.SetFocus();
        document.SetSelStart(takenFrom_);
        if (row_.plainWriteBack) {
            document.SetSelColor(app_.htmlTextColor);
            const int p = document.SelStart();
            document.SetSelText(pane_->TextString());
            window->recolourRange(p, document.SelStart() - p);
            window->refreshPreviewIfSplit();
        } else {
            putBackWithReplacements(document);
        }
        holdingText_ = false;
        window->backup_code();
        settleModified();
    }
    release();
    QDialog::close();
}

void SpellingDialog::cancle_Click() {
    restoreSelection();
    release();
    QDialog::close();
}

// A document gets back exactly what was taken out, with the changed words replaced: each new
// word takes the look of the one it replaces, and the caret ends after the text.
void SpellingDialog::putBackWithReplacements(EditorPane& document) {
    putBackTaken(document);
    int end = takenFrom_ + int(savedSelection.text.size());
    for (const Replacement& replacement : replacements_) {
        document.SetSelStart(takenFrom_ + replacement.at);
        document.SetSelLength(replacement.length);
        document.SetSelText(replacement.text);
        end += int(replacement.text.size()) - replacement.length;
    }
    document.SetSelStart(takenFrom_);
    document.SetSelLength(end - takenFrom_);
    pane_->SetSelStart(0);
    pane_->SetSelLength(pane_->TextLength());
    if (document.SelText() == pane_->SelText()) {
        document.SetSelStart(end);
        return;
    }
    // Words were also corrected by typing in the dialog: its text goes back as it stands.
    document.SetSelText(QString());
    copyFormatted(*pane_, 0, pane_->TextLength(), document);
}

// Puts what was taken out back into the document as it was, selection included.
void SpellingDialog::putBackTaken(EditorPane& document) {
    app_.insertBusy = true;
    document.RestoreRange(takenFrom_, takenFrom_, savedSelection);
    app_.insertBusy = false;
}

void SpellingDialog::restoreSelection() {
    if (!holdingText_) return;
    holdingText_ = false;
    EditorWindow* window = target();
    if (!window) return;
    putBackTaken(window->pane());
    changed_ = false;
    replacements_.clear();
    settleModified();
}

void SpellingDialog::settleModified() {
    if (EditorWindow* window = target())
        window->setModifiedTag(changed_ ? QStringLiteral("n") : tagBefore_);
}

void SpellingDialog::dictionaryChosen(const QString& name) {
    if (!app_.spelling || !app_.spelling->useDictionary(name)) return;
    pane_->SelectAll();
    pane_->SetSelColor(app_.htmlTextColor);
    QPointer<SpellingDialog> self(this);
    runPass([this] { markingPass(); });
    if (self) runPass([this] { suggestionPass(); });
}

void SpellingDialog::release() {
    finished_ = true;
    app_.bulkEditBusy = false;
}

void SpellingDialog::closeEvent(QCloseEvent* event) {
    // The close box must not lose the text taken out of the document: it restores as Cancel.
    if (!finished_) {
        restoreSelection();
        release();
    }
    event->accept();
}
