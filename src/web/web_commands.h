#pragma once
// File > Open URL and File > Upload to FTP Server: the main window's routines that show the
// two transfer dialogs, modeless, each created once and then shown again with its fields.
struct AppState;

// Adds the commands "openurl" and "Upload" to *app.commands.
void registerWebCommands(AppState& app);
