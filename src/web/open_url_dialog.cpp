#include "web/open_url_dialog.h"

#include <QPointer>

#include "core/frame.h"
#include "core/plain_text_file.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "web/page_text.h"

openurl::openurl(AppState& app, QWidget* parent)
    : ServerDialog(app, QStringLiteral("Open URL to Edit "), QStringLiteral(" &Open URL         :"),
                   QStringLiteral("Close"), parent) {
    setObjectName(QStringLiteral("openurl"));
}

void openurl::OKButton_Click() {
    ++openUrlCounter;
    QPointer<HtmlWindow> window = new HtmlWindow(app_);
    window->setCaption(EditorWindow::defaultName(KindHtml) + QString::number(openUrlCounter));
    window->newfile(QStringLiteral("s"));
    if (app_.frame) app_.frame->showChild(window);
    try {
        prepareTransfer();
        setTransferring(true);
        const QByteArray bytes = Inet1().OpenURL();
        setTransferring(false);
        if (!window) return;  // closed while the page was on its way
        const PlainText text = pageText(bytes, Inet1().contentType());
        if (!looksLikeText(text.utf8))
            throw TransferError("What this address gives is not a text page.");
        EditorPane& pane = window->pane();
        // The page is saved in the encoding it came in, byte for byte.
        pane.setEncoding(text.encoding);
        window->showText(text.utf8);
        pane.SetSelStart(0);
        window->documentOpened();
        hide();
        pane.SetFocus();
    } catch (const std::exception& e) {
        setTransferring(false);
        hide();
        app_.dialogs->messageBox(QString::fromUtf8(e.what()), QStringLiteral("Tessavel editor 2005"),
                                 MsgButtons::Ok, MsgIcon::Critical);
    }
}
