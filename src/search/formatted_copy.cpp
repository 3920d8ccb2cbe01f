#include "search/formatted_copy.h"

#include "core/rich_text_pane.h"

namespace {
struct Look {
    Rgb colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QString font;
    int size = 0;
    int alignment = 0;
    bool operator==(const Look&) const = default;
};

Look lookOfSelection(const EditorPane& pane) {
    return {pane.SelColor(),     pane.SelBold(),     pane.SelItalic(),
            pane.SelUnderline(), pane.SelStrikeThru(), pane.SelFontName(),
            pane.SelFontSize(),  pane.SelAlignment()};
}

void applyLook(EditorPane& pane, const Look& look) {
    pane.SetSelColor(look.colour);
    pane.SetSelBold(look.bold);
    pane.SetSelItalic(look.italic);
    pane.SetSelUnderline(look.underline);
    pane.SetSelStrikeThru(look.strike);
    pane.SetSelFontName(look.font);
    pane.SetSelFontSize(look.size);
    pane.SetSelAlignment(look.alignment);
}

Look lookAt(EditorPane& pane, int pos) {
    pane.SetSelStart(pos);
    pane.SetSelLength(1);
    return lookOfSelection(pane);
}

// Two document panes hand over the stretch whole, paragraph formats included: the same result as
// the walk below, without selecting each character to read its look.
bool copyBetweenDocumentPanes(EditorPane& source, int from, int to, EditorPane& target) {
    auto* richSource = dynamic_cast<RichTextPane*>(&source);
    auto* richTarget = dynamic_cast<RichTextPane*>(&target);
    if (!richSource || !richTarget) return false;
    richTarget->SetSelLength(0);
    richTarget->SetSelFragment(richSource->fragment(from, to));
    return true;
}
}  // namespace

void copyFormatted(EditorPane& source, int from, int to, EditorPane& target) {
    if (copyBetweenDocumentPanes(source, from, to, target)) return;
    int runStart = from;
    while (runStart < to) {
        const Look look = lookAt(source, runStart);
        int runEnd = runStart + 1;
        while (runEnd < to && lookAt(source, runEnd) == look) ++runEnd;
        source.SetSelStart(runStart);
        source.SetSelLength(runEnd - runStart);
        const int at = target.SelStart();
        target.SetSelText(source.SelText());
        const int end = target.SelStart();
        target.SetSelStart(at);
        target.SetSelLength(end - at);
        applyLook(target, look);
        target.SetSelStart(end);
        runStart = runEnd;
    }
}
