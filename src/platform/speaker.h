#pragma once
// Spoken messages. Speak returns after the sentence has been spoken; it throws
// std::runtime_error when no speech engine is available.
#include <QString>

class Speaker {
public:
    virtual ~Speaker() = default;
    virtual void Speak(const QString& text) = 0;
};
