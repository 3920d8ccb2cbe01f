#include "side/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

PlaceList::PlaceList(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Drive1"));
    QStringList seen;
    auto add = [&](const QString& label, const QString& path) {
        if (path.isEmpty() || seen.contains(path) || !QFileInfo(path).isDir()) return;
        seen << path;
        addItem(label, path);
    };
    add(QStringLiteral("Home (%1)").arg(QDir::homePath()), QDir::homePath());
    add(QStringLiteral("File system (/)"), QStringLiteral("/"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        // The kernel's own file systems are no place to keep pages.
        if (root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
            root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")))
            continue;
        const QString name = volume.displayName();
        add(name == root ? root : QStringLiteral("%1 (%2)").arg(name, root), root);
    }
    connect(this, &QComboBox::currentIndexChanged, this,
            [this] { emit placeChanged(path()); });
}

QString PlaceList::path() const { return currentData().toString(); }

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("Dir1"));
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setPath(QDir::cleanPath(joinPath(path_, item->text())));
    });
}

void FolderList::setPath(const QString& path) {
    if (!QFileInfo(path).isDir()) return;
    path_ = path;
    clear();
    if (!QDir(path).isRoot()) addItem(QStringLiteral(".."));
    addItems(QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    setToolTip(path);
    emit pathChanged(path);
}

FileList::FileList(const QString& patterns, QWidget* parent)
    : QListWidget(parent), patterns_(patterns.split(QLatin1Char(';'))) {}

void FileList::setPath(const QString& path) {
    path_ = path;
    refresh();
}

void FileList::refresh() {
    const QString current = currentItem() ? currentItem()->text() : QString();
    clear();
    if (path_.isEmpty()) return;
    addItems(QDir(path_).entryList(patterns_, QDir::Files, QDir::Name | QDir::IgnoreCase));
    const QList<QListWidgetItem*> again = findItems(current, Qt::MatchExactly);
    if (!again.isEmpty()) setCurrentItem(again.first(), QItemSelectionModel::NoUpdate);
}

QStringList FileList::fileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i) names << item(i)->text();
    return names;
}
