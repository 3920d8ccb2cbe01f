#include "search/search_commands.h"

#include <QComboBox>
#include <QPointer>
#include <map>
#include <memory>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/frame.h"
#include "search/find_dialog.h"
#include "search/spelling_dialog.h"

void registerSearchCommands(AppState& app) {
    // One find dialog per window kind for the whole run; the close box unloads it.
    auto findDialogs = std::make_shared<std::map<WindowKind, QPointer<FindDialog>>>();
    auto showFindDialog = [&app, findDialogs] {
        const WindowKind kind = WindowKind(app.activeWindowKind);
        if (kind < KindHtml || kind > KindDocument) return;
        QPointer<FindDialog>& dialog = (*findDialogs)[kind];
        if (!dialog)
            dialog = new FindDialog(app, kind, app.frameWidget());
        dialog->showAndActivate();
    };
    app.commands->add(QStringLiteral("find"), showFindDialog);
    app.commands->add(QStringLiteral("replace"), showFindDialog);
    // F3 searches again for what the kind's dialog last looked for, without showing it; with
    // nothing searched yet it opens the dialog.
    app.commands->add(QStringLiteral("findnext"), [&app, findDialogs, showFindDialog] {
        const auto found = findDialogs->find(WindowKind(app.activeWindowKind));
        FindDialog* dialog = found == findDialogs->end() ? nullptr : found->second.data();
        if (dialog && !dialog->tfind->currentText().isEmpty()) dialog->findnext_Click();
        else showFindDialog();
    });
    app.commands->add(QStringLiteral("spel"), [&app] { SpellingDialog::open(app); });
}
