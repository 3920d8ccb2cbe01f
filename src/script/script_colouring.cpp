// The colouring passes of a script window: the whole text (new, open, recolour-all), the
// stretch of a paste, and the caret's line after each change. The scan itself is in
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

// The bytes of [from, to) without moving the selection.
QByteArray bytesOf(const EditorPane& pane, int from, int to) {
    return pane.SnapshotRange(from, to).text;
}

// Writes the table's spelling over each word; the spellings are as long as the words.
void applyFixes(EditorPane& pane, const std::vector<SpellingFix>& fixes, int offset) {
    for (const SpellingFix& fix : fixes) {
        pane.SetSelStart(offset + fix.pos);
        pane.SetSelLength(int(fix.spelling.size()));
        pane.SetSelText(QString::fromUtf8(fix.spelling));
    }
}

// The colour text typed at pos would take.
Rgb colourBefore(EditorPane& pane, int pos) {
    pane.SetSelStart(pos);
    return pane.SelColor();
}
}  // namespace

void ScriptWindow::colourAll() {
    EditorPane& p = pane();
    busy = true;
    WaitWindow::show();
    const int caret = p.SelStart();
    p.SetHideSelection(true);
    p.SetVisible(false);

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
    pairQuotes(text, 0, length, c.param, runs);
    applyRuns(p, runs);

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
    colourPasted(start, end);
    markModified();
}

void ScriptWindow::colourPasted(int from, int to) {
    EditorPane& p = pane();
    busy = true;
    p.SetVisible(false);
    const int lineStart = p.lineIndex(p.GetLineFromChar(from));
    const QByteArray text = bytesOf(p, lineStart, to);
    const ScriptColours c = colours();
    RunList runs;
    std::vector<SpellingFix> fixes;
    ScanRequest request{text, c, row_.commentMarker, words(), runs};
    if (row_.correctsCase) request.fixes = &fixes;
    scanWords(request, 0, int(text.size()));
    pairQuotes(text, 0, int(text.size()), c.param, runs);
    applyFixes(p, fixes, lineStart);
    runs.shift(lineStart);
    applyRuns(p, runs);
    p.SetSelStart(to);
    p.SetVisible(true);
    busy = false;
    backup_code();
    statusUpdate();
}

void ScriptWindow::colourLine() {
    EditorPane& p = pane();
    const int length = p.TextLength();
    if (length == 0) return;
    const int caret = p.SelStart();
    busy = true;
    const int line = p.GetLineFromChar(caret);
    const int start = p.lineIndex(line);
    const int next = p.lineIndex(line + 1);
    int end = next < 0 ? length : next;
    while (end > start && (p.CharAt(end - 1) == '\n' || p.CharAt(end - 1) == '\r')) --end;

    const QByteArray text = bytesOf(p, start, end);
    EditorPane& scratch = code1();
    scratch.SetText(text);
    const ScriptColours c = colours();
    RunList runs;
    std::vector<SpellingFix> fixes;
    ScanRequest request{text, c, row_.commentMarker, words(), runs, true};
    SpellingFix kept{-1, {}};
    if (row_.correctsCase) {
        request.fixes = &fixes;
        request.keepWordAt = caret - start;
        request.keptFix = &kept;
    }
    scanWords(request, 0, int(text.size()));
    leftWord_ = {kept.pos < 0 ? -1 : start + kept.pos, kept.spelling};
    if (!runs.runs().empty()) scratch.colourRuns(runs.runs());

    // The visible pane is touched only when the colours around the caret differ from the
    // scratch pane's, or a word needs the table's spelling.
    bool differs = !fixes.empty();
    for (const int at : {caret, caret - 1, caret + 1}) {
        if (differs || at < start || at > end) continue;
        differs = colourBefore(p, at) != colourBefore(scratch, at - start);
    }
    if (differs) {
        p.SetVisible(false);
        applyFixes(p, fixes, start);
        runs.shift(start);
        applyRuns(p, runs);
        p.SetVisible(true);
    }
    const Rgb typing = colourBefore(scratch, caret - start);
    p.SetSelStart(caret);
    p.SetSelColor(typing);
    p.SetHideSelection(false);
    busy = false;
    if (p.widget()->isVisible()) p.SetFocus();
    statusUpdate();
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
    const QByteArray around = bytesOf(p, std::max(0, from - 1), std::min(length, to + 1));
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
            code1().SetBaseFont(a.editorFontName.trimmed(), a.editorFontSize);
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
