#include "script/java_completion.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QRegularExpression>
#include <QSet>
#include <QStringListModel>
#include <functional>

#include "core/keyword_tables.h"
#include "core/list_narrowing.h"
#include "core/text_scan.h"
#include "script/member_files.h"
#include "script/script_window.h"

namespace {
constexpr int ListWidth = 300;
constexpr int ListHeight = 180;
// A chain of calls longer than this is not followed.
constexpr int DeepestChain = 8;

const ByteSet& wordDelimiters() {
    static const ByteSet set(QByteArrayLiteral(",; .()<>+-/*=[]{}\r\n\t"));
    return set;
}

bool isIdentifier(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '$' || (c & 0x80);
}

// The list passes arrow and page keys to itself and everything else to its owner.
class MemberList : public QListView {
public:
    MemberList(QWidget* parent, std::function<void(QKeyEvent*)> otherKey)
        : QListView(parent), otherKey_(std::move(otherKey)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->text().isEmpty() && event->key() != Qt::Key_Escape)
            QListView::keyPressEvent(event);
        else
            otherKey_(event);
    }

private:
    std::function<void(QKeyEvent*)> otherKey_;
};

// The member's name as it is written in a call: the insertion text without "(".
QString memberName(const QString& insertion) {
    QString name = insertedText(insertion);
    if (name.endsWith(QLatin1Char('('))) name.chop(1);
    return name;
}
}  // namespace

JavaCompletion::JavaCompletion(ScriptWindow& window)
    : window_(window),
      jshow_(new MemberList(&window, [this](QKeyEvent* event) { listKeyPressed(event); })),
      shown_(new QStringListModel(jshow_)),
      files_(window.app().programFolder) {
    jshow_->setObjectName(QStringLiteral("jshow"));
    jshow_->setModel(shown_);
    jshow_->setSelectionMode(QAbstractItemView::SingleSelection);
    jshow_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jshow_->setUniformItemSizes(true);
    jshow_->resize(ListWidth, ListHeight);
    jshow_->hide();
    QObject::connect(jshow_, &QListView::doubleClicked, jshow_, [this] { acceptSelected(); });
}

QStringList JavaCompletion::shownItems() const { return shown_->stringList(); }

int JavaCompletion::currentRow() const {
    const QModelIndex current = jshow_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void JavaCompletion::setCurrentRow(int row) {
    const QModelIndex index = shown_->index(row);
    jshow_->setCurrentIndex(index);
    // The first row is shown by scrolling to the top, which needs no item geometry: asking for
    // its place would lay out every member of a long list on the keystroke that opens it.
    if (row == 0) jshow_->scrollToTop();
    else jshow_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

JavaCompletion::~JavaCompletion() = default;

bool JavaCompletion::listVisible() const { return !jshow_->isHidden(); }

void JavaCompletion::hideList() { jshow_->hide(); }

bool JavaCompletion::KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
    if (!listVisible() || (shift & (Qt::ControlModifier | Qt::AltModifier))) return false;
    switch (keyCode) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        acceptSelected();
        keyCode = 0;
        return true;
    case Qt::Key_Up:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        hideList();
        return false;
    case Qt::Key_Escape:
        hideList();
        keyCode = 0;
        return true;
    case Qt::Key_Down:
        jshow_->setFocus();
        if (currentRow() < 0 && !jput_.isEmpty()) setCurrentRow(0);
        keyCode = 0;
        return true;
    default:
        return false;
    }
}

bool JavaCompletion::KeyPress(int& keyAscii) {
    if (keyAscii == '.') {
        hideList();
        EditorPane& pane = window_.pane();
        const int dot = pane.SelStart();
        pane.SetSelText(QStringLiteral("."));
        openList(dot);
        keyAscii = 0;
        return true;
    }
    // Whatever ends the member's name ends the list.
    if (listVisible() && keyAscii < 128 && !isIdentifier(char(keyAscii))) hideList();
    return false;
}

bool JavaCompletion::openList(int dot) {
    EditorPane& pane = window_.pane();
    const int found = classOfExpression(pane.Text(), dot);
    if (found < 0) return false;
    if (found != shownClass_) {
        const std::vector<const MemberRecord*> members = files_.classMembers(found);
        if (members.empty()) return false;
        shownClass_ = found;
        QStringList shown;
        jput_.clear();
        jreturn_.clear();
        QSet<QString> listed;  // an overriding member hides the one it overrides
        for (const MemberRecord* member : members) {
            if (listed.contains(member->display)) continue;
            listed.insert(member->display);
            shown << member->display;
            jput_ << member->insertion;
            jreturn_.push_back(member->returns);
        }
        shown_->setStringList(shown);
    }
    showAllRows(*jshow_, int(jput_.size()));
    setCurrentRow(0);

    const QRect caret = pane.caretRect();
    QPoint at = pane.widget()->mapTo(&window_, caret.bottomLeft() + QPoint(0, 2));
    at.setX(std::clamp(at.x(), 0, std::max(0, window_.width() - ListWidth)));
    if (at.y() + ListHeight > window_.height()) at.setY(std::max(0, at.y() - caret.height() - ListHeight - 4));
    jshow_->move(at);
    jshow_->show();
    jshow_->raise();
    return true;
}

