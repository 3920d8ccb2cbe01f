#pragma once
// The spelling engine: Hunspell with the en_US dictionary.
#include <QStringView>
#include <memory>
#include <string>

#include "platform/spelling_engine.h"

class Hunspell;

class HunspellEngine : public SpellingEngine {
public:
    // Loads en_US.aff and en_US.dic from dictionaryFolder(); without them the engine is not
    // available and every check throws.
    HunspellEngine();
    ~HunspellEngine() override;

    // TESSAVEL_DICT_DIR when set, otherwise the system's Hunspell folder.
    static QString dictionaryFolder();

    bool available() const override { return hunspell_ != nullptr; }
    bool CheckSpelling(const QString& text) override;
    QStringList suggestions(const QString& word) override;

private:
    std::string encode(const QString& word) const;
    const std::string& encodeInto(QStringView word, std::string& into) const;
    QString decode(const std::string& word) const;
    Hunspell& engine() const;

    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = true;
    std::string word_;  // the word being checked
};
