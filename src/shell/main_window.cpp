#include "shell/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "core/editor_window.h"
#include "core/file_stamp.h"
#include "core/twips.h"
#include "platform/help_window.h"
#include "platform/paths.h"
#include "platform/qt_speaker.h"
#include "platform/user_settings.h"
#include "shell/enabling_rules.h"
#include "shell/main_menu_table.h"
#include "shell/palette_set.h"
#include "shell/toolbar_table.h"
#include "settings/settings_commands.h"
#include "shell/window_layout.h"
#include "script/script_commands.h"
#include "script/java_tools_commands.h"
#include "script/script_check_commands.h"
#include "side/side_commands.h"
#include "side/tip_window.h"
#include "search/search_commands.h"
#include "tags/tag_commands.h"
#include "web/web_commands.h"

namespace {

struct PlacementKey {
    const char* key;
    int defaultTwips;
};
const PlacementKey placementKeys[] = {
    {"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};

QRect pixelsOf(const int twips[4]) {
    return QRect(twips[0] / TwipsPerPixel, twips[1] / TwipsPerPixel, twips[2] / TwipsPerPixel,
                 twips[3] / TwipsPerPixel);
}

bool clipboardHoldsText() { return !QApplication::clipboard()->text().isEmpty(); }

EditorWindow* editorIn(QMdiSubWindow* sub) {
    return sub ? qobject_cast<EditorWindow*>(sub->widget()) : nullptr;
}

// Without a desktop session Qt knows no icon theme: look in the system's icon folders and use
// the theme the program installs with.
void preferInstalledIconTheme() {
    if (!QIcon::fromTheme(QStringLiteral("document-new")).isNull()) return;
    QStringList paths = QIcon::themeSearchPaths();
    paths += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                       QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("Adwaita"));
}

// Our own picture where we drew one, otherwise the icon theme's.
QIcon toolbarIcon(const ToolbarRow& row) {
    const QString own = QStringLiteral(":/toolbar/%1.svg").arg(row.image);
    if (!row.image.isEmpty() && QFile::exists(own)) return QIcon(own);
    return QIcon::fromTheme(row.themeIcon);
}
}  // namespace

struct mdiform1::CommandEntry {
    const char* name;
    void (mdiform1::*run)();
};

const mdiform1::CommandEntry mdiform1::commandEntries[] = {
    {"HTML", &mdiform1::newHtml},
    {"openhtml", &mdiform1::openHtml},
    {"doc", &mdiform1::newDocument},
    {"opendoc", &mdiform1::openDocument},
    {"mnuFileClose", &mdiform1::closeActive},
    {"Save", &mdiform1::save},
    {"Save_As", &mdiform1::saveAs},
    {"mnuFilePageSetup", &mdiform1::pageSetup},
    {"mnuPrint", &mdiform1::print},
    {"mnuFileExit", &mdiform1::exitProgram},
    {"Cut", &mdiform1::cut},
    {"Copy", &mdiform1::copy},
    {"Paste", &mdiform1::paste},
    {"del", &mdiform1::deleteSelection},
    {"selall", &mdiform1::selectAll},
    {"Undo", &mdiform1::undo},
    {"redo", &mdiform1::redo},
    {"gln", &mdiform1::gotoLine},
    {"td", &mdiform1::timeDate},
    {"mnuViewWebBrowser", &mdiform1::webBrowser},
    {"ln", &mdiform1::lineNumbers},
    {"mnuViewToolbar", &mdiform1::toggleToolbar},
    {"vcode", &mdiform1::viewCode},
    {"vpre", &mdiform1::viewPreview},
    {"split", &mdiform1::splitView},
    {"audio", &mdiform1::audioMessage},
    {"tipofday", &mdiform1::tipOfDay},
    {"Doundo", &mdiform1::performUndo},
    {"mnuWindowTileHorizontal", &mdiform1::tileHorizontal},
    {"mnuWindowTileVertical", &mdiform1::tileVertical},
    {"mnuWindowCascade", &mdiform1::cascade},
    {"mnuWindowArrangeIcons", &mdiform1::arrangeIcons},
    {"nextwin", &mdiform1::nextWindow},
    {"prevwin", &mdiform1::previousWindow},
    {"mnuHelpContents", &mdiform1::helpContents},
};

mdiform1::mdiform1(AppState& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName(QStringLiteral("mdiform1"));
    setWindowTitle(QStringLiteral("Tessavel Editor 2005"));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (EditorWindow* window = editorIn(sub)) window->activate();
    });
    // Paste follows the clipboard as other programs change it, not only at activation.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (EditorWindow* window = app_.activeWindow())
            applyClipboardRules(*this, window->kind(), clipboardHoldsText());
    });

    if (!app_.commands) {
        ownCommands_ = std::make_unique<CommandRegistry>();
        app_.commands = ownCommands_.get();
    }
    if (!app_.speaker) {
        ownSpeaker_ = std::make_unique<QtSpeaker>();
        app_.speaker = ownSpeaker_.get();
    }
    app_.frame = this;
    Q_INIT_RESOURCE(toolbar_icons);
    preferInstalledIconTheme();

    restorePlacement();
    registerCommands();
    registerTagCommands(app_);
    registerSettingsCommands(app_);
    registerSearchCommands(app_);
    registerScriptCommands(app_, [this](EditorWindow* window) { showChild(window); });
    registerScriptCheckCommands(app_);
    registerJavaToolCommands(app_);
    registerWebCommands(app_);
    registerSideCommands(app_);
    palettes_ = new PaletteSet(app_, this);
    palettes_->registerCommands(*app_.commands);
    buildMenus();
    for (const QString& name : menusDisabledAtLoad()) setCommandEnabled(name, false);
    buildToolbar();
    setCommandChecked(QStringLiteral("tipofday"), frmTip::showTipsAtStartup());
    setCommandChecked(QStringLiteral("indent"), app_.keepIndentation);
    // Files named on the command line open once the frame is on screen.
    if (!app_.commandLineFiles.isEmpty())
        QTimer::singleShot(0, this, [this] {
            openFiles(app_.commandLineFiles);
            // For measuring what opening costs (tools/memory_per_byte.py): leave once open.
            if (qEnvironmentVariableIsSet("TESSAVEL_QUIT_AFTER_OPEN"))
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
}

mdiform1::~mdiform1() {
    // Editor windows still open are destroyed after this frame: they must not call back.
    if (app_.frame == this) app_.frame = nullptr;
    if (app_.commands == ownCommands_.get()) app_.commands = nullptr;
    if (app_.speaker == ownSpeaker_.get()) app_.speaker = nullptr;
}

void mdiform1::registerCommands() {
    for (const CommandEntry& entry : commandEntries) {
        const auto run = entry.run;
        app_.commands->add(QString::fromLatin1(entry.name), [this, run] { (this->*run)(); });
    }
}

void mdiform1::buildMenus() {
    std::vector<const CommandRow*> pending;
    for (const CommandRow& row : mainMenuRows()) pending.push_back(&row);
    for (const CommandRow& row : app_.commands->menuRows()) pending.push_back(&row);
    // A registered row may name a parent that is itself registered further down.
    while (!pending.empty()) {
        std::vector<const CommandRow*> waiting;
        for (const CommandRow* row : pending)
            if (!addMenuItem(*row)) waiting.push_back(row);
        if (waiting.size() == pending.size()) {
            for (const CommandRow* row : waiting)
                qWarning("Menu item %s has no parent %s", qPrintable(row->name),
                         qPrintable(row->parent));
            break;
        }
        pending.swap(waiting);
    }
    if (QMenu* windows = menu(QStringLiteral("mnuWindow")))
        connect(windows, &QMenu::aboutToShow, this, &mdiform1::fillWindowList);
}

bool mdiform1::addMenuItem(const CommandRow& row) {
    if (command(row.name)) return true;  // registered twice: one item is enough
    QWidget* parent = menuBar();
    QMenu* parentMenu = nullptr;
    if (!row.parent.isEmpty()) {
        parentMenu = menu(row.parent);
        if (!parentMenu) return false;
        parent = parentMenu;
    }
    QAction* action = nullptr;
    if (row.submenu) {
        auto* submenu = new QMenu(row.caption, parent);
        submenu->setObjectName(row.name);
        menus_[row.name] = submenu;
        action = submenu->menuAction();
    } else {
        action = new QAction(row.caption, this);
        const QString name = row.name;
        connect(action, &QAction::triggered, this, [this, action, name] {
            // Commands set their own check mark (the toolbar runs some of them too), so the
            // toggle Qt has just made is taken back first.
            if (action->isCheckable()) action->setChecked(!action->isChecked());
            app_.commands->run(name);
        });
    }
    action->setObjectName(row.name);
    if (!row.shortcut.isEmpty())
        action->setShortcuts(QKeySequence::listFromString(row.shortcut));
    if (row.flags & (MenuCheckable | MenuChecked)) {
        action->setCheckable(true);
        action->setChecked(row.flags & MenuChecked);
    }
    if (row.flags & MenuDisabled) action->setEnabled(false);
    parent->addAction(action);
    if (parentMenu && (row.flags & MenuSeparatorAfter)) parentMenu->addSeparator();
    actions_[row.name] = action;
    return true;
}

void mdiform1::buildToolbar() {
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    addToolBar(toolbar_);
    for (const ToolbarRow& row : toolbarRows()) {
        if (row.key.isEmpty()) {
            buttons_[row.index] = toolbar_->addSeparator();
            continue;
        }
        QAction* button = toolbar_->addAction(toolbarIcon(row), QString());
        button->setObjectName(row.key);
        button->setToolTip(row.tooltip);
        button->setEnabled(row.enabledAtLoad);
        connect(button, &QAction::triggered, this, [this, &row] { toolbarClicked(row); });
        if (QMenu* dropDown = menu(row.dropDownMenu)) {
            auto* tool = qobject_cast<QToolButton*>(toolbar_->widgetForAction(button));
            tool->setMenu(dropDown);
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
        buttons_[row.index] = button;
    }
}

QAction* mdiform1::command(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* mdiform1::menu(const QString& name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* mdiform1::toolbarButton(int index) const {
    const auto it = buttons_.find(index);
    return it == buttons_.end() ? nullptr : it->second;
}

void mdiform1::setCommandEnabled(const QString& name, bool enabled) {
    // A submenu's own widget holds its state: a menu copies its enabled state to its menu-bar
    // item whenever it changes, so when the whole frame is disabled and enabled again (while a
    // colour dialog is up) a state kept only on the item would be lost.
    if (QMenu* submenu = menu(name)) submenu->setEnabled(enabled);
    if (QAction* action = command(name)) action->setEnabled(enabled);
}

bool mdiform1::isCommandEnabled(const QString& name) const {
    const QAction* action = command(name);
    return action && action->isEnabled();
}

void mdiform1::setCommandChecked(const QString& name, bool checked) {
    if (QAction* action = command(name)) action->setChecked(checked);
}

bool mdiform1::isCommandChecked(const QString& name) const {
    const QAction* action = command(name);
    return action && action->isChecked();
}

void mdiform1::setToolbarButtonEnabled(int index, bool enabled) {
    if (QAction* button = toolbarButton(index)) button->setEnabled(enabled);
}

bool mdiform1::isToolbarButtonEnabled(int index) const {
    const QAction* button = toolbarButton(index);
    return button && button->isEnabled();
}

void mdiform1::windowActivated(WindowKind kind, const WindowCommandState& state) {
    WindowCommandState withClipboard = state;
    withClipboard.clipboardText = clipboardHoldsText();
    applyActivationRules(*this, kind, withClipboard);
}

void mdiform1::windowUnloaded(WindowKind kind) { applyUnloadRules(*this, kind); }

void mdiform1::reactivateActiveChild() {
    if (EditorWindow* window = editorIn(mdi_->currentSubWindow())) window->activate();
}

void mdiform1::showChild(QWidget* window) {
    const QMdiSubWindow* current = mdi_->currentSubWindow();
    const bool maximised = current ? current->isMaximized() : firstStart_;
    const int index = int(mdi_->subWindowList().size());
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setWindowIcon(QIcon::fromTheme(QStringLiteral("text-html")));
    leaveMenuKeysToTheFrame(*sub);
    // A new window joins maximised windows as one of them (the first window of a first start
    // is maximised), else takes the next cascade place.
    if (maximised) {
        sub->showMaximized();
    } else {
        sub->setGeometry(cascadePlaceOf(*sub, index));
        sub->show();
    }
    bringForward(window);
    focusActiveChild();
}

void mdiform1::focusActiveChild() {
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    EditorWindow* window = editorIn(sub);
    if (!window) return;
    QWidget* focus = focusWidget();
    if (!focus || !sub->isAncestorOf(focus)) window->pane().SetFocus();
}

void mdiform1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A window that disabled the frame while it was up (a wizard) took the frame's focus with
    // it (on return Qt would give the focus to the first child window, activating that one),
    // and every submenu followed the frame back on: the active window's set is put back.
    if (event->type() == QEvent::EnabledChange && isEnabled()) reactivateActiveChild();
    const bool back = event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange;
    if (back && isActiveWindow() && isEnabled()) focusActiveChild();
    // Coming back from another program is when the user may have changed a file there.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (EditorWindow* window = app_.activeWindow()) window->checkFileOnDisk();
        });
}

// Windows of a cascade lie one title bar apart, so that each shows the title of the one behind.
// From the window's outer edge to below its title bar: one cascade step.
int mdiform1::titleHeightOf(const QMdiSubWindow& sub) {
    return sub.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &sub) +
           sub.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &sub);
}

