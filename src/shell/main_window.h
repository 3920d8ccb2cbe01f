#pragma once
// mdiform1: the main window, a multiple-document frame holding every editor window. It owns the
// menus, the toolbar and the commands that act on the current window of the active kind.
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/frame.h"

class QMdiArea;
struct RecoveredDocument;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class HelpWindow;
class PaletteSet;
struct ToolbarRow;

class mdiform1 : public QMainWindow, public Frame {
    Q_OBJECT
public:
    // Registers the frame's commands in app.commands (creating the registry when the
    // application has none) and builds the menus from the rows registered so far.
    explicit mdiform1(AppState& app, QWidget* parent = nullptr);
    ~mdiform1() override;

    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolbar_; }
    // A menu item or submenu by its name; null when there is none.
    QAction* command(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QAction* toolbarButton(int index) const;
    PaletteSet& palettes() const { return *palettes_; }

    // Opens each file in a window of its kind; a file that cannot be read is reported by name.
    void openFiles(const QStringList& paths) override;
    // Opens a document kept for recovery in a new window of its kind, or in the window that
    // holds its file when that window has no unsaved changes; false when it cannot.
    bool recoverDocument(const RecoveredDocument& document);
    // Adds a created editor window to the frame, shows and activates it.
    void showChild(QWidget* window) override;

    // Frame
    void setCommandEnabled(const QString& name, bool enabled) override;
    bool isCommandEnabled(const QString& name) const override;
    void setCommandChecked(const QString& name, bool checked) override;
    bool isCommandChecked(const QString& name) const override;
    void setToolbarButtonEnabled(int index, bool enabled) override;
    bool isToolbarButtonEnabled(int index) const override;
    void windowActivated(WindowKind kind, const WindowCommandState& state) override;
    void windowUnloaded(WindowKind kind) override;
    void hidePalettes() override;
    void showPalettes() override;
    void popupEditMenu(const QPoint& globalPos) override;
    QWidget* activeChild() const override;
    QWidget* windowOfFile(const QString& path) const override;
    void bringForward(QWidget* window) override;
    QWidget* frameWidget() override { return this; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct CommandEntry;
    static const CommandEntry commandEntries[];

    void registerCommands();
    void buildMenus();
    bool addMenuItem(const CommandRow& row);
    void buildToolbar();
    void toolbarClicked(const ToolbarRow& row);
    void fillWindowList();
    void restorePlacement();
    void savePlacement();
    // The current window of the active kind; throws (ending the command) when there is none.
    EditorWindow& target() const;
    // Gives the frame's commands back to the MDI area's active window after another window
    // went away without becoming visible (a cancelled open).
    void reactivateActiveChild();
    // Gives the keyboard focus to the active window's pane unless it is already inside that
    // window, so that typing goes to the window the frame shows as active.
    void focusActiveChild();
    void leaveMenuKeysToTheFrame(QMdiSubWindow& sub) const;
    QRect arrangeArea() const;
    QRect cascadePlaceOf(const QMdiSubWindow& sub, int index) const;
    static int titleHeightOf(const QMdiSubWindow& sub);
    static QSize minimumOf(const QMdiSubWindow& sub);

    // File
    void newHtml();
    void openHtml();
    void closeActive();
    void save();
    void saveAs();
    void pageSetup();
    void print();
    void exitProgram();
    // Edit
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    void undo();
    void redo();
    void gotoLine();
    void timeDate();
    // View
    void webBrowser();
    void lineNumbers();
    void toggleToolbar();
    void viewCode();
    void viewPreview();
    void splitView();
    // Tools
    void audioMessage();
    void tipOfDay();
    void performUndo();
    // Window
    void tileHorizontal();
    void tileVertical();
    void cascade();
    void tile(Qt::Orientation direction);
    void arrangeIcons();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous child window, in the order opened.
    void nextWindow();
    void previousWindow();
    // Help
    void helpContents();
    // Toolbar formatting buttons in a document window
    void formatDocument(const ToolbarRow& row);
    // Document windows (main_window_document.cpp)
    void newDocument();
    void openDocument();
    // Opens the file into a new document window, captioned with the next document number
    // until the file's path replaces it; false when the file cannot be read (the user was told).
    // A file open already brings its window forward.
    bool openDocumentFile(const QString& path);

    AppState& app_;
    std::unique_ptr<CommandRegistry> ownCommands_;
    std::unique_ptr<Speaker> ownSpeaker_;
    QMdiArea* mdi_;
    QToolBar* toolbar_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<int, QAction*> buttons_;
    QList<QAction*> windowListActions_;
    PaletteSet* palettes_;
    short windowCounter_[6] = {0, 0, 0, 0, 0, 0};
    std::unique_ptr<QPrinter> printer_;
    QPointer<HelpWindow> help_;
    bool firstStart_ = false;  // no placement was saved: the frame and its first page open large
};
