#pragma once
// An HTML window with a settings file of known bytes.
#include <QFile>

#include "core/settings_record.h"
#include "support/editor_fixture.h"

class SettingsFixture : public HtmlFixture {
protected:
    SettingsFixture() { QFile::remove(settingsFilePath()); }
    ~SettingsFixture() override { QFile::remove(settingsFilePath()); }

    // A 96-byte file in which every byte holds its offset plus one, read into the settings as
    // start-up does: any byte a writer should leave alone shows when it changes.
    void storePatternedSettings() {
        QByteArray bytes(settingsRecordSlot, '\0');
        for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i + 1);
        ASSERT_TRUE(TestEnvironment::writeFile(settingsFilePath(), bytes));
        copySettingsToAppState(readSettingsRecord(settingsFilePath()), app);
    }
};
