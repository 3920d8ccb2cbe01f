#include "tags/tag_parser.h"

#include "core/app_state.h"
#include "core/editor_window.h"
#include "platform/dialogs.h"

namespace {
// Characters that end a tag name. Line breaks are not among them.
const QByteArray nameDelimiters("<> .,=\"");

struct Bounds {
    int start;
    int limit;  // a "<" must stand before this position to be examined
};

Bounds boundsOf(const EditorPane& pane, ParseRange range) {
    const int caret = pane.SelStart();
    switch (range) {
    case ParseRange::AfterCaret: return {caret, pane.TextLength()};
    case ParseRange::BeforeCaret: return {0, caret};
    case ParseRange::Selection: return {caret, caret + pane.SelLength() + 1};
    default: return {0, pane.TextLength()};
    }
}
}  // namespace

int parseTags(EditorWindow& window, ParseRange range) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    const int caret = pane.SelStart();
    const Bounds bounds = boundsOf(pane, range);
    int unknown = 0;
    int next = bounds.start;
    for (;;) {
        pane.SetSelStart(next);
        pane.UpTo("<", true);
        const int open = pane.SelStart();
        if (pane.CharAt(open) != '<' || open >= bounds.limit) break;
        next = open + 1;
        pane.SetSelStart(next);
        pane.UpTo(nameDelimiters, true);
        const int nameEnd = pane.SelStart();

        const char first = pane.CharAt(next);
        if (first == '!') continue;  // comments and declarations
        if (first == '/') ++next;    // a closing tag is checked by its name
        if (nameEnd <= next) continue;
        pane.SetSelStart(next);
        pane.SetSelLength(nameEnd - next);
        const QString name = pane.SelText();
        if (app.tables.IsTag(name)) continue;
        ++unknown;
        app.dialogs->messageBox(QStringLiteral("Invalid HTML tag ") + name,
                                QStringLiteral("Invalid Tag found"), MsgButtons::Ok,
                                MsgIcon::Exclamation);
    }
    const QString summary = range == ParseRange::All ? QStringLiteral("No of Invalid Tag is  ")
                                                     : QStringLiteral("No of unavilable Tag is  ");
    app.dialogs->messageBox(summary + QString::number(unknown),
                            QStringLiteral("Tag Parsing complited successfully"), MsgButtons::Ok,
                            MsgIcon::None);
    pane.SetSelStart(caret);
    pane.SetFocus();
    return unknown;
}
