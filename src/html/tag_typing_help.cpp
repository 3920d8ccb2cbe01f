#include "html/tag_typing_help.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "core/coloured_insertion.h"
#include "core/delimited_reader.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "core/list_narrowing.h"
#include "core/edit_keys.h"
#include "html/autotag_list.h"

namespace {
constexpr int ListWidth = 150;
constexpr int ListHeight = 132;
constexpr int Gap = 4;
constexpr int LongestTagName = 14;  // longer names are never looked up

const char* const PanelStyle =
    "background: #ffffe1; color: #202020; border: 1px solid #8a8a70; padding: 1px 4px;";
}  // namespace

TagTypingHelp::TagTypingHelp(EditorWindow& window) : window_(window) {
    autotag_ = new AutotagList(&window);
    autotag_->resize(ListWidth, ListHeight);
    QObject::connect(autotag_, &AutotagList::insertRequested, [this] { insertSelectedTag(); });
    QObject::connect(autotag_, &AutotagList::characterTyped,
                     [this](const QString& character) { typeIntoPane(character); });
    QObject::connect(autotag_, &AutotagList::focusBackToPane, [this] { focusPane(); });

    hint_ = new QLabel(&window);
    hint_->setStyleSheet(QLatin1String(PanelStyle));
    hint_->hide();

    tooltip_ = new QLineEdit(&window);
    tooltip_->setObjectName(QStringLiteral("tooltip"));
    tooltip_->setReadOnly(true);
    tooltip_->setFocusPolicy(Qt::NoFocus);
    tooltip_->setStyleSheet(QLatin1String(PanelStyle));
    tooltip_->hide();

    // The right button brings up the frame's edit menu instead of the pane's own.
    window.pane().widget()->setContextMenuPolicy(Qt::PreventContextMenu);
}

// A window may swap its help for another; the widgets go with the help.
TagTypingHelp::~TagTypingHelp() {
    delete autotag_;
    delete hint_;
    delete tooltip_;
}

void TagTypingHelp::initautotag() {
    QFile file(window_.app().programFolder + QStringLiteral("/tag.tsh"));
    // Start-up has already refused a missing tag file; an unreadable one leaves the list empty.
    if (!file.open(QIODevice::ReadOnly)) return;
    autotag_->fill(readDelimitedItems(QString::fromUtf8(file.readAll())));
}

QRect TagTypingHelp::caretInWindow() const {
    QWidget* pane = window_.pane().widget();
    const QRect caret = window_.pane().caretRect();
    return QRect(pane->mapTo(&window_, caret.topLeft()), caret.size());
}

void TagTypingHelp::tagNameTyped(const QString& typed) {
    // Only the tags that begin with what was typed stay; the first of them is chosen.
    const int best = narrowToTyped(*autotag_, autotag_->count(),
                                   [this](int row) { return autotag_->item(row)->text(); }, typed);
    if (best < 0) {
        hideList();
        return;
    }
    autotag_->setCurrentRow(best);
    if (listVisible()) return;
    const QRect caret = caretInWindow();
    hint_->setText(QStringLiteral("Press Shift + Space to add selected Tag"));
    hint_->adjustSize();
    // Below the caret's line when there is room, otherwise above it.
    const int below = caret.bottom() + Gap;
    const bool roomBelow = below + ListHeight + hint_->height() <= window_.height();
    const int x = qBound(0, caret.left(), qMax(0, window_.width() - ListWidth));
    const int y = roomBelow ? below : qMax(0, caret.top() - Gap - ListHeight - hint_->height());
    autotag_->move(x, y);
    hint_->move(x, y + ListHeight);
    tooltip_->move(x + ListWidth + Gap, y);
    autotag_->show();
    autotag_->raise();
    hint_->show();
    hint_->raise();
}

void TagTypingHelp::hideList() {
    autotag_->hide();
    hint_->hide();
}

void TagTypingHelp::hideTooltip() { tooltip_->hide(); }

bool TagTypingHelp::listVisible() const { return autotag_->isVisible(); }

void TagTypingHelp::tagRecognised(const QString& tooltip) {
    const QString text = tooltip.trimmed();
    if (text.isEmpty()) {
        hideTooltip();
        return;
    }
    tooltip_->setText(text);
    tooltip_->resize(tooltip_->fontMetrics().horizontalAdvance(text) + 16,
                     tooltip_->sizeHint().height());
    if (!listVisible()) {
        // Just above the caret's line, so the text being typed stays readable.
        const QRect caret = caretInWindow();
        const int above = caret.top() - Gap - tooltip_->height();
        tooltip_->move(caret.right() + 2 * Gap,
                       above >= 0 ? above : caret.bottom() + Gap);
    }
    tooltip_->show();
    tooltip_->raise();
}

