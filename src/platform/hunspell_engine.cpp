#include "platform/hunspell_engine.h"

#include <hunspell/hunspell.hxx>

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

HunspellEngine::HunspellEngine(const QStringList& searchPath, const QString& language) {
    for (const QString& folder : searchPath) {
        const QDir dir(folder);
        for (const QFileInfo& dic : dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files)) {
            const QString base = dic.absolutePath() + QLatin1Char('/') + dic.completeBaseName();
            if (!found_.contains(dic.completeBaseName()) &&
                QFileInfo(base + QStringLiteral(".aff")).isReadable() && dic.isReadable())
                found_.insert(dic.completeBaseName(), base);
        }
    }
    // The user's own language and country, the language anywhere, then English.
    const QString own = language.section(QLatin1Char('.'), 0, 0);
    const QString prefix = own.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_');
    QStringList preferred{own, QStringLiteral("en_US")};
    for (const QString& name : found_.keys())
        if (name.startsWith(prefix)) preferred.insert(1, name);
    for (const QString& name : found_.keys())
        if (name.startsWith(QLatin1String("en_"))) preferred << name;
    if (!found_.isEmpty()) preferred << found_.firstKey();
    for (const QString& name : preferred)
        if (useDictionary(name)) break;
}

HunspellEngine::~HunspellEngine() = default;

QStringList HunspellEngine::defaultSearchPath() {
    const QString folders = qEnvironmentVariable("TESSAVEL_DICT_DIR");
    if (!folders.isEmpty()) return folders.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

QString HunspellEngine::packageFor(const QString& language) {
    return QStringLiteral("hunspell-") + language.toLower().replace(QLatin1Char('_'), '-');
}

bool HunspellEngine::useDictionary(const QString& name) {
    const auto base = found_.constFind(name);
    if (base == found_.constEnd()) return false;
    hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(*base + QStringLiteral(".aff")).constData(),
                                           QFile::encodeName(*base + QStringLiteral(".dic")).constData());
    utf8_ = QString::fromStdString(hunspell_->get_dict_encoding())
                .compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    name_ = name;
    return true;
}

namespace {
bool joinsWord(QChar c) {
    return c == u'\'' || c == u'-' || c == QChar(0x2019);  // don't, well-known, don’t
}
}  // namespace

// A text is correct when each of its words is: runs of letters and digits, with apostrophes and
// hyphens kept when they stand inside a word. Punctuation and numbers are never wrong, so an
// empty text or "Hello!" passes as it would in a word processor.
bool HunspellEngine::CheckSpelling(const QString& text) {
    Hunspell& hunspell = engine();
    const int size = int(text.size());
    int i = 0;
    while (i < size) {
        while (i < size && !text.at(i).isLetterOrNumber()) ++i;
        int end = i;
        bool letters = false;
        while (end < size) {
            const QChar c = text.at(end);
            if (c.isLetter()) letters = true;
            else if (!c.isNumber() &&
                     !(joinsWord(c) && end + 1 < size && text.at(end + 1).isLetterOrNumber()))
                break;
            ++end;
        }
        if (letters && !hunspell.spell(encodeInto(QStringView(text).mid(i, end - i), word_)))
            return false;
        i = end;
    }
    return true;
}

QStringList HunspellEngine::suggestions(const QString& word) {
    QStringList result;
    for (const std::string& s : engine().suggest(encode(word))) result << decode(s);
    return result;
}

Hunspell& HunspellEngine::engine() const {
    if (!hunspell_) throw std::runtime_error("no spelling dictionary");
    return *hunspell_;
}

// Words are checked one after another by the thousand: reuse one buffer, and copy plain ASCII
// without a conversion.
const std::string& HunspellEngine::encodeInto(QStringView word, std::string& into) const {
    into.resize(size_t(word.size()));
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= 0x80) return into = encode(word.toString());
        into[size_t(i)] = char(c);
    }
    return into;
}

std::string HunspellEngine::encode(const QString& word) const {
    return utf8_ ? word.toStdString() : word.toLatin1().toStdString();
}

QString HunspellEngine::decode(const std::string& word) const {
    return utf8_ ? QString::fromStdString(word) : QString::fromLatin1(word);
}
