#pragma once
// Qt's font dialog offers no colour; the program's font dialogs choose one with the font, so
// this one embeds Qt's and adds a colour button below it.
#include <optional>

#include "platform/dialogs.h"

class QWidget;

std::optional<FontChoice> chooseFontAndColour(QWidget* owner, const QString& title,
                                              const FontChoice& initial);
