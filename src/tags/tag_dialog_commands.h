#pragma once
// The HTML Tags commands that ask something first (colour, font, image, image map). A cancelled
// dialog ends the command before anything is written.
class EditorWindow;

void colorCommand(EditorWindow& window);
void fontCommand(EditorWindow& window);
void imageCommand(EditorWindow& window);
// mapCounter names the maps "shape1", "shape2", ... for as long as the main window lives.
void mapCommand(EditorWindow& window, short& mapCounter);
