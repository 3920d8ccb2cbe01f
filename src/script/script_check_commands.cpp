#include "script/script_check_commands.h"

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "platform/dialogs.h"
#include "script/script_check.h"

namespace {
struct CheckedKind {
    WindowKind kind;
    ScriptLanguage language;
    const char* errorTitle;
};

const CheckedKind checkedKinds[] = {
    {KindVbscript, ScriptLanguage::VBScript, "VBScript Syntax Error"},
    {KindJscript, ScriptLanguage::JScript, "JScript Syntax Error"},
};
}  // namespace

void selectLine(EditorPane& pane, int line) {
    const int start = pane.lineIndex(line - 1);
    if (start < 0) {  // past the last line: the end of the text
        pane.SetSelStart(pane.TextLength());
        return;
    }
    const int next = pane.lineIndex(line);
    int end = next < 0 ? pane.TextLength() : next - 1;  // the line break's last character
    if (next >= 0 && end > start && pane.CharAt(end) == '\n' && pane.CharAt(end - 1) == '\r') --end;
    pane.SetSelStart(start);
    pane.SetSelLength(end - start);
}

void runsc(AppState& app, ScriptChecker& checker, CheckReport report) {
    for (const CheckedKind& checked : checkedKinds) {
        if (app.activeWindowKind != checked.kind) continue;
        EditorWindow* window = app.activeWindow();
        if (!window) return;
        const auto error = checker.check(checked.language, window->pane().Text());
        if (error) {
            selectLine(window->pane(), error->line);
            window->pane().SetFocus();
            app.dialogs->messageBox(describeScriptError(*error), QString::fromLatin1(checked.errorTitle), MsgButtons::Ok,
                                    report == CheckReport::Everything ? MsgIcon::Exclamation : MsgIcon::Critical);
        } else if (report == CheckReport::Everything) {
            app.dialogs->messageBox(QStringLiteral("No Error found"), QStringLiteral("Tessavel Script compiler"),
                                    MsgButtons::Ok, MsgIcon::Exclamation);
        }
        return;
    }
}

void registerScriptCheckCommands(AppState& app) {
    // Lives as long as the registry, that is as long as the main window.
    auto checker = std::make_shared<LanguageScriptChecker>();
    app.commands->add(QStringLiteral("runsc"), [&app, checker] { runsc(app, *checker); });
    // The quiet form, for callers that check on their own occasions (it has no menu item).
    app.commands->add(QStringLiteral("runscErrorsOnly"),
                      [&app, checker] { runsc(app, *checker, CheckReport::ErrorsOnly); });
}
