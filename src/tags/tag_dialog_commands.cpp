#include "tags/tag_dialog_commands.h"

#include "core/app_state.h"
#include "core/coloured_insertion.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"
#include "tags/tag_insertion.h"

namespace {
// The palettes float above everything and would cover the dialog.
template <typename Ask>
auto askWithPalettesHidden(AppState& app, Ask ask) {
    if (app.frame) app.frame->hidePalettes();
    auto answer = ask(*app.dialogs);
    if (app.frame) app.frame->showPalettes();
    return answer;
}

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString wrapInStyles(QString text, const FontChoice& font) {
    const struct {
        bool on;
        const char* tag;
    } styles[] = {{font.bold, "b"}, {font.italic, "i"}, {font.underline, "u"},
                  {font.strikeThru, "strike"}};
    for (const auto& style : styles)
        if (style.on)
            text = QStringLiteral("<%1>%2</%1>").arg(QLatin1String(style.tag), text);
    return text;
}

void resetInsertionStyle(EditorPane& pane, Rgb textColour) {
    pane.SetSelColor(textColour);
    pane.SetSelBold(false);
    pane.SetSelItalic(false);
    pane.SetSelUnderline(false);
    pane.SetSelStrikeThru(false);
}
}  // namespace

void colorCommand(EditorWindow& window) {
    AppState& app = window.app();
    const auto colour = askWithPalettesHidden(
        app, [](Dialogs& d) { return d.chooseColour(QStringLiteral("Select color"), 0); });
    if (!colour) return;
    {
        InsertBusyGuard busy(app);
        window.pane().SetSelText(QStringLiteral(" rgb(%1)").arg(rgbTriple(*colour)));
    }
    finishInsertion(window);
}

void fontCommand(EditorWindow& window) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    QString content = pane.SelText();
    if (content.isEmpty()) content = QStringLiteral("Your text");
    FontChoice initial;
    initial.name = app.editorFontName.trimmed();
    initial.size = app.editorFontSize;
    const auto font = askWithPalettesHidden(app, [&](Dialogs& d) {
        return d.chooseFont(QStringLiteral("Select font for web page"), initial);
    });
    if (!font) return;
    {
        InsertBusyGuard busy(app);
        int start = pane.SelStart();
        const QString wrapped = wrapInStyles(content, *font);
        writeColoured(pane,
                      QStringLiteral("<font font face =  ") + quoted(font->name) +
                          QStringLiteral(" color= ") +
                          QStringLiteral(" rgb(%1)").arg(rgbTriple(font->colour)) +
                          QLatin1Char('>'),
                      app.htmlTagColor);
        pane.SetSelText(wrapped);
        writeColoured(pane, QStringLiteral("</font>"), app.htmlTagColor);
        int end = pane.SelStart();
        ColourQuotedValues(start, window, end);

        // Show the content as the page will show it.
        const int at = pane.Find(wrapped, start);
        if (at >= 0) {
            pane.SetSelFontName(font->name);
            pane.SetSelBold(font->bold);
            pane.SetSelItalic(font->italic);
            pane.SetSelUnderline(font->underline);
            pane.SetSelStrikeThru(font->strikeThru);
            pane.SetSelColor(app.htmlTextColor);
            pane.SetSelStart(at + pane.SelLength());
        }
        resetInsertionStyle(pane, app.htmlTextColor);
        pane.Find(wrapped, start);
        pane.SetFocus();
    }
    finishInsertion(window);
}

void imageCommand(EditorWindow& window) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    FileDialogRequest request;
    request.title = QStringLiteral("Select image to place in web page");
    request.filter = QStringLiteral("Bitmap file(*.bmp)|*.bmp|Gif Files (*.Gif)|*.gif|jpeg  Files"
                                    "(*.jpeg)|*.jpg|All files(*.*)|*.*");
    const auto path =
        askWithPalettesHidden(app, [&](Dialogs& d) { return d.openFile(request); });
    if (!path) return;
    {
        InsertBusyGuard busy(app);
        int start = pane.SelStart();
        writeColoured(pane,
                      QStringLiteral("<img src=") + quoted(*path) +
                          QStringLiteral(" width=\"\" height=\"\" alt=") +
                          quoted(QStringLiteral("Imagename")) + QLatin1Char('>'),
                      app.htmlTagColor);
        int end = pane.SelStart();
        ColourQuotedValues(start, window, end);
        const int width = pane.Find(QStringLiteral("width"), start);
        if (width >= 0) moveCaretPast(pane, width, "\"", true, 1);
        window.typingPairs().noteEmptyQuotes(pane);
        pane.SetFocus();
    }
    finishInsertion(window);
}

void mapCommand(EditorWindow& window, short& mapCounter) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    ++mapCounter;
    FileDialogRequest request;
    request.title = QStringLiteral("Open image file to display in background");
    request.filter = QStringLiteral("Windows bitmap(*.bmp)|*.bmp|Gif files(*.gif)|*.gif|"
                                    "Jpeg files(*.jpg)|*.jpg|All files(*.*)|*.*");
    request.defaultExt = QStringLiteral("*.gif");
    const auto path =
        askWithPalettesHidden(app, [&](Dialogs& d) { return d.openFile(request); });
    if (!path) return;
    {
        InsertBusyGuard busy(app);
        int start = pane.SelStart();
        const QString shape = QStringLiteral("shape") + QString::number(mapCounter);
        writeColoured(pane,
                      QStringLiteral("<Div><img src=") + quoted(*path) +
                          QStringLiteral(" Usemap = ") + quoted(QLatin1Char('#') + shape) +
                          QStringLiteral("></Div>\r\n<Div><map name =") + quoted(shape) +
                          QLatin1Char('>'),
                      app.htmlTagColor);
        writeColoured(pane,
                      QStringLiteral("<area shape=\"rect\"coords=\"10,50,200,400\"href =\"\">"
                                     "\r\n</map>\r\n</div>\r\n"),
                      app.htmlTagColor);
        int end = pane.SelStart();
        ColourQuotedValues(start, window, end);
        moveCaretPast(pane, end, "\"", false, -1);
        window.typingPairs().noteEmptyQuotes(pane);
        pane.SetFocus();
    }
    finishInsertion(window);
}
