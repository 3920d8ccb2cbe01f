#pragma once
// form1: the window in which one HTML page is edited, with its code tab (the coloured pane and
// its line-number margin) and its preview tab, side by side in split view.
#include "core/editor_window.h"

class QTabBar;
class PreviewView;

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
    bool openfromdir(const QString& path);

    bool SaveDocument() override;
    bool SaveDocumentAs() override;
    void pasteFromClipboard() override;  // pastecode

    // Colouring (whole range, and after a paste).
    void refreshCode(int& start, int& length);
    void pastecode();
    void Fchangefont();

    // Preview and layout.
    void RefreshPreview();
    void showCode();     // View Code
    void showPreview();  // View Preview
    void ScrollText();
    void Initcount() override;

    bool colouringBusy = false;
    int savedCaret = 0;
    int rangeStart = 0;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Brings the preview of currentHtmlWindow up to date (nothing when there is none).
void RefreshPreview(AppState& app);
