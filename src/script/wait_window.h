#pragma once
// The one "please wait" window with a progress bar that long passes show while they work.
class QProgressBar;
class QWidget;

namespace WaitWindow {
// Shows the window (made on first use) with its bar at 0.
void show();
// Sets the bar and lets pending window events run when the value changed, so that it repaints.
void progress(int percent);
void hide();
QWidget* window();  // null until first shown
}  // namespace WaitWindow
