#pragma once
// The Tools commands that change settings: Auto Save ("autosave"), Change Editor font
// ("cfont"), HTML Code Color Setting ("hcolor") and Other Code Color Setting ("ocolor").
struct AppState;

void registerSettingsCommands(AppState& app);
