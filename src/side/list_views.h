#pragma once
// filebrv ("List views..."): a floating, topmost side window whose four tabs feed the current
// HTML window: a file browser that opens pages, a symbol list, a script browser that inserts a
// script element, and the tree of known tags. Loading it checks View > Listviews, closing it
// unchecks it.
#include <QElapsedTimer>
#include <QWidget>

#include "core/app_state.h"

class QListWidgetItem;
class QPlainTextEdit;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class FileList;
class FolderList;
class PlaceList;

// Tells the first click on an item from the second click of a double-click on it.
class ClickFilter {
public:
    bool isFirst(const void* item);

private:
    const void* last_ = nullptr;
    QElapsedTimer since_;
};

class filebrv : public QWidget {
    Q_OBJECT
public:
    explicit filebrv(AppState& app, QWidget* parent = nullptr);
    ~filebrv() override;

    QTabBar* Tab1() const { return tab_; }
    PlaceList* Drive1() const { return drive_; }
    FolderList* Dir1() const { return dir_; }
    FileList* File1() const { return file1_; }
    FileList* File2() const { return file2_; }
    QPlainTextEdit* Text1() const { return text_; }
    QTreeWidget* taglist() const { return tags_; }
    bool arrowKeyUsed = false;

    void Tab1_Click(int index);
    void File1_Click(const QString& name);
    void File2_Click(const QString& name);
    void taglist_NodeClick(QTreeWidgetItem* node);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Text1_DblClick(const QPoint& at);
    bool taglist_KeyDown(int key);
    void fileClicked(FileList* list, QListWidgetItem* item);
    void refreshFileLists();

    AppState& app_;
    QTabBar* tab_;
    PlaceList* drive_;
    FolderList* dir_;
    FileList* file1_;
    FileList* file2_;
    QPlainTextEdit* text_;
    QTreeWidget* tags_;
    ClickFilter clicks_;
};
