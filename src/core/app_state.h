#pragma once
// The application-wide state the windows share, created before the main window and alive until
// the program ends. The names are the ones every window uses.
#include <QPointer>
#include <QString>
#include <QStringList>

#include "platform/colour.h"
#include "core/keyword_tables.h"
#include "core/window_kind.h"

class EditorWindow;
class Dialogs;
class Speaker;
class SpellingEngine;
class Frame;
class QWidget;
class CommandRegistry;
class RecoveryStore;

struct AppState {
    // Colours and font (settings record).
    Rgb htmlTextColor = 0;
    Rgb htmlTagColor = 0;
    Rgb htmlParamColor = 0;
    Rgb htmlCommentColor = 0;
    Rgb htmlMisspelledColor = 0;
    Rgb htmlBackColor = 0;
    Rgb scriptTextColor = 0;
    Rgb scriptKeywordColor = 0;
    Rgb scriptParamColor = 0;
    Rgb scriptObjectColor = 0;
    Rgb scriptCommentColor = 0;
    Rgb scriptBackColor = 0;
    QString editorFontName;  // at most 15 characters, blank-padded as stored
    short editorFontSize = 10;
    short reserved[4] = {0, 0, 0, 0};

    // Enter starts the new line with the blanks and tabs that open the line above it.
    bool keepIndentation = true;

    bool spellingAvailable = false;
    bool coloursChanged = false;
    bool fontChanged = false;

    short activeWindowKind = KindNone;
    QPointer<EditorWindow> currentHtmlWindow;
    QPointer<EditorWindow> currentVbscriptWindow;
    QPointer<EditorWindow> currentJavaWindow;
    QPointer<EditorWindow> currentJscriptWindow;
    QPointer<EditorWindow> currentDocumentWindow;
    // The current window of the active kind, the target of every command; null for kind 0.
    EditorWindow* activeWindow() const;
    // The most recently activated window of a kind; null when there is none.
    EditorWindow* currentWindow(WindowKind kind) const;
    // The reference an editor window of this kind registers itself in.
    QPointer<EditorWindow>& currentWindowOf(WindowKind kind);
    // The main window as the parent of the program's dialogs; null without one.
    QWidget* frameWidget() const;

    bool insertBusy = false;
    bool keyInsertBusy = false;
    bool colourOnChange = false;
    bool bulkEditBusy = false;
    bool speakMessages = false;

    KeywordTables tables;

    // Platform services, owned by the application.
    Dialogs* dialogs = nullptr;
    Speaker* speaker = nullptr;
    SpellingEngine* spelling = nullptr;
    Frame* frame = nullptr;
    CommandRegistry* commands = nullptr;
    RecoveryStore* recovery = nullptr;  // null: unsaved work is not kept for recovery

    QString programFolder;  // where tag.tsh and the other data files are
    QStringList commandLineFiles;  // files named on the command line, for the main window to open
    QString browserStartUrl;  // what the browser window shows: the current HTML window's file
};

// Says the text when Audio Message is on; a missing voice is not an error the user must hear of.
void speakIfOn(AppState& app, const QString& text);
