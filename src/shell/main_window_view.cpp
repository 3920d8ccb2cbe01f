// The View, Tools, Window and Help menus, and the toolbar's buttons.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <stdexcept>

#include "core/editor_window.h"
#include "document/document_window.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "platform/help_window.h"
#include "platform/speaker.h"
#include "shell/main_window.h"
#include "shell/toolbar_table.h"
#include "shell/window_layout.h"
#include "side/tip_window.h"
#include "web/browser_window.h"

namespace {
HtmlWindow& currentHtml(const AppState& app) {
    auto* window = qobject_cast<HtmlWindow*>(app.currentHtmlWindow.data());
    if (!window) throw std::runtime_error("no HTML window");
    return *window;
}

}  // namespace

void mdiform1::webBrowser() { mnuViewWebBrowser(app_); }

void mdiform1::lineNumbers() {
    const bool on = !isCommandChecked(QStringLiteral("ln"));
    setCommandChecked(QStringLiteral("ln"), on);
    EditorWindow* window = app_.activeWindow();
    if (auto* page = qobject_cast<HtmlWindow*>(window)) page->setGutterVisible(on);
    else if (window && window->kind() != KindDocument) window->pane().SetLineNumbersVisible(on);
}

void mdiform1::toggleToolbar() {
    const bool on = !isCommandChecked(QStringLiteral("mnuViewToolbar"));
    setCommandChecked(QStringLiteral("mnuViewToolbar"), on);
    toolbar_->setVisible(on);
}

void mdiform1::viewCode() { currentHtml(app_).showCode(); }

void mdiform1::viewPreview() { currentHtml(app_).showPreview(); }

void mdiform1::splitView() {
    setCommandChecked(QStringLiteral("split"), !isCommandChecked(QStringLiteral("split")));
    RefreshPreview(app_);
}

void mdiform1::audioMessage() {
    app_.speakMessages = !app_.speakMessages;
    setCommandChecked(QStringLiteral("audio"), app_.speakMessages);
    if (!app_.speakMessages) return;
    if (!app_.speaker) throw std::runtime_error("no speaker");
    app_.speaker->Speak(QStringLiteral("Audio message are enabled "));
}

void mdiform1::tipOfDay() {
    frmTip::setShowTipsAtStartup(app_, !isCommandChecked(QStringLiteral("tipofday")));
}

void mdiform1::performUndo() {
    const bool on = !isCommandChecked(QStringLiteral("Doundo"));
    setCommandChecked(QStringLiteral("Doundo"), on);
    if (on) return;  // the next snapshot enables what it can
    for (const QString name : {QStringLiteral("Undo"), QStringLiteral("redo")}) {
        setCommandEnabled(name, false);
        for (int index : toolbarIndexesFor(name)) setToolbarButtonEnabled(index, false);
    }
}

void mdiform1::tileHorizontal() { tile(Qt::Vertical); }

void mdiform1::tileVertical() { tile(Qt::Horizontal); }

// Windows one above the other (Qt::Vertical) or side by side (Qt::Horizontal), in more columns
// (rows) when the area cannot hold them all in one at the size they need.
void mdiform1::tile(Qt::Orientation direction) {
    QList<QMdiSubWindow*> windows;
    QSize minimum;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->isHidden() || sub->isMinimized()) continue;
        if (sub->isMaximized()) sub->showNormal();
        windows.append(sub);
        minimum = minimum.expandedTo(minimumOf(*sub));
    }
    if (windows.isEmpty()) return;
    const QList<QRect> places =
        tilePlaces(arrangeArea(), int(windows.size()), direction, minimum);
    for (int i = 0; i < places.size(); ++i) {
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();  // where places overlap, each title bar stays above the window before
    }
}

// Each window at three quarters of the area, one title bar apart, starting again at the top
// left before a window would leave the area (the MDI area's own cascade shrinks them instead).
void mdiform1::cascade() {
    int index = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->isHidden() || sub->isMinimized()) continue;
        if (sub->isMaximized()) sub->showNormal();
        sub->setGeometry(cascadePlaceOf(*sub, index++));
        sub->raise();
    }
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) active->raise();
}

// Lines the minimised windows up along the bottom edge.
void mdiform1::nextWindow() { mdi_->activateNextSubWindow(); }

void mdiform1::previousWindow() { mdi_->activatePreviousSubWindow(); }

void mdiform1::arrangeIcons() {
    const int bottom = mdi_->viewport()->height();
    int left = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isMinimized()) continue;
        sub->move(left, bottom - sub->height());
        left += sub->width();
    }
}

void mdiform1::fillWindowList() {
    QMenu* windowMenu = menu(QStringLiteral("mnuWindow"));
    for (QAction* action : windowListActions_) {
        windowMenu->removeAction(action);
        action->deleteLater();
    }
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (windows.isEmpty()) return;
    windowListActions_.append(windowMenu->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QAction* action = windowMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(sub->widget()->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == mdi_->currentSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
        windowListActions_.append(action);
    }
}

void mdiform1::helpContents() { showHelpContents(help_, this, *app_.dialogs); }

void mdiform1::toolbarClicked(const ToolbarRow& row) {
    if (row.format != DocumentFormat::None && app_.activeWindowKind == KindDocument)
        formatDocument(row);
    else if (!row.command.isEmpty())
        app_.commands->run(row.command);
}

void mdiform1::formatDocument(const ToolbarRow& row) {
    EditorWindow* window = app_.currentDocumentWindow;
    if (!window) return;
    auto* written = qobject_cast<document*>(window);
    EditorPane& pane = window->pane();
    std::optional<FontChoice> font;
    if (row.format == DocumentFormat::Font) {
        const FontChoice initial{pane.SelFontName(), pane.SelFontSize(), pane.SelBold(),
                                 pane.SelItalic(), pane.SelUnderline(), pane.SelStrikeThru(),
                                 pane.SelColor()};
        PalettesAway away(this);
        font = app_.dialogs->chooseFont(QStringLiteral("Select font "), initial);
        if (!font) return;
    }
    // A plain-text document takes formatting only once the user has made it rich text.
    if (written && !written->mayFormat()) return;
    switch (row.format) {
    case DocumentFormat::Bold: pane.SetSelBold(!pane.SelBold()); break;
    case DocumentFormat::Italic: pane.SetSelItalic(!pane.SelItalic()); break;
    case DocumentFormat::Underline: pane.SetSelUnderline(!pane.SelUnderline()); break;
    case DocumentFormat::Strike: pane.SetSelStrikeThru(!pane.SelStrikeThru()); break;
    case DocumentFormat::AlignLeft: pane.SetSelAlignment(0); break;
    case DocumentFormat::AlignRight: pane.SetSelAlignment(1); break;
    case DocumentFormat::Center: pane.SetSelAlignment(2); break;
    case DocumentFormat::Font:
        pane.SetSelFontName(font->name);
        pane.SetSelFontSize(font->size);
        pane.SetSelBold(font->bold);
        pane.SetSelItalic(font->italic);
        pane.SetSelUnderline(font->underline);
        pane.SetSelStrikeThru(font->strikeThru);
        pane.SetSelColor(font->colour);
        break;
    case DocumentFormat::None: break;
    }
    if (written) written->formatApplied();
}
