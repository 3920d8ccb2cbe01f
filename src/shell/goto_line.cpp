#include "shell/goto_line.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/editor_pane.h"

int leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return 0;
    const double value = std::nearbyint(match.captured(1).toDouble());
    return int(std::clamp(value, -2147483648.0, 2147483647.0));
}

int lineStartForAnswer(const EditorPane& pane, const QString& answer) {
    // The line index travels as a 16-bit value, so -1 (from 0) stands for the caret's line.
    const short line = static_cast<short>(leadingNumber(answer) - 1);
    if (line == -1) return pane.lineIndex(pane.GetLineFromChar(pane.SelStart()));
    if (line < 0) return -1;
    return pane.lineIndex(line);
}
