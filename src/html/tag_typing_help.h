#pragma once
// The typing help of an HTML window: the completion list beside the caret, the tooltip of the
// tag just recognised, closing tags written on ">", and the pane's Ctrl shortcuts and context
// menu.
#include <QRect>

#include "html/html_typing_help.h"

class AutotagList;
class EditorWindow;
class QLabel;
class QLineEdit;
class QPoint;

class TagTypingHelp : public HtmlTypingHelp {
public:
    // The list, hint and tooltip become children of window, floating over its pane; the window
    // outlives this help, which it owns.
    explicit TagTypingHelp(EditorWindow& window);
    ~TagTypingHelp() override;

    void initautotag() override;
    void tagNameTyped(const QString& typed) override;
    void hideList() override;
    void hideTooltip() override;
    bool listVisible() const override;
    void tagRecognised(const QString& tooltip) override;
    void closingBracketTyped(int& keyAscii) override;

    void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) override;
    void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

    // Replaces the partly typed name before the caret with the list's selected tag.
    void insertSelectedTag();

    AutotagList* autotag() const { return autotag_; }
    QLineEdit* tooltip() const { return tooltip_; }
    QLabel* hint() const { return hint_; }

private:
    void typeIntoPane(const QString& character);
    void focusPane();
    // Where the caret is, in the window's coordinates.
    QRect caretInWindow() const;
    // The name of the opening tag the caret stands in, or "" when it is not in one.
    QString openingTagBeforeCaret() const;
    // The user typed the closing tag the program wrote for them right before it: the ">"
    // finishes theirs and the written one goes, so the tag is not closed twice. True when so.
    bool closingTagTypedBeforeWrittenOne(int& keyAscii);

    EditorWindow& window_;
    AutotagList* autotag_;
    QLineEdit* tooltip_;
    QLabel* hint_;
    bool ctrlDown_ = false;
    // The closing tag last written on ">", and how many positions follow it to the end of the
    // text (which typing before it leaves unchanged).
    QByteArray writtenClosing_;
    int writtenClosingTail_ = -1;
};
