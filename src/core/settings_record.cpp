#include "core/settings_record.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <stdexcept>
#include <variant>

#include "core/app_state.h"
#include "platform/paths.h"

namespace {
using Member = std::variant<qint32 SettingsRecord::*, qint16 SettingsRecord::*,
                            QString SettingsRecord::*>;

struct FieldLayout {
    int offset;
    int size;
    Member member;
    int writers;  // SettingsWriter bits
};

constexpr int cwindow = int(SettingsWriter::cwindow);
constexpr int scriptcolor = int(SettingsWriter::scriptcolor);
constexpr int cfont = int(SettingsWriter::cfont);

// The on-disk layout; bytes 23 and 42-43 are padding that only ever gets carried over.
const FieldLayout fields[] = {
    {0, 4, &SettingsRecord::reserved, 0},
    {4, 4, &SettingsRecord::htmlTextColor, cwindow | cfont},
    {8, fontNameWidth, &SettingsRecord::editorFontName, cfont},
    {24, 4, &SettingsRecord::htmlTagColor, cwindow},
    {28, 4, &SettingsRecord::htmlBackColor, cwindow},
    {32, 2, &SettingsRecord::reserved1, 0},
    {34, 2, &SettingsRecord::reserved2, 0},
    {36, 2, &SettingsRecord::reserved3, 0},
    {38, 2, &SettingsRecord::reserved4, 0},
    {40, 2, &SettingsRecord::editorFontSize, cfont},
    {44, 4, &SettingsRecord::htmlParamColor, cwindow},
    {48, 4, &SettingsRecord::htmlCommentColor, cwindow},
    {52, 4, &SettingsRecord::htmlMisspelledColor, cwindow},
    {56, 4, &SettingsRecord::scriptTextColor, scriptcolor},
    {60, 4, &SettingsRecord::scriptKeywordColor, scriptcolor},
    {64, 4, &SettingsRecord::scriptParamColor, scriptcolor},
    {68, 4, &SettingsRecord::scriptObjectColor, scriptcolor},
    {72, 4, &SettingsRecord::scriptCommentColor, scriptcolor},
    {76, 4, &SettingsRecord::scriptBackColor, scriptcolor},
};

constexpr int everyField = -1;

// Each record field with its application-wide setting, in the order start-up copies them.
template <typename Record, typename App, typename Assign>
void pairFields(Record& r, App& a, Assign assign) {
    assign(r.htmlTextColor, a.htmlTextColor);
    assign(r.editorFontName, a.editorFontName);
    assign(r.htmlTagColor, a.htmlTagColor);
    assign(r.htmlBackColor, a.htmlBackColor);
    assign(r.reserved1, a.reserved[0]);
    assign(r.reserved2, a.reserved[1]);
    assign(r.reserved3, a.reserved[2]);
    assign(r.reserved4, a.reserved[3]);
    assign(r.editorFontSize, a.editorFontSize);
    assign(r.htmlParamColor, a.htmlParamColor);
    assign(r.htmlCommentColor, a.htmlCommentColor);
    assign(r.htmlMisspelledColor, a.htmlMisspelledColor);
    assign(r.scriptTextColor, a.scriptTextColor);
    assign(r.scriptKeywordColor, a.scriptKeywordColor);
    assign(r.scriptParamColor, a.scriptParamColor);
    assign(r.scriptObjectColor, a.scriptObjectColor);
    assign(r.scriptCommentColor, a.scriptCommentColor);
    assign(r.scriptBackColor, a.scriptBackColor);
}

SettingsRecord decode(const QByteArray& image) {
    SettingsRecord record;
    const char* bytes = image.constData();
    for (const FieldLayout& f : fields) {
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(record.*member)>;
                if constexpr (std::is_same_v<T, QString>)
                    record.*member = QString::fromLatin1(bytes + f.offset, f.size);
                else
                    record.*member = qFromLittleEndian<T>(bytes + f.offset);
            },
            f.member);
    }
    return record;
}

// Writes the fields owned by any of `writers` (or every field) into the image; nothing else
// changes.
void encodeInto(QByteArray& image, const SettingsRecord& record, int writers) {
    char* bytes = image.data();
    for (const FieldLayout& f : fields) {
        if (!(f.writers & writers) && writers != everyField) continue;
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(record.*member)>;
                if constexpr (std::is_same_v<T, QString>)
                    memcpy(bytes + f.offset, fontNameField(record.*member).toLatin1().constData(),
                           f.size);
                else
                    qToLittleEndian<T>(record.*member, bytes + f.offset);
            },
            f.member);
    }
}

QByteArray defaultImage() {
    QByteArray image(settingsRecordBytes, '\0');
    encodeInto(image, defaultSettingsRecord(), everyField);
    return image;
}

// The stored bytes, with the defaults standing in for the part of the record the file lacks.
QByteArray readImage(const QString& path) {
    QFile file(path);
    QByteArray stored;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read the settings file");
        stored = file.readAll();
    }
    if (stored.size() < settingsRecordBytes)
        stored += defaultImage().mid(stored.size());
    return stored;
}
}  // namespace

QString settingsFilePath() {
    return QDir(Paths::settingsFolder()).filePath(QStringLiteral("tshedef01.dat"));
}

SettingsRecord defaultSettingsRecord() {
    SettingsRecord r;
    r.htmlTextColor = makeRgb(0, 0, 0);
    // "Monospace" is the system's fixed-width face (DejaVu Sans Mono on Debian); the full name
    // would not fit the record's 15 characters.
    r.editorFontName = fontNameField(QStringLiteral("Monospace"));
    r.htmlTagColor = makeRgb(0, 0, 160);
    r.htmlBackColor = makeRgb(255, 255, 255);
    r.editorFontSize = 10;
    r.htmlParamColor = makeRgb(153, 0, 153);
    r.htmlCommentColor = makeRgb(0, 128, 0);
    r.htmlMisspelledColor = makeRgb(220, 0, 0);
    r.scriptTextColor = makeRgb(0, 0, 0);
    r.scriptKeywordColor = makeRgb(0, 0, 192);
    r.scriptParamColor = makeRgb(163, 21, 21);
    r.scriptObjectColor = makeRgb(0, 128, 128);
    r.scriptCommentColor = makeRgb(0, 128, 0);
    r.scriptBackColor = makeRgb(255, 255, 255);
    return r;
}

SettingsRecord readSettingsRecord(const QString& path) { return decode(readImage(path)); }

void writeSettingsRecord(const QString& path, SettingsWriter writer,
                         const SettingsRecord& values) {
    QByteArray image = readImage(path);
    encodeInto(image, values, int(writer));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit())
        throw std::runtime_error("cannot write the settings file");
}

SettingsRecord settingsRecordFromAppState(const AppState& app) {
    SettingsRecord record;
    pairFields(record, app, [](auto& field, const auto& value) { field = value; });
    return record;
}

void copySettingsToAppState(const SettingsRecord& record, AppState& app) {
    pairFields(record, app, [](const auto& field, auto& value) { value = field; });
}

QString fontNameField(const QString& name) {
    return name.left(fontNameWidth).leftJustified(fontNameWidth, QLatin1Char(' '));
}