QString TagTypingHelp::openingTagBeforeCaret() const {
    const EditorPane& pane = window_.pane();
    const int caret = pane.SelStart();
    int open = caret - 1;
    while (open >= 0 && pane.CharAt(open) != '<' && pane.CharAt(open) != '>') --open;
    if (open < 0 || pane.CharAt(open) != '<') return {};
    QByteArray name;
    for (int pos = open + 1; pos < caret; ++pos) {
        const char c = pane.CharAt(pos);
        if (c == ' ' || c == '\r' || c == '\n') break;
        name += c;
    }
    if (name.startsWith('/') || name.startsWith('!')) return {};
    return QString::fromLatin1(name);
}

bool TagTypingHelp::closingTagTypedBeforeWrittenOne(int& keyAscii) {
    EditorPane& pane = window_.pane();
    const int caret = pane.SelStart();
    const int closing = int(writtenClosing_.size());
    if (writtenClosingTail_ < 0 || pane.SelLength() > 0 ||
        pane.TextLength() - writtenClosingTail_ - closing != caret)
        return false;
    const QByteArray typed = pane.TextRange(caret - (closing - 1), caret);
    if (pane.TextRange(caret, caret + closing) != writtenClosing_ ||
        typed.compare(writtenClosing_.chopped(1), Qt::CaseInsensitive) != 0)
        return false;
    writtenClosingTail_ = -1;
    pane.SetSelLength(closing);
    pane.SetSelText(QStringLiteral(">"));
    keyAscii = 0;
    return true;
}

void TagTypingHelp::closingBracketTyped(int& keyAscii) {
    if (closingTagTypedBeforeWrittenOne(keyAscii)) return;
    AppState& app = window_.app();
    const QString name = openingTagBeforeCaret();
    if (name.isEmpty() || name.size() > LongestTagName) return;
    if (!app.tables.IsTag(name) || !app.tables.results.foundTagCloses) return;
    // The typed ">" ends the opening tag; the closing one follows, and the caret stands
    // between them, where the tag's content goes.
    EditorPane& pane = window_.pane();
    const int opened = pane.SelStart() + 1;
    app.keyInsertBusy = true;
    app.colourOnChange = true;
    const QString closing = QStringLiteral("</") + name.toLower() + QLatin1Char('>');
    writeColoured(pane, QLatin1Char('>') + closing, app.htmlTagColor);
    writtenClosing_ = closing.toLatin1();
    writtenClosingTail_ = pane.TextLength() - pane.SelStart();
    pane.SetSelStart(opened);
    app.keyInsertBusy = false;
    keyAscii = 0;
}

void TagTypingHelp::insertSelectedTag() {
    const QListWidgetItem* chosen = autotag_->currentItem();
    if (!chosen) return;
    EditorPane& pane = window_.pane();
    const int typedEnd = pane.SelStart();
    pane.UpTo(QByteArrayLiteral("<"), false);
    int nameStart = pane.SelStart();
    if (nameStart == 0 || pane.CharAt(nameStart - 1) != '<') {
        pane.SetSelStart(typedEnd);  // no tag being typed: leave the text alone
        return;
    }
    if (pane.CharAt(nameStart) == '/' && nameStart < typedEnd) ++nameStart;
    pane.SetSelStart(nameStart);
    pane.SetSelLength(typedEnd - nameStart);
    pane.SetSelText(chosen->text());
    pane.SetHideSelection(false);
    hideList();
}

void TagTypingHelp::typeIntoPane(const QString& character) {
    window_.pane().SetSelText(character);
}

void TagTypingHelp::focusPane() { window_.pane().SetFocus(); }

void TagTypingHelp::KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
    const bool shiftHeld = shift & Qt::ShiftModifier;
    if (listVisible()) {
        const bool takes = keyCode == Qt::Key_Tab || keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter;
        if ((shiftHeld && keyCode == Qt::Key_Space) || (!shiftHeld && takes)) {
            insertSelectedTag();
            keyCode = 0;
            return;
        }
        if (keyCode == Qt::Key_Escape) {
            hideList();
            keyCode = 0;
            return;
        }
        if (!shiftHeld && keyCode == Qt::Key_Up) {
            hideList();
            hideTooltip();
            return;
        }
        if (!shiftHeld && keyCode == Qt::Key_Down) {
            autotag_->setFocus();
            if (autotag_->currentRow() < 0 && autotag_->count() > 0) autotag_->setCurrentRow(0);
            keyCode = 0;
            return;
        }
    }
    handleEditShortcut(window_, keyCode, shift);
}

void TagTypingHelp::KeyUp(int& keyCode, Qt::KeyboardModifiers shift) {
    Q_UNUSED(shift)
    if (keyCode == Qt::Key_Menu)
        popupEditMenuAt(window_, window_.pane().caretRect().bottomLeft());
}

void TagTypingHelp::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                              int y) {
    Q_UNUSED(shift)
    if (button == Qt::RightButton) popupEditMenuAt(window_, QPoint(x, y));
}
