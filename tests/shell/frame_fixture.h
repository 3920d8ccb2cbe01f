#pragma once
// A shown main window with its own command registry, scripted dialogs, a recording speaker and
// the shipped tables.
#include <gtest/gtest.h>

#include <QAction>
#include <memory>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "shell/main_window.h"
#include "support/recording_speaker.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

struct FrameFixture : ::testing::Test {
    AppState app;
    ScriptedDialogs dialogs;
    RecordingSpeaker speaker;
    CommandRegistry commands;
    std::unique_ptr<mdiform1> frame;

    void SetUp() override {
        app.programFolder = TestEnvironment::programFolder();
        app.tables.loadAll(app.programFolder);
        app.dialogs = &dialogs;
        app.speaker = &speaker;
        app.commands = &commands;
        frame = std::make_unique<mdiform1>(app);
        frame->show();
    }
    void TearDown() override { frame.reset(); }

    void run(const char* name) { frame->command(name)->trigger(); }
    bool on(const char* name) const { return frame->isCommandEnabled(name); }
    bool button(int index) const { return frame->isToolbarButtonEnabled(index); }
};
