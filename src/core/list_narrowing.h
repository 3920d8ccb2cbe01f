#pragma once
// Completion lists narrow as the user types: only the entries that begin with what was typed
// stay in view.
#include <QListView>
#include <functional>

// Hides the rows of `list` whose text (as `textOf` gives it) does not begin with `typed`,
// letter case ignored; answers the first row left, or -1 when none is.
int narrowToTyped(QListView& list, int rows, const std::function<QString(int)>& textOf,
                  const QString& typed);
// Shows every row again, as a list opened anew does.
void showAllRows(QListView& list, int rows);
