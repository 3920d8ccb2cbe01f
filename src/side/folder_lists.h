#pragma once
// The drive, folder and file lists of the list-views window. Linux has no drive letters: the
// drive list offers the places a user has (home folder, the root, mounted volumes); folder
// paths use "/".
#include <QComboBox>
#include <QListWidget>

// folder and name joined with exactly one "/" between them.
QString joinPath(const QString& folder, const QString& name);

// Drive1: a place per entry, its path in the item's data.
class PlaceList : public QComboBox {
    Q_OBJECT
public:
    explicit PlaceList(QWidget* parent = nullptr);
    QString path() const;
    // Shows the place that holds the folder (the deepest one), without changing folders.
    void showPlaceOf(const QString& folder);
signals:
    void placeChanged(const QString& path);
};

// Dir1: one folder with its ancestors and subfolders; a double-click (or Enter) opens one.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int FolderPath = Qt::UserRole;
    explicit FolderList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
signals:
    void pathChanged(const QString& path);

private:
    QString path_;
};

// File1, File2: the files of one folder that match the patterns ("*.js;*.vbs").
class FileList : public QListWidget {
    Q_OBJECT
public:
    FileList(const QString& patterns, QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
    void refresh();
    QStringList fileNames() const;

private:
    QStringList patterns_;
    QString path_;
};
