#pragma once
// A generated JScript file of about the given size: functions with declarations, loops,
// conditions, calls of built-in objects, strings and comments, in CR LF lines.
#include <QByteArray>

QByteArray generatedJScript(int megabytes);