// The smallest the window lets itself be made: a place below it would be overrun.
QSize mdiform1::minimumOf(const QMdiSubWindow& sub) {
    return sub.minimumSize().expandedTo(sub.minimumSizeHint());
}

// The area the windows have once they all lie inside it: a window that stuck out gave the area
// scroll bars, which go away when it is placed.
QRect mdiform1::arrangeArea() const { return QRect(QPoint(0, 0), mdi_->contentsRect().size()); }

QRect mdiform1::cascadePlaceOf(const QMdiSubWindow& sub, int index) const {
    return cascadePlace(arrangeArea(), index, titleHeightOf(sub), minimumOf(sub));
}

// A sub-window's own menu binds keys of its own (Close takes Ctrl+W, which View > Web Browser
// owns); a key bound twice runs neither, so the sub-window keeps only keys no menu item has.
// Its Close then answers Ctrl+F4, as in every multiple-document frame.
void mdiform1::leaveMenuKeysToTheFrame(QMdiSubWindow& sub) const {
    if (!sub.systemMenu()) return;
    QList<QKeySequence> taken;
    for (const auto& [name, action] : actions_)
        taken << action->shortcuts();
    const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence closeWindow(Qt::CTRL | Qt::Key_F4);
    for (QAction* own : sub.systemMenu()->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& key : own->shortcuts())
            if (!taken.contains(key)) kept << key;
        const bool closes = !closeKeys.isEmpty() && own->shortcuts() == closeKeys;
        if (closes && !kept.contains(closeWindow) && !taken.contains(closeWindow))
            kept << closeWindow;
        own->setShortcuts(kept);
    }
}

