#include "html/autotag_list.h"

#include <QKeyEvent>

namespace {
// The characters the list passes on to the pane; the double quote and the blank go too.
const QString& forwardedCharacters() {
    static const QString set = QStringLiteral(
        "1234567890-_\\|=+qwertyuiop[]{}asdfghjkl;:'zxcvbnm,<>.QWERTYUIOPASDFGHJKLZXCVBNM"
        "!@#$%^&*()_|\\/?~`\" ");
    return set;
}
}  // namespace

AutotagList::AutotagList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("autotag"));
    setToolTip(QStringLiteral("You can HTML from here."));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    hide();
}

void AutotagList::fill(const QStringList& tags) {
    clear();
    for (const QString& tag : tags) addItem(tag.toLower());
}

void AutotagList::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Keys without a character (arrows, page keys) move through the list as usual.
    if (text.isEmpty()) {
        QListWidget::keyPressEvent(event);
        return;
    }
    const QChar key = text.at(0);
    if (key == QLatin1Char('\r') || key == QLatin1Char(' '))
        emit insertRequested();
    else if (forwardedCharacters().contains(key))
        emit characterTyped(QString(key));
    emit focusBackToPane();
    event->accept();
}
