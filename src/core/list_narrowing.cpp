#include "core/list_narrowing.h"

int narrowToTyped(QListView& list, int rows, const std::function<QString(int)>& textOf,
                  const QString& typed) {
    int first = -1;
    for (int row = 0; row < rows; ++row) {
        const bool fits = textOf(row).startsWith(typed, Qt::CaseInsensitive);
        // Each call lays the whole list out anew, so only rows whose state changes are touched.
        if (list.isRowHidden(row) == fits) list.setRowHidden(row, !fits);
        if (fits && first < 0) first = row;
    }
    return first;
}