QWidget* mdiform1::activeChild() const { return editorIn(mdi_->currentSubWindow()); }

QWidget* mdiform1::windowOfFile(const QString& path) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        EditorWindow* window = editorIn(sub);
        if (window && !window->isUntitled() && sameFile(window->caption(), path)) return window;
    }
    return nullptr;
}

void mdiform1::bringForward(QWidget* window) {
    if (isMinimized()) showNormal();
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) return;
    if (sub->isMinimized()) sub->showNormal();
    mdi_->setActiveSubWindow(sub);
    // Without a focused frame (at start-up, offscreen) the MDI area activates nothing itself.
    auto* editor = qobject_cast<EditorWindow*>(window);
    if (editor && app_.activeWindow() != editor) editor->activate();
}

EditorWindow& mdiform1::target() const {
    EditorWindow* window = app_.activeWindow();
    if (!window) throw std::runtime_error("no editor window of the active kind");
    return *window;
}

void mdiform1::hidePalettes() { palettes_->hidePalettes(); }

void mdiform1::showPalettes() { palettes_->showPalettes(); }

void mdiform1::popupEditMenu(const QPoint& globalPos) {
    if (QMenu* edit = menu(QStringLiteral("Edit"))) edit->popup(globalPos);
}

void mdiform1::restorePlacement() {
    const auto settings = UserSettings::openForTitle();
    int twips[4];
    for (int i = 0; i < 4; ++i) {
        twips[i] = settings->value(QStringLiteral("Settings/") + placementKeys[i].key,
                                   placementKeys[i].defaultTwips)
                       .toInt();
    }
    QRect placement = pixelsOf(twips);
    // The first start (and a placement on a screen that is no longer there, which would hide
    // the whole program) opens on most of the screen, with the pages maximised in it: the
    // small default frame would show a few words of a page.
    firstStart_ = !settings->contains(QStringLiteral("Settings/MainWidth")) ||
                  !QGuiApplication::screenAt(placement.center());
    if (firstStart_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) placement = firstStartPlace(screen->availableGeometry());
    }
    move(placement.topLeft());
    resize(placement.size());
}

void mdiform1::savePlacement() {
    const auto settings = UserSettings::openForTitle();
    const int pixels[4] = {x(), y(), width(), height()};
    for (int i = 0; i < 4; ++i)
        settings->setValue(QStringLiteral("Settings/") + placementKeys[i].key,
                           pixels[i] * TwipsPerPixel);
}

void mdiform1::closeEvent(QCloseEvent* event) {
    // Each window may ask to save; Cancel keeps it, and the program, running.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    if (!isMinimized()) savePlacement();
    if (help_) help_->close();
    event->accept();
}
