#include "core/coloured_insertion.h"

#include "core/app_state.h"
#include "core/editor_window.h"

namespace {
void setStyle(EditorPane& pane, CharStyle style, bool on) {
    switch (style) {
    case CharStyle::None: break;
    case CharStyle::Bold: pane.SetSelBold(on); break;
    case CharStyle::Italic: pane.SetSelItalic(on); break;
    case CharStyle::Underline: pane.SetSelUnderline(on); break;
    case CharStyle::StrikeThru: pane.SetSelStrikeThru(on); break;
    }
}
}  // namespace

InsertBusyGuard::InsertBusyGuard(AppState& app) : app_(app) {
    app_.insertBusy = true;
    app_.keyInsertBusy = true;
}

InsertBusyGuard::~InsertBusyGuard() {
    app_.insertBusy = false;
    app_.keyInsertBusy = false;
}

void writeColoured(EditorPane& pane, const QString& text, Rgb colour, CharStyle style) {
    pane.SetSelColor(colour);
    setStyle(pane, style, true);
    pane.SetSelText(text);
    // The style ends with this piece: the next one is written without it.
    setStyle(pane, style, false);
}

void ColourQuotedValues(int& start, EditorWindow& window, int& end) {
    EditorPane& pane = window.pane();
    const QString quote = QStringLiteral("\"");
    pane.SetVisible(false);
    int pos = start;
    for (;;) {
        pane.Find(quote, pos);
        const int a = pane.SelStart();
        if (a < pos || a > end) break;
        pane.Find(quote, a + 1);
        const int b = pane.SelStart();
        if (b < pos || b > end) break;
        pane.SetSelStart(a);
        pane.SetSelLength(b - a + 1);
        if (pane.SelLength() > 1) pane.SetSelColor(window.app().htmlParamColor);
        pos = b + 1;
    }
    pane.SetVisible(true);
    pane.SetSelStart(end);
}

void insertWrapped(EditorWindow& window, const WrapTemplate& wrap) {
    EditorPane& pane = window.pane();
    const AppState& app = window.app();
    {
        InsertBusyGuard busy(window.app());
        const int start = pane.SelStart();
        QString content = pane.SelText();
        if (content.isEmpty()) content = wrap.placeholder;
        writeColoured(pane, wrap.opening, app.htmlTagColor);
        // A tag without a closing part replaces the selection and wraps nothing.
        if (!wrap.closing.isEmpty()) {
            writeColoured(pane, content, app.htmlTextColor, wrap.style);
            writeColoured(pane, wrap.closing, app.htmlTagColor);
            if (!content.isEmpty()) pane.Find(content, start);
        }
    }
    finishInsertion(window);
}

void finishInsertion(EditorWindow& window) {
    window.refreshPreviewIfSplit();
    window.backup_code();
}
