#pragma once
// cfont, Tools > Options > Change Editor font: the font and text colour of every code pane.
struct AppState;

// Asks for the font and its colour ("Select font"), stores the text colour, font name and size
// in the settings file, and recolours the current HTML or script window. A cancelled dialog
// changes nothing.
void cfont(AppState& app);
