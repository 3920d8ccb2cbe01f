#pragma once
// The spelling engine behind the start-up probe and the spelling dialogs.
#include <QString>
#include <QStringList>

class SpellingEngine {
public:
    virtual ~SpellingEngine() = default;
    virtual bool available() const = 0;
    // True when the text, one word or many, has no spelling error.
    virtual bool CheckSpelling(const QString& text) = 0;
    virtual QStringList suggestions(const QString& word) = 0;
    // The dictionaries the user can choose among ("en_US", "de_DE", ...), the one in use, and
    // a change of it; an engine without a choice offers none.
    virtual QStringList dictionaries() const { return {}; }
    virtual QString dictionary() const { return {}; }
    virtual bool useDictionary(const QString& name) { Q_UNUSED(name) return false; }
};
