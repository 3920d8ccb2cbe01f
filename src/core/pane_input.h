#pragma once
// Turns the key and mouse events of a pane's widget into the pane's events (KeyDown, KeyPress,
// KeyUp, MouseDown, MouseMove) and hands each input event on to the widget itself between the
// pane's own before and after steps, so that what the input changed is finished (attributes,
// Change, SelChange) before the next event arrives. An event of a scroll area's viewport is
// handed to the scroll area as its own viewport filter would hand it (the viewport widget
// itself does nothing with a click).
#include <QObject>

class PaneEvents;
class QKeyEvent;
class QWidget;

class PaneInputHost {
public:
    virtual ~PaneInputHost() = default;
    virtual PaneEvents* inputHandler() const = 0;
    virtual bool acceptsInput() const = 0;  // a hidden pane takes none
    // typing: the event may insert text, which takes the attributes the caret has now.
    virtual void beforeInput(bool typing) = 0;
    virtual void afterInput() = 0;
    virtual void beforePaint() = 0;
};

class PaneInput : public QObject {
public:
    // Watches the widget and, for scroll areas, its viewport.
    PaneInput(PaneInputHost& host, QWidget* widget, QWidget* viewport);

    // True while an event is being handed on to the widget.
    bool forwarding() const { return depth_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QObject* target, QKeyEvent* event);
    bool forward(QObject* target, QEvent* event, bool typing);

    PaneInputHost& host_;
    QWidget* widget_;
    QWidget* viewport_;
    int depth_ = 0;
};
