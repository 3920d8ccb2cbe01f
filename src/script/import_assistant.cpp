// Import package (ip): an import statement at the top of a Java text for the class under the
// caret.
#include <QStringList>

#include "core/keyword_tables.h"
#include "platform/dialogs.h"
#include "script/java_tools.h"
#include "script/script_window.h"

#include "script/import_assistant.h"

void ScriptWindow::importPackage() {
    if (!row_.memberLists) return;
    const QString word = JavaTools::wordAtCaret(pane());
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
        if (!ok || chosen < 1 || chosen > std::min<int>(int(packages.size()), javaPackagesPerClass))
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
    colourEdits(Respell::None);
    p.SetSelStart(caret + p.TextLength() - before);
    p.SetFocus();
    backup_code();
    markModified();
}

QString packageChoicePrompt(const QStringList& packages) {
    QStringList lines;
    for (int i = 0; i < packages.size() && i < javaPackagesPerClass; ++i)
        lines << QStringLiteral("%1. %2").arg(i + 1).arg(packages[i]);
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\n\nEnter Package Number to import");
}
