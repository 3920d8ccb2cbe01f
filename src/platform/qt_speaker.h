#pragma once
// The speaker of spoken messages: Qt TextToSpeech with the flite engine, made synchronous.
#include <memory>

#include "platform/speaker.h"

class QTextToSpeech;

class QtSpeaker : public Speaker {
public:
    QtSpeaker();
    ~QtSpeaker() override;
    // Returns once the voice is back to Ready (or after a generous time limit, so that a stuck
    // engine cannot hang the program). Throws when the engine is missing or reports an error.
    void Speak(const QString& text) override;

private:
    std::unique_ptr<QTextToSpeech> voice_;  // created on first use
};
