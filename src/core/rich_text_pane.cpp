#include "core/rich_text_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "core/plain_text_file.h"
#include "core/text_scan.h"

namespace {
constexpr int AlignLeftCode = 0;
constexpr int AlignRightCode = 1;
constexpr int AlignCentreCode = 2;

char byteOf(QChar c) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return '\r';
    return c.unicode() < 256 ? char(c.unicode()) : '?';
}

int alignmentCode(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return AlignRightCode;
    if (alignment & Qt::AlignHCenter) return AlignCentreCode;
    return AlignLeftCode;
}

Qt::Alignment alignmentOf(int code) {
    if (code == AlignRightCode) return Qt::AlignRight;
    if (code == AlignCentreCode) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QString withParagraphs(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
}  // namespace

RichTextPane::RichTextPane(QWidget* parent) : edit_(new QTextEdit(parent)) {
    edit_->setAcceptRichText(true);
    edit_->document()->setUndoRedoEnabled(false);
    cursor_ = QTextCursor(edit_->document());
    connect(edit_->document(), &QTextDocument::contentsChange, this,
            &RichTextPane::onContentsChange);
    input_ = new PaneInput(*this, edit_, edit_->viewport());
}

RichTextPane::~RichTextPane() {
    handler_ = nullptr;
    if (!edit_) return;
    delete input_.data();
    disconnect(edit_->document(), nullptr, this, nullptr);
    delete edit_.data();
}

QTextEdit* RichTextPane::textEdit() const { return edit_; }
QTextDocument* RichTextPane::document() const { return edit_->document(); }
QWidget* RichTextPane::widget() { return edit_; }

int RichTextPane::SelStart() const { return cursor_.selectionStart(); }
int RichTextPane::SelLength() const { return cursor_.selectionEnd() - cursor_.selectionStart(); }
// A document has no line-number margin nor current-line marker.
void RichTextPane::SetLineNumbersVisible(bool) {}
void RichTextPane::SetCurrentLineMarker(bool) {}
// The attributes of a position are its format (two bytes into the pane's format table) and the
// character itself (two bytes), since Text() cannot hold every character.
int RichTextPane::attributeBytes() const { return 4; }
PaneChanges RichTextPane::changesSinceMark() const { return tracker_.changes(); }
PaneSnapshot RichTextPane::markedStretch() const {
    return marked_.stretch(tracker_.changes(), attributeBytes());
}
void RichTextPane::markUnchanged() {
    marked_.update(*this, tracker_.changes());
    tracker_.mark();
}

QTextCharFormat RichTextPane::formatAt(int pos) const {
    const QTextBlock block = document()->findBlock(pos);
    if (!block.isValid()) return QTextCharFormat();
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(pos)) return it.fragment().charFormat();
    return block.charFormat();  // the paragraph break
}

// As a rich-edit control decides it: the attributes set on the empty selection, else those of
// the first selected character, else those of the character before the caret.
QTextCharFormat RichTextPane::insertionFormat() const {
    if (insertionOverride_) return *insertionOverride_;
    const int start = SelStart();
    if (SelLength() > 0) return formatAt(start);
    if (start > 0) return formatAt(start - 1);
    return TextLength() > 0 ? formatAt(0) : QTextCharFormat();
}

void RichTextPane::mergeSelectionFormat(const QTextCharFormat& change) {
    if (SelLength() == 0) {
        QTextCharFormat format = insertionFormat();
        format.merge(change);
        insertionOverride_ = format;
        return;
    }
    beforeCommand();
    formatting_ = true;
    cursor_.mergeCharFormat(change);
    // A selected paragraph break takes the change too: the look of a selection that starts at
    // one is read from it, and the buttons would otherwise never see their change.
    const int end = cursor_.selectionEnd();
    for (QTextBlock block = document()->findBlock(cursor_.selectionStart());
         block.isValid() && block.position() < end; block = block.next()) {
        const int breakAt = block.position() + block.length() - 1;
        if (breakAt >= cursor_.selectionStart() && breakAt < end)
            QTextCursor(block).mergeBlockCharFormat(change);
    }
    formatting_ = false;
}

void RichTextPane::placeSelection(int anchor, int caret) {
    const int length = TextLength();
    cursor_.setPosition(std::clamp(anchor, 0, length));
    cursor_.setPosition(std::clamp(caret, 0, length), QTextCursor::KeepAnchor);
    if (!selectionPending_ && visible_) edit_->viewport()->update();
    selectionPending_ = true;
    if (visible_ && !hideSelection_) scrollPending_ = true;
}

