#pragma once
// The spelling engine: Hunspell with one of the dictionaries installed, the user's language
// first, then English; the user may choose another.
#include <QLocale>
#include <QMap>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <string>

#include "platform/spelling_engine.h"

class Hunspell;

class HunspellEngine : public SpellingEngine {
public:
    // Finds the dictionaries (a .dic with its .aff) in the folders, and loads the one of the
    // user's language, else English, else the first; without any the engine is not available
    // and every check throws.
    explicit HunspellEngine(const QStringList& searchPath = defaultSearchPath(),
                            const QString& language = QLocale::system().name());
    ~HunspellEngine() override;

    // TESSAVEL_DICT_DIR (folders separated by ':') when set, otherwise the system's folders.
    static QStringList defaultSearchPath();
    // The package that provides a dictionary of the language ("hunspell-en-us").
    static QString packageFor(const QString& language);

    QStringList dictionaries() const override { return found_.keys(); }
    QString dictionary() const override { return name_; }
    bool useDictionary(const QString& name) override;
    bool available() const override { return hunspell_ != nullptr; }
    bool CheckSpelling(const QString& text) override;
    QStringList suggestions(const QString& word) override;

private:
    std::string encode(const QString& word) const;
    const std::string& encodeInto(QStringView word, std::string& into) const;
    QString decode(const std::string& word) const;
    Hunspell& engine() const;

    QMap<QString, QString> found_;  // name -> the .dic file's path without ".dic"
    QString name_;
    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = true;
    std::string word_;  // the word being checked
};
