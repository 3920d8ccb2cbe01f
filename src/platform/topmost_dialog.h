#pragma once
// The list views, the palettes and the find dialog stay on top of the program. A modal dialog
// that asks something must stand above them, or the user cannot see what waits for an answer.
#include <QDialog>

inline int runAboveTopmost(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec();
}
