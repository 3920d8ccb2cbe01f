#include "tags/tag_insertion.h"

#include <cstring>

#include "core/app_state.h"
#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "tags/tag_templates.h"

namespace {
const QByteArray quote("\"");

bool hasQuote(const TagTemplate& row) {
    return std::strchr(row.opening, '"') || std::strchr(row.closing, '"');
}

// The common shape: nothing to colour but the three pieces, the content selected again.
bool isPlainWrap(const TagTemplate& row) {
    return row.colouring == TagColouring::Wrap && row.caret == TagCaret::SelectContent &&
           !hasQuote(row);
}

void placeCaret(EditorPane& pane, const TagTemplate& row, int start, int end, int contentPos) {
    switch (row.caret) {
    case TagCaret::SelectContent:
        break;  // the content was selected when it was found
    case TagCaret::FirstValue:
        moveCaretPast(pane, start, quote, true, 1);
        break;
    case TagCaret::LastValue:
        moveCaretPast(pane, end, quote, false, -1);
        break;
    case TagCaret::AfterMark:
        // After "//" for a slash, so that the caret stands where the host name goes.
        moveCaretPast(pane, start, QByteArray(1, row.mark), true, row.mark == '/' ? 2 : 1);
        break;
    case TagCaret::AfterOpenTag:
        moveCaretPast(pane, end - 1, ">", false, 0);
        break;
    case TagCaret::End:
        pane.SetSelStart(end);
        break;
    case TagCaret::OneBack:
        pane.SetSelStart(end - 1);
        break;
    case TagCaret::StrongId:
        if (contentPos >= 0) moveCaretPast(pane, contentPos, quote, false, -1);
        break;
    case TagCaret::MetaContent: {
        const int at = pane.Find(QStringLiteral("content"), start);
        if (at >= 0) moveCaretPast(pane, at, quote, true, 1);
        break;
    }
    case TagCaret::MailAddress:
        pane.Find(QString::fromLatin1(mailPlaceholder), start);
        break;
    }
}
}  // namespace

QString rgbTriple(Rgb colour) {
    return QStringLiteral("%1,%2,%3").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

void moveCaretPast(EditorPane& pane, int from, const QByteArray& set, bool forward, int step) {
    pane.SetSelStart(from);
    pane.UpTo(set, forward);
    if (step != 0) pane.SetSelStart(pane.SelStart() + step);
}

void insertTag(EditorWindow& window, const TagTemplate& row) {
    EditorPane& pane = window.pane();
    if (isPlainWrap(row)) {
        insertWrapped(window, {QString::fromLatin1(row.opening),
                               QString::fromLatin1(row.placeholder),
                               QString::fromLatin1(row.closing), row.style});
        pane.SetFocus();
        return;
    }

    AppState& app = window.app();
    {
        InsertBusyGuard busy(app);
        int start = pane.SelStart();
        QString content;
        if (row.placeholder) {
            content = pane.SelText();
            if (content.isEmpty()) content = QString::fromLatin1(row.placeholder);
        }
        const QString opening = QString::fromLatin1(row.opening);
        const QString closing = QString::fromLatin1(row.closing);
        const QString body = content + QString::fromLatin1(row.afterContent);
        switch (row.colouring) {
        case TagColouring::Wrap:
            writeColoured(pane, opening, app.htmlTagColor);
            writeColoured(pane, body, app.htmlTextColor, row.style);
            writeColoured(pane, closing, app.htmlTagColor);
            break;
        case TagColouring::Comment:
            writeColoured(pane, opening + body + closing, app.htmlCommentColor);
            break;
        default:
            writeColoured(pane, opening + body + closing, app.htmlTagColor);
            break;
        }
        int end = pane.SelStart();
        if (hasQuote(row)) ColourQuotedValues(start, window, end);

        int contentPos = -1;
        const bool findContent = row.colouring == TagColouring::OnePiece ||
                                 row.caret == TagCaret::SelectContent;
        if (findContent && !content.isEmpty()) {
            contentPos = pane.Find(content, start, row.findWithinInsertion ? end : -1);
            if (contentPos >= 0 && row.colouring == TagColouring::OnePiece)
                pane.SetSelColor(app.htmlTextColor);
        }
        placeCaret(pane, row, start, end, contentPos);
        window.typingPairs().noteEmptyQuotes(pane);
        if (row.textColourAfter) pane.SetSelColor(app.htmlTextColor);
        pane.SetFocus();
    }
    if (row.colouring != TagColouring::Meta && !row.skipFinish) finishInsertion(window);
}
