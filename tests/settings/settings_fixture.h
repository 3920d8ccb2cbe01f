#pragma once
// An HTML window with a settings file of known bytes, and a minimal editor window of any other
// kind that records what the settings dialogs ask of it.
#include <QFile>

#include "core/scintilla_pane.h"
#include "core/settings_record.h"
#include "html/html_fixture.h"
#include "support/recording_speaker.h"

class StubWindow : public EditorWindow {
public:
    StubWindow(AppState& app, WindowKind kind)
        : EditorWindow(app, kind, std::make_unique<ScintillaPane>()) {}
    bool SaveDocument() override {
        ++saves;
        if (duringSave) duringSave();
        return true;
    }
    bool SaveDocumentAs() override { return SaveDocument(); }
    void recolourAll() override {
        ++recolours;
        if (duringRecolour) duringRecolour();
    }
    int saves = 0;
    int recolours = 0;
    std::function<void()> duringRecolour;
    std::function<void()> duringSave;
};

class SettingsFixture : public HtmlFixture {
protected:
    SettingsFixture() {
        QFile::remove(settingsFilePath());
        app.speaker = &speaker;
    }
    ~SettingsFixture() override { QFile::remove(settingsFilePath()); }

    static QByteArray storedSettings() {
        QFile file(settingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A 96-byte file in which every byte holds its offset plus one, read into the settings as
    // start-up does: any byte a writer should leave alone shows when it changes.
    void storePatternedSettings() {
        QByteArray bytes(settingsRecordSlot, '\0');
        for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i + 1);
        QFile file(settingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        copySettingsToAppState(readSettingsRecord(settingsFilePath()), app);
    }

    RecordingSpeaker speaker;
};
