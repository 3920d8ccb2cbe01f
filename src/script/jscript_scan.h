#pragma once
// JScript as the check reads it. Browsers run page scripts in non-strict mode, which keeps
// forms that the Qt engine's parser refuses: octal numbers (010), numbers with a leading zero
// (08), octal escapes in strings ("\012") and the HTML comment markers that hide a script from
// old browsers (<!-- and, at the start of a line, -->). The scan rewrites each of them into a
// form of the same length that parses alike, so that lines and columns stay the text's own.
#include <QString>

struct JscriptScan {
    QString parseable;  // the text with the legacy forms rewritten
    // The closing brackets that the text's open brackets still wait for at its end, innermost
    // first (strings, comments and regular expressions left out).
    QString unclosed;
};

JscriptScan scanJscript(const QString& text);