void RichTextPane::setSelection(int anchor, int caret) {
    placeSelection(anchor, caret);
    reportSelection();
}

void RichTextPane::reportSelection() {
    if (cursor_.anchor() == reportedAnchor_ && cursor_.position() == reportedCaret_) return;
    reportedAnchor_ = cursor_.anchor();
    reportedCaret_ = cursor_.position();
    insertionOverride_.reset();
    if (handler_) handler_->SelChange();
}

void RichTextPane::pushSelection() const {
    if (!selectionPending_ || !edit_) return;
    selectionPending_ = false;
    edit_->setTextCursor(cursor_);
    if (scrollPending_) edit_->ensureCursorVisible();
    scrollPending_ = false;
}

void RichTextPane::pullSelection() {
    selectionPending_ = false;
    cursor_ = edit_->textCursor();
}

void RichTextPane::finishEdit() {
    if (textChanged_) {
        textChanged_ = false;
        // An edit ends a look set on the empty selection. The text edit kept it for its caret
        // (a key that deletes passes it on too), so its caret starts afresh and what is typed
        // next takes the look of the character before it, as in a code pane.
        if (insertionOverride_ && !cursor_.hasSelection()) {
            QTextCursor fresh(document());
            fresh.setPosition(cursor_.position());
            edit_->setTextCursor(fresh);
            cursor_ = fresh;
        }
        insertionOverride_.reset();
        reportedAnchor_ = -1;
        if (handler_) handler_->Change();
    }
    reportSelection();
}

void RichTextPane::onContentsChange(int position, int removed, int added) {
    const int length = TextLength();
    position = std::clamp(position, 0, length);
    added = std::clamp(added, 0, length - position);
    // A paragraph's format is kept at each of its positions and at the break before it. A
    // removal that joins paragraphs, an alignment, or a paste of whole paragraphs may change
    // the format of the paragraphs it touches, all of them.
    int from = position;
    int to = position + added;
    if (removed > 0 || paragraphsChange_) {
        const QTextBlock first = document()->findBlock(position);
        const QTextBlock last = document()->findBlock(to);
        from = std::max(first.position() - 1, 0);
        to = std::min(last.position() + last.length(), length);
    }
    tracker_.restyled(from, to, length);
    if (formatting_) return;
    tracker_.edited(position, added, length);
    textChanged_ = true;
    if (busy_ == 0) {
        // Someone edited the document directly: finish once control returns to the loop.
        QMetaObject::invokeMethod(
            this, [this] { if (!selectionPending_) pullSelection(); finishEdit(); },
            Qt::QueuedConnection);
    }
}

void RichTextPane::beforeInput(bool typing) {
    pushSelection();
    ++busy_;
    if (typing && insertionOverride_) edit_->setCurrentCharFormat(*insertionOverride_);
}

void RichTextPane::afterInput() {
    --busy_;
    pullSelection();
    finishEdit();
}

void RichTextPane::SetSelStart(int pos) { setSelection(pos, pos); }

void RichTextPane::SetSelLength(int length) {
    const int start = SelStart();
    setSelection(start, start + std::max(length, 0));
}

