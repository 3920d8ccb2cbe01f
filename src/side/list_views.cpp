#include "side/list_views.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/editor_window.h"
#include "core/frame.h"
#include "core/keyword_letter_ranges.h"
#include "side/folder_lists.h"
#include "side/list_view_insertions.h"

namespace {
struct TabRow {
    const char* caption;
    const char* key;
    const char* tooltip;
};
const TabRow Tabs[] = {
    {"Files", "dir", "Open html file."},
    {"Symbol", "", "Insert Symbol"},
    {"Script", "", "Insert Script"},
    {"TagList", "tag", "List of HTML Tag"},
};

// Which controls each tab shows: Drive1, Dir1, File1, File2, Text1, taglist.
constexpr bool Visible[4][6] = {
    {true, true, true, false, false, false},
    {false, false, false, false, true, false},
    {true, true, false, true, false, false},
    {false, false, false, false, false, true},
};

QString readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

bool isBlank(QChar c) { return c.isSpace(); }

// Where a tag node's name stands in the tag table.
constexpr int TablePosition = Qt::UserRole;
}  // namespace

filebrv::filebrv(AppState& app, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), app_(app) {
    setObjectName(QStringLiteral("filebrv"));
    setWindowTitle(QStringLiteral("List views..."));
    setAttribute(Qt::WA_DeleteOnClose);

    tab_ = new QTabBar(this);
    tab_->setObjectName(QStringLiteral("Tab1"));
    tab_->setExpanding(false);
    for (const TabRow& row : Tabs) {
        const int index = tab_->addTab(QString::fromLatin1(row.caption));
        tab_->setTabData(index, QString::fromLatin1(row.key));
        tab_->setTabToolTip(index, QString::fromLatin1(row.tooltip));
    }
    drive_ = new PlaceList(this);
    dir_ = new FolderList(this);
    file1_ = new FileList(QStringLiteral("*.html;*.htm;*.asp"), this);
    file1_->setObjectName(QStringLiteral("File1"));
    file2_ = new FileList(QStringLiteral("*.js;*.vbs"), this);
    file2_->setObjectName(QStringLiteral("File2"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->viewport()->installEventFilter(this);
    tags_ = new QTreeWidget(this);
    tags_->setObjectName(QStringLiteral("taglist"));
    tags_->setHeaderHidden(true);
    tags_->setRootIsDecorated(false);
    tags_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tab_);
    layout->addWidget(drive_);
    layout->addWidget(dir_, 1);
    layout->addWidget(file1_, 1);
    layout->addWidget(file2_, 1);
    layout->addWidget(text_, 2);
    layout->addWidget(tags_, 2);

    connect(tab_, &QTabBar::currentChanged, this, &filebrv::Tab1_Click);
    connect(drive_, &PlaceList::placeChanged, dir_, &FolderList::setPath);
    connect(dir_, &FolderList::pathChanged, file1_, &FileList::setPath);
    connect(dir_, &FolderList::pathChanged, file2_, &FileList::setPath);
    // A click opens or inserts (Enter too, see eventFilter); the second click of a
    // double-click does nothing more.
    for (FileList* list : {file1_, file2_}) {
        list->installEventFilter(this);
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            if (clicks_.isFirst(item)) fileClicked(list, item);
        });
    }
    connect(tags_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        if (clicks_.isFirst(node)) taglist_NodeClick(node);
    });
    // Arrow keys move the selection; the node they reach is "clicked" without inserting.
    connect(tags_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        if (arrowKeyUsed) taglist_NodeClick(node);
    });

    // Load.
    dir_->setPath(QDir::currentPath());
    drive_->showPlaceOf(dir_->path());
    text_->setPlainText(readWhole(QDir(app_.programFolder).filePath(QStringLiteral("SYMBOL.tsh"))));
    if (app_.frame) app_.frame->setCommandChecked(QStringLiteral("list"), true);
    tags_->clear();
    const QColor tagColour = toQColor(app_.htmlTagColor);
    const std::vector<QString>& names = app_.tables.tagTable();
    for (int position = 0; position < int(names.size()); ++position) {
        const QString name = names[position].trimmed();
        if (name.isEmpty()) continue;
        auto* node = new QTreeWidgetItem(tags_, QStringList{QLatin1Char('<') + name + QLatin1Char('>')});
        node->setForeground(0, tagColour);
        node->setData(0, TablePosition, position);
    }
    Tab1_Click(0);
    // Never narrower than its tabs need: the size it is placed by is the size it shows at.
    resize(std::max(260, minimumSizeHint().width()), 480);
}

