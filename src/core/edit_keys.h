#pragma once
// The keys every code window handles itself: Ctrl+V and Shift+Insert paste through the window's
// own paste, Ctrl+Z and Ctrl+R undo and redo, the context-menu key and the right mouse button
// pop up the main window's Edit menu.
#include <QPoint>
#include <Qt>

class EditorWindow;

// Runs the window's paste, undo or redo for those keys and cancels the key (keyCode 0); true
// when the key was one of them.
bool handleEditShortcut(EditorWindow& window, int& keyCode, Qt::KeyboardModifiers shift);
// Pops up the main window's Edit menu at a point of the window's pane.
void popupEditMenuAt(EditorWindow& window, const QPoint& panePos);