int JavaCompletion::typedStart() const {
    EditorPane& pane = window_.pane();
    int i = pane.SelStart();
    while (i > 0 && isIdentifier(pane.CharAt(i - 1))) --i;
    return i > 0 && pane.CharAt(i - 1) == '.' ? i : -1;
}

void JavaCompletion::textChanged() {
    if (!listVisible()) return;
    const int start = typedStart();
    if (start < 0) {
        hideList();
        return;
    }
    EditorPane& pane = window_.pane();
    QByteArray typed;
    for (int i = start; i < pane.SelStart(); ++i) typed += pane.CharAt(i);
    // Only the members that begin with what was typed stay; the first of them is chosen, and
    // when none is left the list closes.
    const QString prefix = QString::fromUtf8(typed);
    const int best = narrowToTyped(*jshow_, int(jput_.size()),
                                   [this](int row) { return insertedText(jput_[row]); }, prefix);
    if (best < 0) hideList();
    else setCurrentRow(best);
}

void JavaCompletion::acceptSelected() {
    const int row = currentRow();
    const int start = typedStart();
    hideList();
    if (row < 0 || row >= jput_.size() || start < 0) return;
    EditorPane& pane = window_.pane();
    pane.SetVisible(false);
    pane.SetSelLength(0);
    const int caret = pane.SelStart();
    pane.SetSelStart(start);
    pane.SetSelLength(caret - start);
    pane.SetSelText(insertedText(jput_[row]));
    pane.SetVisible(true);
    pane.SetHideSelection(false);
    pane.SetFocus();
}

void JavaCompletion::listKeyPressed(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Tab) {
        acceptSelected();
        return;
    }
    // Any other key goes back to the text, and is typed there.
    QWidget* code = window_.pane().widget();
    code->setFocus();
    if (event->key() == Qt::Key_Escape) {
        hideList();
        return;
    }
    QKeyEvent again(event->type(), event->key(), event->modifiers(), event->text());
    QApplication::sendEvent(code, &again);
}

int JavaCompletion::returnedClass(int owner, const QString& member) const {
    if (owner < 0) return -1;
    for (const MemberRecord* record : files_.classMembers(owner))
        if (memberName(record->insertion) == member) return record->returns;
    return -1;
}

int JavaCompletion::classOfExpression(const QByteArray& text, int end, int depth) const {
    if (end <= 0 || end > text.size() || depth > DeepestChain) return -1;
    KeywordTables& tables = window_.app().tables;
    int nameEnd = end;
    if (text[end - 1] == ')') {
        // A call: the class its member returns.
        int level = 0;
        int open = end - 1;
        for (; open >= 0; --open) {
            if (text[open] == ')') ++level;
            else if (text[open] == '(' && --level == 0) break;
        }
        if (open < 0) return -1;
        nameEnd = open;
    }
    int nameStart = nameEnd;
    while (nameStart > 0 && !wordDelimiters().contains(text[nameStart - 1])) --nameStart;
    const QString name = QString::fromUtf8(text.mid(nameStart, nameEnd - nameStart));
    if (name.isEmpty()) return -1;
    const bool call = nameEnd != end;
    const bool member = nameStart > 0 && text[nameStart - 1] == '.';
    if (member) return returnedClass(classOfExpression(text, nameStart - 1, depth + 1), name);
    if (call) return -1;  // a method of the class being written: not in the tables
    if (tables.IsJavaClass(name)) return tables.results.foundJavaClassIndex;
    return declaredClass(tables, text, name, nameStart);
}

int JavaCompletion::declaredClass(KeywordTables& tables, const QByteArray& text,
                                  const QString& word, int before) {
    // A type, perhaps with type arguments and array brackets, then names (each perhaps with an
    // initial value) separated by commas.
    static const QRegularExpression declaration(QStringLiteral(
        R"((?<![\w.$])([A-Za-z_$][\w$]*)\s*(?:<[^<>;()]*>)?\s*(?:\[\s*\]\s*)*\s)"
        R"(\s*([A-Za-z_$][\w$]*(?:\s*=[^,;{}]*)?(?:\s*,\s*[A-Za-z_$][\w$]*(?:\s*=[^,;{}]*)?)*))"));
    static const QRegularExpression declaredName(QStringLiteral(R"((?:^|,)\s*([A-Za-z_$][\w$]*))"));
    static const QRegularExpression initialValue(QStringLiteral("=[^,]*"));
    // What follows "//" on a line is a comment.
    static const QRegularExpression comment(QStringLiteral("//[^\r\n]*"));
    int blockEnd = before;
    for (;;) {
        const int open = int(text.lastIndexOf('{', std::max(0, blockEnd - 1)));
        const int blockStart = open < 0 || open >= blockEnd ? 0 : open + 1;
        QString block = QString::fromUtf8(text.mid(blockStart, blockEnd - blockStart));
        block.replace(comment, QString());
        int found = -1;
        for (auto it = declaration.globalMatch(block); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            bool declares = false;
            // Initial values are skipped: only the names at the start of each part count.
            QString names = match.captured(2);
            names.replace(initialValue, QString());
            for (auto name = declaredName.globalMatch(names); name.hasNext() && !declares;)
                declares = name.next().captured(1) == word;
            if (declares && tables.IsJavaClass(match.captured(1)))
                found = tables.results.foundJavaClassIndex;
        }
        if (found >= 0) return found;
        if (blockStart == 0) return -1;
        blockEnd = blockStart - 1;
    }
}
