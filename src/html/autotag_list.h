#pragma once
// autotag: the completion list of tag names. It keeps no keys: Enter and Space ask for the
// selected tag, the characters of HTML are handed on to the pane, and every typed key sends the
// focus back to the pane.
#include <QListWidget>

class AutotagList : public QListWidget {
    Q_OBJECT
public:
    explicit AutotagList(QWidget* parent);
    // Every item of the tag file, lower-cased, in file order.
    void fill(const QStringList& tags);

signals:
    void insertRequested();
    void characterTyped(const QString& character);
    void focusBackToPane();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
