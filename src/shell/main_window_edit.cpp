// The Edit menu of the main window: every command acts on the current window of the active kind.
#include <QDateTime>
#include <QLocale>

#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "platform/dialogs.h"
#include "shell/goto_line.h"
#include "shell/main_window.h"

void mdiform1::cut() {
    EditorWindow& window = target();
    window.pane().Cut();
    finishInsertion(window);
}

void mdiform1::copy() { target().pane().Copy(); }

void mdiform1::paste() {
    EditorWindow& window = target();
    window.pasteFromClipboard();
    finishInsertion(window);
}

void mdiform1::deleteSelection() {
    EditorWindow& window = target();
    window.pane().SetSelText(QString());
    finishInsertion(window);
}

void mdiform1::selectAll() { target().pane().SelectAll(); }

void mdiform1::undo() {
    EditorWindow& window = target();
    window.undo_code();
    window.refreshPreviewIfSplit();
}

void mdiform1::redo() {
    EditorWindow& window = target();
    window.redo_code();
    window.refreshPreviewIfSplit();
}

void mdiform1::gotoLine() {
    EditorWindow& window = target();
    const std::optional<QString> answer = app_.dialogs->inputBox(
        QStringLiteral("Enter line number to go "), QStringLiteral("Goto Line Number"),
        QStringLiteral("1"));
    if (!answer) return;
    const int position = lineStartForAnswer(window.pane(), *answer);
    if (position < 0) return;
    window.pane().SetSelStart(position);
    window.pane().SetFocus();
}

void mdiform1::timeDate() {
    EditorWindow& window = target();
    const QLocale locale;
    window.pane().SetSelText(locale.toString(QTime::currentTime(), QLocale::ShortFormat) + ' ' +
                             locale.toString(QDate::currentDate(), QLocale::ShortFormat) + ' ');
    window.backup_code();
}
