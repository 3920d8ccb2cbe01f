#pragma once
// The Java menu's tool commands: setpath, compl, run, appl, comm.
struct AppState;

// Registers the commands in *app.commands. compl, run and appl need a Java window and do
// nothing without one.
void registerJavaToolCommands(AppState& app);
