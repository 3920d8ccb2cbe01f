#pragma once
// The real dialogs: Qt's message, input, file, colour, font, print and page set-up dialogs.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parentWindow = nullptr) : parent_(parentWindow) {}
    // The main window, once it exists, becomes the parent of every dialog.
    void setParentWindow(QWidget* parentWindow) { parent_ = parentWindow; }

    MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(FileDialogRequest& request) override;
    // A name that carries its own folder, else the folder last chosen in a dialog of this
    // title, else the folder the editor was started in (home instead of the file system's root).
    QString startFolder(const FileDialogRequest& request) const override;
    std::optional<Rgb> chooseColour(const QString& title, Rgb initial) override;
    std::optional<FontChoice> chooseFont(const QString& title, const FontChoice& initial) override;
    bool choosePrinter(QPrinter& printer, const QString& title) override;
    bool pageSetup(QPrinter& printer, const QString& title) override;

private:
    // A save dialog leaves the user's picks (the choice, the file type) in *saving; an open
    // dialog has none.
    std::optional<QString> runFileDialog(const FileDialogRequest& request,
                                         FileDialogRequest* saving = nullptr);
    // The window a dialog belongs to: the modal dialog asking, else the active window (so that a
    // question asked from a topmost dialog stays above it), else the main window.
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};
