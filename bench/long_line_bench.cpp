// A minified page: the generated page with its line breaks taken out, one line of 2 MB. Each
// case runs on that line (argument 0) and on the same bytes split into 80-column lines
// (argument 1), so one run shows what the long line costs over the split page. Typing has a
// second reference: a bare QsciScintilla holding the line with no lexer, the cost an editor
// pays that lays out and measures the whole line per keystroke.
//
// Typing paints for real: run under Xvfb with QT_QPA_PLATFORM=xcb (see gui_typing_bench.cpp).
#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "html_page.h"
#include "platform/qt_dialogs.h"
#include "search/find_dialog.h"
#include "tags/tag_parser.h"
#include "shell/main_window.h"

namespace {
constexpr int Megabytes = 2;

QByteArray minifiedPage(bool split) {
    QByteArray line = generatedHtmlPage(Megabytes).replace("\r\n", " ");
    if (!split) return line;
    QByteArray lines;
    lines.reserve(line.size() + line.size() / 40);
    for (qsizetype at = 0; at < line.size(); at += 78) lines += line.mid(at, 78) + "\r\n";
    return lines;
}

// The main window on screen with the page opened from its file, as a user opens it.
struct OpenedPage {
    explicit OpenedPage(bool split) {
        path = folder.filePath(QStringLiteral("page.html"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(minifiedPage(split));
        app.dialogs = &dialogs;
        useInstalledSettings(app);
        frame = std::make_unique<mdiform1>(app);
        frame->setGeometry(40, 40, 1100, 800);
        frame->show();
    }
    ~OpenedPage() { closeAll(); }
    // Closes every window as the user does, through its frame, and lets Qt delete them, so
    // that the next open reads the file again instead of bringing its window forward.
    void closeAll() {
        for (EditorWindow* window : frame->findChildren<EditorWindow*>()) {
            window->setModifiedTag(QStringLiteral("s"));
            if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) sub->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    EditorWindow* open() {
        frame->openFiles({path});
        QApplication::processEvents();
        return qobject_cast<EditorWindow*>(frame->activeChild());
    }
    QTemporaryDir folder;
    QString path;
    AppState app;
    QtDialogs dialogs;
    std::unique_ptr<mdiform1> frame;
};

// Letters typed in turn at the end, in the middle and near the start of the text.
template <typename PlaceCaret>
void typeAround(benchmark::State& state, QWidget* target, int length, PlaceCaret&& place) {
    target->setFocus();
    QApplication::processEvents();
    const int spots[] = {length - 1, length / 2, 100};
    int round = 0;
    for (auto _ : state) {
        place(spots[round++ % 3]);
        QTest::keyClick(target, Qt::Key_X);
        QApplication::processEvents();
    }
}

void BM_LongLineTypeLetter(benchmark::State& state) {
    OpenedPage page(state.range(0) != 0);
    EditorWindow* window = page.open();
    if (!window) return state.SkipWithError("the page did not open");
    EditorPane& pane = window->pane();
    typeAround(state, pane.widget(), pane.TextLength(), [&pane](int at) { pane.SetSelStart(at); });
}
BENCHMARK(BM_LongLineTypeLetter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_LongLineTypeLetterBareScintilla(benchmark::State& state) {
    const QByteArray text = minifiedPage(state.range(0) != 0);
    QsciScintilla editor;
    editor.setGeometry(40, 40, 1100, 800);
    editor.show();
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    typeAround(state, &editor, int(text.size()), [&editor](int at) {
        editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at);
    });
}
BENCHMARK(BM_LongLineTypeLetterBareScintilla)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_LongLineOpen(benchmark::State& state) {
    OpenedPage page(state.range(0) != 0);
    for (auto _ : state) {
        if (!page.open()) return state.SkipWithError("the page did not open");
        state.PauseTiming();
        page.closeAll();
        if (!page.frame->findChildren<EditorWindow*>().isEmpty())
            return state.SkipWithError("a window stayed open");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LongLineOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// Find: every "<table" of the page in turn, through the pane.
void BM_LongLineFind(benchmark::State& state) {
    AppState app;
    useInstalledSettings(app);
    HtmlWindow window(app);
    window.pane().SetText(minifiedPage(state.range(0) != 0));
    const QString needle = QStringLiteral("<table");
    for (auto _ : state) {
        int found = 0;
        for (int pos = window.pane().Find(needle, 0); pos >= 0;
             pos = window.pane().Find(needle, pos + 1))
            ++found;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LongLineFind)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Replace All of every "table" (and back, in turn), with the HTML window's recolouring.
void BM_LongLineReplaceAll(benchmark::State& state) {
    AppState app;
    useInstalledSettings(app);
    HtmlWindow window(app);
    window.setTypingHelp(std::make_unique<HtmlTypingHelp>());
    window.newfile(QStringLiteral("s"));
    window.activate();
    app.insertBusy = true;
    window.pane().SetText(minifiedPage(state.range(0) != 0));
    app.insertBusy = false;
    window.backup_code();
    FindDialog find(app, KindHtml);
    replaceAllInTurns(state, find, "table", "tabel");
    window.setModifiedTag(QStringLiteral("s"));
}
BENCHMARK(BM_LongLineReplaceAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
// The tag parser over the whole page; its messages are answered at once.
void BM_LongLineParseTags(benchmark::State& state) {
    struct AnsweredAtOnce : QtDialogs {
        MsgAnswer messageBox(const QString&, const QString&, MsgButtons, MsgIcon) override {
            return MsgAnswer::Ok;
        }
    } dialogs;
    AppState app;
    useInstalledSettings(app);
    app.dialogs = &dialogs;
    HtmlWindow window(app);
    window.pane().SetText(minifiedPage(state.range(0) != 0));
    for (auto _ : state) benchmark::DoNotOptimize(parseTags(window, ParseRange::All));
}
BENCHMARK(BM_LongLineParseTags)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}  // namespace
