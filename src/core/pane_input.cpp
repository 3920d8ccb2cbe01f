#include "core/pane_input.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "core/editor_pane.h"

namespace {
// The character code a key press types, as the rich-edit control reports it (0: none).
int typedCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 0;
    default: break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

// What the scroll area's own filter on its viewport does with a viewport event: the scroll area
// handles it (QAbstractScrollArea::viewportEvent, protected) and dispatches it to its own
// mouse, drop and context-menu handlers. The viewport's own event() would drop it.
class ScrollAreaDelivery : public QAbstractScrollArea {
public:
    static bool deliver(QAbstractScrollArea* area, QEvent* event) {
        return (area->*(&ScrollAreaDelivery::viewportEvent))(event);
    }
};

int keyForCode(int code) {
    switch (code) {
    case 13: return Qt::Key_Return;
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 27: return Qt::Key_Escape;
    default: return QChar(code).toUpper().unicode();
    }
}
}  // namespace

PaneInput::PaneInput(PaneInputHost& host, QWidget* widget, QWidget* viewport)
    : QObject(widget), host_(host), widget_(widget), viewport_(viewport) {
    widget->installEventFilter(this);
    if (viewport) viewport->installEventFilter(this);
}

bool PaneInput::forward(QObject* target, QEvent* event, bool typing) {
    host_.beforeInput(typing);
    ++depth_;
    auto* area = qobject_cast<QAbstractScrollArea*>(widget_);
    if (area && target == viewport_ && target == area->viewport())
        ScrollAreaDelivery::deliver(area, event);
    else
        target->event(event);
    --depth_;
    host_.afterInput();
    return true;
}

bool PaneInput::keyPress(QObject* target, QKeyEvent* event) {
    PaneEvents* handler = host_.inputHandler();
    int keyCode = event->key();
    if (handler) handler->KeyDown(keyCode, event->modifiers());
    if (keyCode == 0) return true;
    const int typed = typedCode(*event);
    int code = typed;
    if (typed != 0 && handler) {
        handler->KeyPress(code);
        if (code == 0) return true;
    }
    if (code == typed) return forward(target, event, true);
    QKeyEvent replacement(QEvent::KeyPress, keyForCode(code),
                          event->modifiers() & Qt::ShiftModifier, QString(QChar(code)));
    return forward(target, &replacement, true);
}

bool PaneInput::eventFilter(QObject* watched, QEvent* event) {
    if (depth_ > 0) return false;
    PaneEvents* handler = host_.inputHandler();
    switch (event->type()) {
    case QEvent::Paint:
        host_.beforePaint();
        return false;
    case QEvent::ShortcutOverride:
        // Left unaccepted: a key that has an application shortcut goes to the shortcut (menu
        // shortcuts win over the control's own keys); any other key still reaches the pane.
        return true;
    case QEvent::KeyPress:
        return !host_.acceptsInput() || keyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        if (!host_.acceptsInput()) return true;
        auto* key = static_cast<QKeyEvent*>(event);
        int keyCode = key->key();
        if (handler) handler->KeyUp(keyCode, key->modifiers());
        return keyCode == 0;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: {
        if (!host_.acceptsInput()) return true;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at =
            static_cast<QWidget*>(watched)->mapTo(widget_, mouse->position().toPoint());
        if (handler && event->type() == QEvent::MouseButtonPress)
            handler->MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
        else if (handler)
            handler->MouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y());
        return forward(watched, event, false);
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        return !host_.acceptsInput() || forward(watched, event, false);
    case QEvent::InputMethod:
        return !host_.acceptsInput() || forward(watched, event, true);
    default:
        return false;
    }
}