QString RichTextPane::SelText() const {
    QString text = cursor_.selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void RichTextPane::SetSelText(const QString& text) {
    beforeCommand();
    const QTextCharFormat format = insertionFormat();
    ++busy_;
    cursor_.insertText(withParagraphs(text), format);
    --busy_;
    placeSelection(cursor_.position(), cursor_.position());
    finishEdit();
}

QFont RichTextPane::selectionFont() const {
    return insertionFormat().font().resolve(document()->defaultFont());
}

Rgb RichTextPane::SelColor() const {
    const QTextCharFormat format = insertionFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? fromQColor(format.foreground().color())
                                                            : makeRgb(0, 0, 0);
}
bool RichTextPane::SelBold() const { return selectionFont().bold(); }
bool RichTextPane::SelItalic() const { return selectionFont().italic(); }
bool RichTextPane::SelUnderline() const { return selectionFont().underline(); }
bool RichTextPane::SelStrikeThru() const { return selectionFont().strikeOut(); }
QString RichTextPane::SelFontName() const { return selectionFont().family(); }
int RichTextPane::SelFontSize() const { return selectionFont().pointSize(); }

void RichTextPane::SetSelColor(Rgb colour) {
    QTextCharFormat change;
    change.setForeground(toQColor(colour));
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelBold(bool on) {
    QTextCharFormat change;
    change.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelItalic(bool on) {
    QTextCharFormat change;
    change.setFontItalic(on);
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelUnderline(bool on) {
    QTextCharFormat change;
    change.setFontUnderline(on);
    // A format can hold an underlined font besides the underline style (pasted text brings
    // one), and the font drawn from it follows whichever of the two it lists last: both change.
    change.setProperty(QTextFormat::FontUnderline, on);
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelStrikeThru(bool on) {
    QTextCharFormat change;
    change.setFontStrikeOut(on);
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelFontName(const QString& name) {
    QTextCharFormat change;
    change.setFontFamilies({name.trimmed()});
    mergeSelectionFormat(change);
}
void RichTextPane::SetSelFontSize(int points) {
    QTextCharFormat change;
    change.setFontPointSize(points);
    mergeSelectionFormat(change);
}

int RichTextPane::SelAlignment() const {
    return alignmentCode(document()->findBlock(SelStart()).blockFormat().alignment());
}

void RichTextPane::SetSelAlignment(int alignment) {
    QTextBlockFormat change;
    change.setAlignment(alignmentOf(alignment));
    beforeCommand();
    formatting_ = paragraphsChange_ = true;
    cursor_.mergeBlockFormat(change);
    formatting_ = paragraphsChange_ = false;
}

QByteArray RichTextPane::Text() const {
    const int length = TextLength();
    QByteArray text(length, Qt::Uninitialized);
    const QString raw = document()->toRawText();
    for (int i = 0; i < length; ++i) text[i] = i < raw.size() ? byteOf(raw[i]) : '\r';
    return text;
}

void RichTextPane::SetText(const QByteArray& text) {
    beforeCommand();
    const QTextCharFormat format = TextLength() > 0 ? formatAt(0) : insertionFormat();
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    ++busy_;
    all.insertText(withParagraphs(QString::fromUtf8(text)), format);
    --busy_;
    placeSelection(0, 0);
    finishEdit();
}

QString RichTextPane::TextString() const { return document()->toPlainText(); }
int RichTextPane::TextLength() const { return document()->characterCount() - 1; }

char RichTextPane::CharAt(int pos) const {
    if (pos < 0 || pos >= TextLength()) return 0;
    return byteOf(document()->characterAt(pos));
}

void RichTextPane::SetBackColor(Rgb colour) {
    backColor_ = colour & 0xFFFFFF;
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, toQColor(backColor_));
    edit_->setPalette(palette);
}

// The base font is the document's default: text with a font of its own keeps it.
void RichTextPane::SetBaseFont(const QString& name, int points) {
    document()->setDefaultFont(QFont(name.trimmed(), points));
}

void RichTextPane::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    edit_->setUpdatesEnabled(visible);
    if (visible) pushSelection();
}

void RichTextPane::SetFocus() { edit_->setFocus(); }

int RichTextPane::Find(const QString& text, int start, int end, int options) {
    const int length = TextLength();
    const int limit = (end < 0 || end > length) ? length : end;
    if (text.isEmpty() || start > length) return -1;
    QTextDocument::FindFlags flags;
    if (options & FindWholeWord) flags |= QTextDocument::FindWholeWords;
    if (options & FindMatchCase) flags |= QTextDocument::FindCaseSensitively;
    QTextCursor from(document());
    from.setPosition(std::max(start, 0));
    QString needle = withParagraphs(text);
    needle.replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
    const QTextCursor hit = document()->find(needle, from, flags);
    if (hit.isNull() || hit.selectionEnd() > limit) return -1;
    if (!(options & FindNoHighlight)) setSelection(hit.selectionStart(), hit.selectionEnd());
    return hit.selectionStart();
}

// A forward move starts at the end of the selection, a backward one at its start.
void RichTextPane::UpTo(const QByteArray& characterSet, bool forward, bool negate) {
    const ByteSet set(characterSet);
    const int length = TextLength();
    const QTextDocument* doc = document();
    int pos = forward ? SelStart() + SelLength() : SelStart();
    if (forward) {
        while (pos < length && set.contains(byteOf(doc->characterAt(pos))) == negate) ++pos;
    } else {
        while (pos > 0 && set.contains(byteOf(doc->characterAt(pos - 1))) == negate) --pos;
    }
    setSelection(pos, pos);
}

int RichTextPane::GetLineFromChar(int pos) const {
    return document()->findBlock(std::clamp(pos, 0, TextLength())).blockNumber();
}

void RichTextPane::lineScroll(int lines) {
    pushSelection();
    QScrollBar* bar = edit_->verticalScrollBar();
    bar->setValue(bar->value() + lines * edit_->fontMetrics().lineSpacing());
}

int RichTextPane::lineCount() const { return document()->blockCount(); }

int RichTextPane::lineIndex(int line) const {
    if (line < 0 || line >= lineCount()) return -1;
    return document()->findBlockByNumber(line).position();
}

int RichTextPane::columnOf(int pos) const {
    return pos - document()->findBlock(pos).position() + 1;
}

int RichTextPane::firstVisibleLine() const {
    pushSelection();
    return edit_->cursorForPosition(QPoint(0, 0)).blockNumber();
}

QRect RichTextPane::caretRect() const {
    pushSelection();
    const QRect rect = edit_->cursorRect(cursor_);
    return QRect(edit_->viewport()->mapTo(edit_, rect.topLeft()), rect.size());
}

bool RichTextPane::LoadFile(const QString& path, FileKind kind, QString* error) {
    if (kind == FilePlainText) {
        const auto file = readPlainText(path, error);
        if (!file) return false;
        encoding_ = file->encoding;
        setPlainFileText(file->utf8);
        return true;
    }
    if (!codec_) {
        if (error) *error = path + QStringLiteral(": rich text cannot be read here");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QTextDocument read;
    read.setDefaultFont(document()->defaultFont());
    QStringList unkept;
    if (!codec_->read(file.readAll(), read, error, &unkept)) return false;
    unkept_ = unkept;
    encoding_ = TextEncoding::Utf8;
    lineBreak_ = LineBreak::CrLf;
    setFileKind(FileRichText);
    replaceWithFragment(0, TextLength(), QTextDocumentFragment(&read));
    placeSelection(0, 0);
    reportSelection();
    return true;
}

bool RichTextPane::SaveFile(const QString& path, FileKind kind, QString* error) {
    if (kind == FileRichText && !codec_) {
        if (error) *error = path + QStringLiteral(": rich text cannot be written here");
        return false;
    }
    const bool saved = kind == FilePlainText
                           ? writePlainText(path, plainFileText(), encoding_, error)
                           : writePlainText(path, codec_->write(*document()), TextEncoding::Utf8, error);
    if (saved) setFileKind(kind);
    return saved;
}

void RichTextPane::setFileKind(FileKind kind) {
    fileKind_ = kind;
    edit_->setAcceptRichText(kind == FileRichText);
}

// The raw text, not toPlainText(): that turns no-break spaces into spaces.
QByteArray RichTextPane::plainFileText() const {
    QString text = document()->toRawText();
    const QString lineBreak = QString::fromLatin1(lineBreakBytes(lineBreak_));
    text.replace(QChar::ParagraphSeparator, lineBreak);
    text.replace(QChar::LineSeparator, lineBreak);  // Shift+Enter: a plain file has lines only
    return text.toUtf8();
}

void RichTextPane::setPlainFileText(const QByteArray& utf8) {
    lineBreak_ = lineBreakOf(utf8);
    unkept_.clear();
    setFileKind(FilePlainText);
    SetText(utf8);
}

QString RichTextPane::firstUnencodable() const {
    return ::firstUnencodable(TextString().toUtf8(), encoding_);
}

void RichTextPane::SelPrint(QPrinter& printer) {
    if (SelLength() == 0) {
        document()->print(&printer);
        return;
    }
    QTextDocument part;
    QTextCursor(&part).insertFragment(cursor_.selection());
    part.print(&printer);
}

// A property set to what it would be anyway (not bold, left aligned, the document's own font
// and size, ...) shows nothing: a
// snapshot keeps formats without them, so that a command that changes nothing one can see
// is no undo step.
RichTextPane::Format RichTextPane::plainOf(Format format) const {
    QTextCharFormat& c = format.character;
    const QFont base = document()->defaultFont();
    if (c.hasProperty(QTextFormat::FontFamilies) && c.fontFamilies().toStringList() == QStringList{base.family()})
        c.clearProperty(QTextFormat::FontFamilies);
    if (c.hasProperty(QTextFormat::FontPointSize) && c.fontPointSize() == base.pointSizeF())
        c.clearProperty(QTextFormat::FontPointSize);
    if (c.hasProperty(QTextFormat::FontWeight) && c.fontWeight() == QFont::Normal)
        c.clearProperty(QTextFormat::FontWeight);
    for (const int flag :
         {QTextFormat::FontItalic, QTextFormat::FontStrikeOut, QTextFormat::FontUnderline})
        if (c.hasProperty(flag) && !c.boolProperty(flag)) c.clearProperty(flag);
    if (c.hasProperty(QTextFormat::TextUnderlineStyle) && !c.fontUnderline())
        c.clearProperty(QTextFormat::TextUnderlineStyle);
    for (QTextBlockFormat* paragraph : {&format.paragraph, &format.next}) {
        if (!paragraph->hasProperty(QTextFormat::BlockAlignment)) continue;
        const Qt::Alignment across = paragraph->alignment() & Qt::AlignHorizontal_Mask;
        if (across == Qt::AlignLeft) paragraph->clearProperty(QTextFormat::BlockAlignment);
        else paragraph->setAlignment(across);
    }
    return format;
}

quint16 RichTextPane::formatIndex(const Format& given) const {
    const Format format = plainOf(given);
    const auto known = std::find(formats_.begin(), formats_.end(), format);
    if (known != formats_.end()) return quint16(known - formats_.begin());
    formats_.push_back(format);
    return quint16(formats_.size() - 1);
}

PaneSnapshot RichTextPane::SnapshotRange(int from, int to) const {
    const int length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    PaneSnapshot piece;
    piece.text = Text().mid(from, to - from);
    piece.attributes = QByteArray(4 * (to - from), Qt::Uninitialized);
    auto put = [&](int pos, quint16 index, QChar c) {
        char* out = piece.attributes.data() + 4 * (pos - from);
        out[0] = char(index & 0xFF);
        out[1] = char(index >> 8);
        out[2] = char(c.unicode() & 0xFF);
        out[3] = char(c.unicode() >> 8);
    };
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const quint16 index = formatIndex({fragment.charFormat(), paragraph, {}});
            const QString text = fragment.text();
            for (int i = 0; i < text.size(); ++i) {
                const int pos = fragment.position() + i;
                if (pos >= from && pos < to) put(pos, index, text[i]);
            }
        }
        const int end = block.position() + block.length() - 1;
        if (end >= from && end < to)
            // The break is the start of the next paragraph: its character format is that
            // paragraph's, as a restore that inserts the break gives it.
            put(end, formatIndex({block.next().charFormat(), paragraph, block.next().blockFormat()}),
                QChar::ParagraphSeparator);
    }
    piece.selStart = SelStart();
    piece.selLength = SelLength();
    return piece;
}

void RichTextPane::RestoreRange(int from, int to, const PaneSnapshot& piece) {
    const int length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    const int size = int(piece.attributes.size() / 4);
    auto formatAt = [&](int i) -> const Format* {
        const quint16 index =
            quint16(quint8(piece.attributes[4 * i]) | quint8(piece.attributes[4 * i + 1]) << 8);
        return index < formats_.size() ? &formats_[index] : nullptr;
    };
    auto charAt = [&](int i) {
        return QChar(quint16(quint8(piece.attributes[4 * i + 2]) |
                             quint8(piece.attributes[4 * i + 3]) << 8));
    };
    QTextCursor edit(document());
    edit.setPosition(from);
    edit.setPosition(to, QTextCursor::KeepAnchor);
    // The paragraph the range starts in is unchanged up to it; removing the range may merge
    // another paragraph's format into it.
    const QTextBlockFormat opened = document()->findBlock(from).blockFormat();
    ++busy_;
    edit.removeSelectedText();
    for (int run = 0; run < size;) {
        const Format* format = formatAt(run);
        QString text;
        int end = run;
        for (; end < size && formatAt(end) == format; ++end) {
            const QChar c = charAt(end);
            text += c == QChar::ParagraphSeparator ? QChar('\n') : c;
        }
        edit.insertText(text, format ? format->character : QTextCharFormat());
        run = end;
    }
    // Each paragraph the piece touches, the one after it included, takes its own format back:
    // from the break that opens it when the piece holds that, else from its first position.
    QTextCursor(document()->findBlock(from)).setBlockFormat(opened);
    for (QTextBlock block = document()->findBlock(from);
         block.isValid() && block.position() <= from + size; block = block.next()) {
        const int opening = block.position() - 1 - from;
        const int first = std::max(block.position(), from) - from;
        const Format* format = nullptr;
        if (opening >= 0 && opening < size && charAt(opening) == QChar::ParagraphSeparator) {
            format = formatAt(opening);
            if (format) QTextCursor(block).setBlockFormat(format->next);
        } else if (first < size && (format = formatAt(first))) {
            QTextCursor(block).setBlockFormat(format->paragraph);
        }
    }
    --busy_;
    placeSelection(piece.selStart, piece.selStart + piece.selLength);
    finishEdit();
}

void RichTextPane::runWidgetEdit(void (QTextEdit::*edit)()) {
    beforeInput(true);
    (edit_->*edit)();
    afterInput();
}

// Other programs take the copy as rich text, HTML or plain text, whichever they read best.
void RichTextPane::Copy() {
    pushSelection();
    if (SelLength() == 0) return;
    auto* data = new QMimeData;
    const QTextDocumentFragment selection = cursor_.selection();
    data->setText(selection.toPlainText());
    data->setHtml(selection.toHtml());
    if (codec_) data->setData(QStringLiteral("text/rtf"), SelRTF());
    QApplication::clipboard()->setMimeData(data);
}

void RichTextPane::Cut() {
    if (SelLength() == 0) return;
    Copy();
    SetSelText(QString());
}

void RichTextPane::Paste() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    for (const char* type : {"text/rtf", "application/rtf", "text/richtext"}) {
        if (!codec_ || fileKind_ != FileRichText || !data || !data->hasFormat(QLatin1String(type)))
            continue;
        SetSelRTF(data->data(QLatin1String(type)));
        return;
    }
    beforeCommand();
    paragraphsChange_ = true;
    runWidgetEdit(&QTextEdit::paste);
    paragraphsChange_ = false;
}

QTextDocumentFragment RichTextPane::fragment(int from, int to) const {
    QTextCursor range(document());
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    return range.selection();
}

QByteArray RichTextPane::rtfOf(int from, int to) const {
    const QTextDocumentFragment piece = fragment(from, to);
    if (!codec_) return piece.toPlainText().toUtf8();
    QTextDocument part;
    part.setDefaultFont(document()->defaultFont());
    QTextCursor(&part).insertFragment(piece);
    return codec_->write(part);
}

void RichTextPane::replaceWithRtf(int from, int to, const QByteArray& rtf) {
    QTextDocument read;
    read.setDefaultFont(document()->defaultFont());
    if (!codec_ || !codec_->read(rtf, read, nullptr, nullptr)) read.setPlainText(QString::fromUtf8(rtf));
    replaceWithFragment(from, to, QTextDocumentFragment(&read));
}

void RichTextPane::replaceWithFragment(int from, int to, const QTextDocumentFragment& piece) {
    beforeCommand();
    QTextCursor edit(document());
    edit.setPosition(from);
    edit.setPosition(to, QTextCursor::KeepAnchor);
    ++busy_;
    paragraphsChange_ = true;
    edit.insertFragment(piece);
    paragraphsChange_ = false;
    --busy_;
    placeSelection(edit.position(), edit.position());
    finishEdit();
}

QByteArray RichTextPane::SelRTF() const { return rtfOf(SelStart(), SelStart() + SelLength()); }
void RichTextPane::SetSelRTF(const QByteArray& rtf) {
    replaceWithRtf(SelStart(), SelStart() + SelLength(), rtf);
}
void RichTextPane::SetSelFragment(const QTextDocumentFragment& piece) {
    replaceWithFragment(SelStart(), SelStart() + SelLength(), piece);
}
// The whole text is written as it stands, as Save writes it: no copy of the document first.
QByteArray RichTextPane::TextRTF() const {
    return codec_ ? codec_->write(*document()) : TextString().toUtf8();
}
void RichTextPane::SetTextRTF(const QByteArray& rtf) {
    replaceWithRtf(0, TextLength(), rtf);
    placeSelection(0, 0);
    reportSelection();
}
void RichTextPane::SelectAll() { setSelection(0, TextLength()); }
