// The colouring passes of a script window: the whole text (new, open, recolour-all), and the
// lines of what was edited (typing, paste, undo, a command). The scan itself is in
// script_scan.cpp; these passes decide where it runs and hand its runs to the panes.
#include <QApplication>
#include <QClipboard>
#include <utility>

#include "script/script_scan.h"
#include "script/script_window.h"
#include "script/wait_window.h"

namespace {
// The whole-text pass colours this much text between two looks at the progress bar.
constexpr int ChunkBytes = 1 << 16;

void applyRuns(EditorPane& pane, RunList& runs) {
    if (!runs.runs().empty()) pane.colourRuns(runs.runs());
    runs.clear();
}

// Writes the table's spelling over each word; the spellings are as long as the words.
void applyFixes(EditorPane& pane, const std::vector<SpellingFix>& fixes, int offset) {
    for (const SpellingFix& fix : fixes) {
        pane.SetSelStart(offset + fix.pos);
        pane.SetSelLength(int(fix.spelling.size()));
        pane.SetSelText(QString::fromUtf8(fix.spelling));
    }
}

}  // namespace

void ScriptWindow::colourAll() {
    EditorPane& p = pane();
    busy = true;
    WaitWindow::show();
    const int caret = p.SelStart();
    p.SetHideSelection(true);
    p.SetVisible(false);

    p.takeEditedStretch();  // all of it is coloured now
    const QByteArray text = p.Text();
    const int length = int(text.size());
    const ScriptColours c = colours();
    RunList runs;
    const ScanRequest request{text, c, row_.commentMarker, words(), runs};
    for (int pos = 0; pos < length;) {
        pos = scanWords(request, pos, std::min(length, pos + ChunkBytes));
        applyRuns(p, runs);
        WaitWindow::progress(int(qint64(pos) * 100 / length));
    }

    // Shown again first, so that the view goes back to the caret rather than the last run.
    p.SetVisible(true);
    p.SetHideSelection(false);
    p.SetSelStart(caret);
    busy = false;
    backup_code();
    WaitWindow::hide();
    statusUpdate();
}

void ScriptWindow::pasteFromClipboard() {
    if (busy) return;
    EditorPane& p = pane();
    const int start = p.SelStart();
    busy = true;
    p.Paste();
    busy = false;
    const int end = p.SelStart();
    if (end == start && p.SelLength() == 0) return;  // nothing was pasted
    colourEdits(Respell::All);
    backup_code();
    markModified();
}

void ScriptWindow::colourEdits(Respell respell) {
    EditorPane& p = pane();
    const PaneChanges edits = p.takeEditedStretch();
    const int length = p.TextLength();
    if (!edits.any || length == 0) return;
    // Whole lines: nothing carries from one line to the next.
    const int from = p.lineIndex(p.GetLineFromChar(std::min(edits.head, length)));
    const int next = p.lineIndex(p.GetLineFromChar(std::max(edits.head, length - edits.tail)) + 1);
    const int to = next < 0 ? length : next;
    const QByteArray text = p.TextRange(from, to);
    const int caret = p.SelStart();
    const int selected = p.SelLength();

    const ScriptColours c = colours();
    RunList runs;
    std::vector<SpellingFix> fixes;
    ScanRequest request{text, c, row_.commentMarker, words(), runs};
    SpellingFix kept{-1, {}};
    const bool typing = respell == Respell::AllButTheWordTyped;
    if (respell != Respell::None && row_.correctsCase) {
        request.fixes = &fixes;
        request.keepWordAt = typing ? caret - from : -1;
        request.keptFix = &kept;
    }
    scanWords(request, 0, int(text.size()));
    if (typing) leftWord_ = {kept.pos < 0 ? -1 : from + kept.pos, kept.spelling};

    busy = true;
    applyFixes(p, fixes, from);
    p.takeEditedStretch();  // a respelt word keeps its colour
    runs.shift(from);
    applyRuns(p, runs);
    p.SetSelStart(caret);
    p.SetSelLength(selected);
    busy = false;
}

void ScriptWindow::correctLeftWord(bool atEnd) {
    if (leftWord_.pos < 0 || busy) return;
    EditorPane& p = pane();
    const int from = leftWord_.pos;
    const int to = from + int(leftWord_.spelling.size());
    const int selStart = p.SelStart();
    const int selLength = p.SelLength();
    const bool onWord = selLength == 0 && selStart >= from && selStart <= to;
    if (onWord && !(atEnd && selStart == to)) return;
    const SpellingFix fix = std::exchange(leftWord_, {-1, {}});
    // The text may have changed under the word since it was typed: only the same word is fixed.
    const int length = p.TextLength();
    const QByteArray around = p.TextRange(std::max(0, from - 1), std::min(length, to + 1));
    const int offset = from > 0 ? 1 : 0;
    if (!isWholeWord(around, offset, offset + int(fix.spelling.size())) ||
        around.mid(offset, fix.spelling.size()).compare(fix.spelling, Qt::CaseInsensitive) != 0)
        return;
    busy = true;
    p.SetSelStart(from);
    p.SetSelLength(to - from);
    p.SetSelText(QString::fromUtf8(fix.spelling));
    p.SetSelStart(selStart);
    p.SetSelLength(selLength);
    busy = false;
}

void ScriptWindow::recolourAll() {
    if (busy) return;
    AppState& a = app();
    EditorPane& p = pane();
    Copies& copy = *copies_;
    const int caret = p.SelStart();
    bool changed = false;
    if (a.fontChanged) {
        const bool newName = a.editorFontName != copy.fontName;
        if (newName || a.editorFontSize != copy.fontSize) {
            copy.fontName = a.editorFontName;
            copy.fontSize = a.editorFontSize;
            p.SetBaseFont(a.editorFontName.trimmed(), a.editorFontSize);
            busy = true;
            p.SelectAll();
            if (newName) p.SetSelFontName(a.editorFontName.trimmed());
            p.SetSelFontSize(a.editorFontSize);
            busy = false;
            changed = true;
        }
        p.SetSelStart(caret);
    }
    // The text colour is compared after either dialog: the colour dialog sets it too.
    if (a.fontChanged || a.coloursChanged) {
        for (auto [current, kept] :
             {std::pair{a.scriptTextColor, &copy.text}, std::pair{a.scriptKeywordColor, &copy.keyword},
              std::pair{a.scriptObjectColor, &copy.object}, std::pair{a.scriptParamColor, &copy.param},
              std::pair{a.scriptCommentColor, &copy.comment}}) {
            if (current == *kept) continue;
            *kept = current;
            changed = true;
        }
    }
    if (changed) colourAll();
}
