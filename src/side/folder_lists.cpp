#include "side/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSignalBlocker>
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

void PlaceList::showPlaceOf(const QString& folder) {
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const bool holds = folder == root || folder.startsWith(joinPath(root, QString()));
        if (holds && (best < 0 || root.size() > itemData(best).toString().size())) best = i;
    }
    const QSignalBlocker quiet(this);
    if (best >= 0) setCurrentIndex(best);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("Dir1"));
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(FolderPath).toString()); });
}

// Like a folder tree opened down to the folder: its ancestors from the root, the folder itself
// (selected), then its subfolders one step further in.
void FolderList::setPath(const QString& path) {
    if (!QFileInfo(path).isDir()) return;
    path_ = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    clear();
    const QIcon open = QIcon::fromTheme(QStringLiteral("folder-open"));
    const QIcon closed = QIcon::fromTheme(QStringLiteral("folder"));
    QStringList chain;
    for (QDir dir(path_);; dir.cdUp()) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot()) break;
    }
    auto add = [this](const QIcon& icon, const QString& folder, int depth) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(FolderPath, folder);
        return item;
    };
    for (int depth = 0; depth < chain.size(); ++depth) add(open, chain[depth], depth);
    setCurrentRow(count() - 1);
    for (const QString& name : QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                    QDir::Name | QDir::IgnoreCase))
        add(closed, joinPath(path_, name), int(chain.size()));
    setToolTip(path_);
    emit pathChanged(path_);
}

FileList::FileList(const QString& patterns, QWidget* parent)
    : QListWidget(parent), patterns_(patterns.split(QLatin1Char(';'))) {}

void FileList::setPath(const QString& path) {
    path_ = path;
    refresh();
}

void FileList::refresh() {
    const QStringList names =
        path_.isEmpty() ? QStringList()
                        : QDir(path_).entryList(patterns_, QDir::Files, QDir::Name | QDir::IgnoreCase);
    // Unchanged lists stay as they are, so a click that activated the window still lands.
    if (names == fileNames()) return;
    const QString current = currentItem() ? currentItem()->text() : QString();
    clear();
    addItems(names);
    const QList<QListWidgetItem*> again = findItems(current, Qt::MatchExactly);
    if (!again.isEmpty()) setCurrentItem(again.first(), QItemSelectionModel::NoUpdate);
}

QStringList FileList::fileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i) names << item(i)->text();
    return names;
}