filebrv::~filebrv() = default;

void filebrv::Tab1_Click(int index) {
    if (index < 0 || index >= 4) return;
    QWidget* controls[6] = {drive_, dir_, file1_, file2_, text_, tags_};
    for (int i = 0; i < 6; ++i) controls[i]->setVisible(Visible[index][i]);
    if (index == 1) text_->setFocus();
}

void filebrv::refreshFileLists() {
    file1_->refresh();
    file2_->refresh();
}

void filebrv::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshFileLists();
}

void filebrv::closeEvent(QCloseEvent* event) {
    if (app_.frame) app_.frame->setCommandChecked(QStringLiteral("list"), false);
    event->accept();
}

// Opens the page the way File > Open does.
void filebrv::File1_Click(const QString& name) {
    if (app_.frame) app_.frame->openFiles({joinPath(dir_->path(), name)});
}

void filebrv::fileClicked(FileList* list, QListWidgetItem* item) {
    if (!item) return;
    if (list == file1_) File1_Click(item->text());
    else File2_Click(item->text());
}

bool ClickFilter::isFirst(const void* item) {
    const bool again = item == last_ && since_.isValid() &&
                       since_.elapsed() <= QApplication::doubleClickInterval();
    last_ = item;
    since_.start();
    return !again;
}

void filebrv::File2_Click(const QString& name) {
    EditorWindow* window = app_.currentHtmlWindow.data();
    if (!window) return;
    insertScriptFile(*window, joinPath(dir_->path(), name));
    refreshFileLists();
}

// The blank-delimited word under the double-click, so that "&nbsp;" comes whole.
void filebrv::Text1_DblClick(const QPoint& at) {
    QTextCursor cursor = text_->cursorForPosition(at);
    const QString line = cursor.block().text();
    int from = cursor.positionInBlock();
    int to = from;
    while (from > 0 && !isBlank(line[from - 1])) --from;
    while (to < line.size() && !isBlank(line[to])) ++to;
    if (from == to) return;
    cursor.setPosition(cursor.block().position() + from);
    cursor.setPosition(cursor.block().position() + to, QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
    if (EditorWindow* window = app_.currentHtmlWindow.data())
        insertSymbol(*window, cursor.selectedText());
}

void filebrv::taglist_NodeClick(QTreeWidgetItem* node) {
    if (arrowKeyUsed) {
        arrowKeyUsed = false;
        return;
    }
    EditorWindow* window = app_.currentHtmlWindow.data();
    if (!node || !window) return;
    insertTagNode(*window, node->text(0), app_.tables.closingTag(node->data(0, TablePosition).toInt()));
}

// True when the key was handled here.
bool filebrv::taglist_KeyDown(int key) {
    arrowKeyUsed = key == Qt::Key_Up || key == Qt::Key_Down;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        taglist_NodeClick(tags_->currentItem());
        return true;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const int letter = key - Qt::Key_A;
        if (letter >= int(tagLetterRanges.size()) || tagLetterRanges[letter].low < 0) return true;
        for (int i = 0; i < tags_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = tags_->topLevelItem(i);
            if (node->data(0, TablePosition).toInt() == tagLetterRanges[letter].low)
                tags_->setCurrentItem(node);
        }
        return true;
    }
    return false;
}

bool filebrv::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tags_ && event->type() == QEvent::KeyPress)
        return taglist_KeyDown(static_cast<QKeyEvent*>(event)->key());
    if ((watched == file1_ || watched == file2_) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        auto* list = static_cast<FileList*>(watched);
        fileClicked(list, list->currentItem());
        return true;
    }
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Text1_DblClick(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
