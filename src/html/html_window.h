#pragma once
// form1: the window in which one HTML page is edited, with its code tab (the coloured pane and
// its line-number margin) and its preview tab, side by side in split view.
#include <memory>

#include "core/editor_window.h"

class QTabBar;
class WebView;
class HtmlTypingHelp;

class HtmlWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit HtmlWindow(AppState& app, QWidget* parent = nullptr);
    ~HtmlWindow() override;

    // Initialisation after creation: "s" for a new or opened document, "n" from the page wizard.
    void newfile(const QString& tag);
    // Asks for a file and opens it into this window; false when cancelled or unreadable.
    bool openfile();
    // Opens the given file without asking; false (and a message naming the file and the reason)
    // when it cannot be read.
    bool openfromdir(const QString& path) override;

    bool SaveDocument() override;
    bool SaveDocumentAs() override;
    void pasteFromClipboard() override;  // pastecode

    // Colouring (whole range, and after a paste).
    void refreshCode(int& start, int& length);
    // Puts the text in the pane in the editor font and colours all of it.
    void showText(const QByteArray& text);
    void recolourRange(int start, int length) override { refreshCode(start, length); }
    void pastecode();
    void Fchangefont();
    // The font and colours confirmed in the settings dialogs, applied to the whole page with
    // the caret kept and the focus on the pane.
    void recolourAll() override;
    // Settings confirmed while another window was active reach this one when it is activated.
    void activate() override;

    // Preview and layout.
    void RefreshPreview();
    void refreshPreviewIfSplit() override;
    void showCode();     // View Code
    void showPreview();  // View Preview
    void ScrollText();
    void Initcount() override;
    // Shows or hides the line-number margin (the main window's `ln`).
    void setGutterVisible(bool visible);

    QTabBar* ts() const;
    // The preview browser; null until the preview is first shown.
    WebView* Browser1() const;
    // Where the preview of an unsaved page is written.
    static QString previewPath();
    // What a browser shows of this page: its file, or for a page never saved, its text as it
    // stands, written to the preview file. Empty when that file cannot be written.
    QString browserAddress();

    HtmlTypingHelp& typingHelp() const;
    void setTypingHelp(std::unique_ptr<HtmlTypingHelp> help);

    bool colouringBusy = false;
    int savedCaret = 0;
    int rangeStart = 0;
    // What the last keys were, for the typing help.
    bool lastKeyBackspace = false;
    bool tagOpened = false;

protected:
    void showRecoveredText(const QByteArray& text) override;
    void showEncoding(const QString& name) override;
    void Change() override;
    void SelChange() override;
    void KeyPress(int& keyAscii) override;
    void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) override;
    void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ts_Click(int index);
    void layoutPage();
    bool splitView() const;
    bool lineNumbersOn() const;
    WebView& ensureBrowser();
    // Shows the address in the preview, with the loading notice until it has arrived.
    void navigatePreview(const QString& address);
    void hideBrowser();
    bool loadDocument(const QString& path);
    bool writePreview();
    void typedOtherKey(int keyAscii);

    struct Private;
    std::unique_ptr<Private> d;
};

// Brings the preview of currentHtmlWindow up to date (nothing when there is none).
void RefreshPreview(AppState& app);
