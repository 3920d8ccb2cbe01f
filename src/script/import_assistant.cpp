// Import package (ip): an import statement at the top of a Java text for the class under the
// caret, and the word under the caret that the Java tools ask for too.
#include <QStringList>

#include "core/keyword_tables.h"
#include "platform/dialogs.h"
#include "script/script_window.h"

#include "script/import_assistant.h"

namespace {

bool endsWord(char c) {
    return c == ' ' || c == '(' || c == '{' || c == '}' || c == ')' || c == ',' || c == '.' ||
           c == '\r' || c == '\n' || c == '\t';
}
}  // namespace

QString ScriptWindow::wordUnderCaret() {
    EditorPane& p = pane();
    const int caret = p.SelStart();
    const int line = p.GetLineFromChar(caret);
    const int start = p.lineIndex(line);
    const int next = p.lineIndex(line + 1);
    const int end = next < 0 ? p.TextLength() : next;
    const QByteArray text = p.SnapshotRange(start, end).text;
    int from = caret - start;
    int to = from;
    while (from > 0 && !endsWord(text[from - 1])) --from;
    while (to < text.size() && !endsWord(text[to])) ++to;
    // The word stays selected in the scratch pane, where the tools find it.
    EditorPane& scratch = code1();
    scratch.SetText(text);
    scratch.SetSelStart(from);
    scratch.SetSelLength(to - from);
    return scratch.SelText();
}

void ScriptWindow::importPackage() {
    if (!row_.memberLists) return;
    const QString word = wordUnderCaret();
    if (word.size() < 2) return;
    KeywordTables& tables = app().tables;
    if (!tables.IsJavaClass(word)) return;
    const QStringList packages = tables.javaPackagesOfClass(tables.results.foundJavaClassIndex);
    if (packages.isEmpty()) return;

    QString package = packages.first();
    if (packages.size() > 1) {
        const auto answer = app().dialogs->inputBox(packageChoicePrompt(packages),
                                                    QStringLiteral("Class Declared in many packages"),
                                                    QString());
        if (!answer) return;
        bool ok = false;
        const int chosen = answer->trimmed().toInt(&ok);
        if (!ok || chosen < 1 || chosen > std::min<int>(int(packages.size()), MostPackagesOffered))
            return;
        package = packages[chosen - 1];
    }
    const QString statement = QStringLiteral("import ") + package + QStringLiteral(".*;");
    EditorPane& p = pane();
    if (p.Text().contains(statement.toUtf8())) return;

    const int caret = p.SelStart();
    const int before = p.TextLength();
    busy = true;
    p.SetVisible(false);
    p.SetSelStart(0);
    p.SetSelColor(app().scriptKeywordColor);
    p.SetSelText(QStringLiteral("import "));
    p.SetSelColor(app().scriptTextColor);
    p.SetSelText(package + QStringLiteral(".*;\r\n"));
    p.SetVisible(true);
    busy = false;
    p.SetSelStart(caret + p.TextLength() - before);
    p.SetFocus();
    backup_code();
    markModified();
}

QString packageChoicePrompt(const QStringList& packages) {
    QStringList lines;
    for (int i = 0; i < packages.size() && i < MostPackagesOffered; ++i)
        lines << QStringLiteral("%1. %2").arg(i + 1).arg(packages[i]);
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\n\nEnter Package Number to import");
}
