#pragma once
// The settings record: the twelve colours and the editor font kept between runs in one
// fixed-size binary record of tshedef01.dat. Each writer reads the whole record, replaces only
// the fields it owns and writes the whole record back.
#include <QString>

#include "platform/colour.h"

struct AppState;

// The record occupies the first 80 bytes of a 96-byte slot; the last 16 are never written.
constexpr int settingsRecordSlot = 96;
constexpr int settingsRecordBytes = 80;
constexpr int fontNameWidth = 15;

struct SettingsRecord {
    qint32 reserved = 0;
    Rgb htmlTextColor = 0;
    QString editorFontName;  // the 15-character field as stored
    Rgb htmlTagColor = 0;
    Rgb htmlBackColor = 0;
    qint16 reserved1 = 0;
    qint16 reserved2 = 0;
    qint16 reserved3 = 0;
    qint16 reserved4 = 0;
    qint16 editorFontSize = 0;
    Rgb htmlParamColor = 0;
    Rgb htmlCommentColor = 0;
    Rgb htmlMisspelledColor = 0;
    Rgb scriptTextColor = 0;
    Rgb scriptKeywordColor = 0;
    Rgb scriptParamColor = 0;
    Rgb scriptObjectColor = 0;
    Rgb scriptCommentColor = 0;
    Rgb scriptBackColor = 0;
};

// The three writers and the fields they own: cwindow the HTML colours, scriptcolor the script
// colours, cfont the text colour, font name and font size.
enum class SettingsWriter { cwindow = 1, scriptcolor = 2, cfont = 4 };

// tshedef01.dat in the per-user settings folder.
QString settingsFilePath();

// The values used for whatever the file does not hold (absent, empty or short file).
SettingsRecord defaultSettingsRecord();

// Reads record 1; a missing or short file yields the defaults for the bytes it lacks.
// Throws std::runtime_error when the file exists but cannot be read.
SettingsRecord readSettingsRecord(const QString& path);

// Replaces the writer's fields in the stored record by those of `values` and rewrites the file
// atomically; every other byte, bytes 80-95 included, stays as it was. Throws
// std::runtime_error when the file cannot be read or written.
void writeSettingsRecord(const QString& path, SettingsWriter writer, const SettingsRecord& values);

// The record's fields as the application currently holds them.
SettingsRecord settingsRecordFromAppState(const AppState& app);

// Start-up: copies every field into the application-wide state.
void copySettingsToAppState(const SettingsRecord& record, AppState& app);

// A font name as the record stores it: cut to 15 characters or padded with blanks.
QString fontNameField(const QString& name);
