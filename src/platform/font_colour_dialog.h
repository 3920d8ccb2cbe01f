#pragma once
// The font dialog with effects: face, style, size, strike-through and underline from Qt's font
// dialog, and a colour list below it, as the platform's font dialog offers with its effects.
#include <optional>

#include "platform/dialogs.h"

class QWidget;

std::optional<FontChoice> runFontColourDialog(QWidget* parent, const QString& title,
                                              const FontChoice& initial);
