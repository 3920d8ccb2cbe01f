#include "platform/hunspell_engine.h"

#include <hunspell/hunspell.hxx>

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

HunspellEngine::HunspellEngine() {
    const QDir folder(dictionaryFolder());
    const QString aff = folder.filePath(QStringLiteral("en_US.aff"));
    const QString dic = folder.filePath(QStringLiteral("en_US.dic"));
    if (!QFileInfo(aff).isReadable() || !QFileInfo(dic).isReadable()) return;
    hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                           QFile::encodeName(dic).constData());
    utf8_ = QString::fromStdString(hunspell_->get_dict_encoding())
                .compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
}

HunspellEngine::~HunspellEngine() = default;

QString HunspellEngine::dictionaryFolder() {
    const QString folder = qEnvironmentVariable("TESSAVEL_DICT_DIR");
    return folder.isEmpty() ? QStringLiteral("/usr/share/hunspell") : folder;
}

bool HunspellEngine::CheckSpelling(const QString& word) { return engine().spell(encode(word)); }

QStringList HunspellEngine::suggestions(const QString& word) {
    QStringList result;
    for (const std::string& s : engine().suggest(encode(word))) result << decode(s);
    return result;
}

Hunspell& HunspellEngine::engine() const {
    if (!hunspell_) throw std::runtime_error("no spelling dictionary");
    return *hunspell_;
}

std::string HunspellEngine::encode(const QString& word) const {
    return utf8_ ? word.toStdString() : word.toLatin1().toStdString();
}

QString HunspellEngine::decode(const std::string& word) const {
    return utf8_ ? QString::fromStdString(word) : QString::fromLatin1(word);
}
