#include "script_page.h"

namespace {
// One function of the file; "#" stands for its number.
const char* const Function =
    "// Works out the totals of row #: a note about the \"quoted\" parts.\r\n"
    "function total#(rows, name)\r\n"
    "{\r\n"
    "    var sum = 0, count = rows.length;\r\n"
    "    var label = \"Row #: \" + name;\r\n"
    "    for (var i = 0; i < count; i++)\r\n"
    "    {\r\n"
    "        if (rows[i] != null && !isNaN(rows[i]))\r\n"
    "            sum += Math.round(parseFloat(rows[i]) * 100) / 100;\r\n"
    "        else\r\n"
    "            label = label + ', skipped ' + i; // keep going\r\n"
    "    }\r\n"
    "    var when = new Date();\r\n"
    "    window.status = label.toUpperCase() + \" at \" + when.toString();\r\n"
    "    return sum;\r\n"
    "}\r\n"
    "\r\n";
}  // namespace

QByteArray generatedJScript(int megabytes) {
    const qsizetype size = qsizetype(megabytes) * 1024 * 1024;
    QByteArray text;
    text.reserve(size + 4096);
    const QByteArray function(Function);
    for (int n = 0; text.size() < size; ++n)
        text += QByteArray(function).replace('#', QByteArray::number(n));
    return text;
}
