#pragma once
// A Speaker that records what it was asked to say instead of speaking.
#include <QStringList>

#include "platform/speaker.h"

class RecordingSpeaker : public Speaker {
public:
    QStringList spoken;
    void Speak(const QString& text) override { spoken.append(text); }
};
