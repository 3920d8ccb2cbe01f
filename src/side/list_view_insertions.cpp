#include "side/list_view_insertions.h"

#include <QApplication>

#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "core/plain_text_file.h"

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString scriptLanguageOf(const QString& fileName) {
    return fileName.right(2) == QLatin1String("js") ? QStringLiteral("JavaScript")
                                                    : QStringLiteral("VBScript");
}

std::vector<ColourRun> scriptColourRuns(const QByteArray& text, Rgb textColour, Rgb tagColour,
                                        Rgb paramColour) {
    std::vector<ColourRun> runs;
    Rgb colour = textColour;
    int openTags = 0;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<') {
            colour = tagColour;
            ++openTags;
        } else if (c == '!' && openTags > 0) {
            colour = paramColour;
        }
        if (!runs.empty() && runs.back().colour == colour && runs.back().to == i) ++runs.back().to;
        else runs.push_back({i, i + 1, colour});
        if (c == '>') {
            if (openTags > 0) --openTags;
            if (openTags == 0) colour = textColour;
        }
    }
    return runs;
}

bool insertScriptFile(EditorWindow& window, const QString& path) {
    const auto file = readPlainText(path, nullptr);
    if (!file) return false;
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    pane.SetVisible(false);
    int start = 0;
    int end = 0;
    {
        InsertBusyGuard busy(app);
        start = pane.SelStart();
        writeColoured(pane,
                      QStringLiteral("<script language =\"") + scriptLanguageOf(path) +
                          QStringLiteral("\">") + CrLf,
                      app.htmlTagColor);
        for (const ColourRun& run :
             scriptColourRuns(file->utf8, app.htmlTextColor, app.htmlTagColor, app.htmlParamColor)) {
            writeColoured(pane, QString::fromUtf8(file->utf8.mid(run.from, run.to - run.from)),
                          run.colour);
            // A long script never freezes the window.
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        writeColoured(pane, QStringLiteral("</Script>") + CrLf, app.htmlTagColor);
        end = pane.SelStart();
        ColourQuotedValues(start, window, end);
    }
    pane.SetVisible(true);
    window.backup_code();
    return true;
}

void insertSymbol(EditorWindow& window, const QString& text) {
    {
        InsertBusyGuard busy(window.app());
        writeColoured(window.pane(), text, window.app().htmlTextColor);
    }
    finishInsertion(window);
}

void insertTagNode(EditorWindow& window, const QString& nodeText, bool closes) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    {
        InsertBusyGuard busy(app);
        const QString content = pane.SelText();
        writeColoured(pane, nodeText, app.htmlTagColor);
        // Whatever is typed next is text. (The pane's font size is already the editor's.)
        pane.SetSelColor(app.htmlTextColor);
        if (closes) {
            const int afterOpening = pane.SelStart();
            writeColoured(pane, content, app.htmlTextColor);
            QString closing = nodeText.toLower();
            closing.insert(1, QLatin1Char('/'));
            writeColoured(pane, closing, app.htmlTagColor);
            pane.SetSelStart(afterOpening);
        }
    }
    pane.SetFocus();
    finishInsertion(window);
}
