#include "core/list_narrowing.h"

namespace {
// Each call of setRowHidden lays the whole list out anew, so only rows whose state changes
// are touched.
void showRow(QListView& list, int row, bool shown) {
    if (list.isRowHidden(row) == shown) list.setRowHidden(row, !shown);
}
}  // namespace

int narrowToTyped(QListView& list, int rows, const std::function<QString(int)>& textOf,
                  const QString& typed) {
    int first = -1;
    for (int row = 0; row < rows; ++row) {
        const bool fits = textOf(row).startsWith(typed, Qt::CaseInsensitive);
        showRow(list, row, fits);
        if (fits && first < 0) first = row;
    }
    return first;
}

void showAllRows(QListView& list, int rows) {
    for (int row = 0; row < rows; ++row) showRow(list, row, true);
}
