#pragma once
// The typing help of an HTML window (completion list, tag tooltip, automatic closing tags)
// behind the window's key and mouse handlers. The window calls these at the points where the
// help must act; this base does nothing, so a window without typing help still colours and
// undoes as it should.
#include <QString>
#include <Qt>

class HtmlTypingHelp {
public:
    virtual ~HtmlTypingHelp() = default;

    // Fills the completion list from the tag file (window load).
    virtual void initautotag() {}
    // A tag name is being typed after "<" (or "</"); `typed` is its letters so far, the key
    // being typed included. Shows the list beside the caret, narrowed to the tags that begin
    // with them, or closes it when none does.
    virtual void tagNameTyped(const QString& typed) { Q_UNUSED(typed) }
    virtual void hideList() {}
    virtual void hideTooltip() {}
    virtual bool listVisible() const { return false; }
    // The local recolouring recognised a tag; tooltip is the tag's tooltip text.
    virtual void tagRecognised(const QString& tooltip) { Q_UNUSED(tooltip) }
    // The ">" that ends an opening tag is about to be inserted (keyAscii may be changed).
    virtual void closingBracketTyped(int& keyAscii) { Q_UNUSED(keyAscii) }

    // The pane's remaining events, for the list's keys, shortcuts and the context menu.
    virtual void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
        Q_UNUSED(keyCode) Q_UNUSED(shift)
    }
    virtual void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) {
        Q_UNUSED(keyCode) Q_UNUSED(shift)
    }
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        Q_UNUSED(button) Q_UNUSED(shift) Q_UNUSED(x) Q_UNUSED(y)
    }
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
        Q_UNUSED(buttons) Q_UNUSED(shift) Q_UNUSED(x) Q_UNUSED(y)
    }
};
