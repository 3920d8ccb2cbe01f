#pragma once
// The Java menu's tool commands: setpath, compl, run, appl, comm.
struct AppState;

// Registers the commands in *app.commands. compl, run and appl need a Java window and do
// nothing without one; they work on its file as saved, and ask to save it first when it is not.
void registerJavaToolCommands(AppState& app);
