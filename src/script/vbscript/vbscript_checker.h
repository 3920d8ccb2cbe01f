#pragma once
// Syntax check of VBScript with our own reader of the language (no VBScript engine exists
// here): the first error's line and the classic engine's description of it.
#include <QByteArray>
#include <optional>

#include "platform/script_checker.h"

std::optional<ScriptError> checkVbscript(const QByteArray& text);
