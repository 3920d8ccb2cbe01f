// One letter typed at the end of a large page in the running program: the main window on
// screen, the page opened from a file into an HTML window, the key sent as the window system
// would send it and every event that follows processed, painting included. The reference is a
// bare QsciScintilla holding the same page, styled by QScintilla's own HTML lexer.
//
// Painting is what these cases measure, so they need a real display: run them under Xvfb with
// QT_QPA_PLATFORM=xcb (the offscreen platform paints into memory and hides part of the cost):
//   Xvfb :12 -screen 0 1600x1000x24 &
//   DISPLAY=:12 QT_QPA_PLATFORM=xcb build/bench/tessavel_bench \
//       --benchmark_filter=GuiTypeLetter --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "html_page.h"
#include "platform/qt_dialogs.h"
#include "shell/main_window.h"

namespace {

void typeLetters(benchmark::State& state, QWidget* target) {
    target->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(target, Qt::Key_X);
        QApplication::processEvents();
    }
}

void BM_GuiTypeLetter(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the page");
            return;
        }
        file.write(generatedHtmlPage(int(state.range(0))));
    }
    AppState app;
    QtDialogs dialogs;
    app.dialogs = &dialogs;
    useInstalledSettings(app);
    mdiform1 frame(app);
    frame.setGeometry(40, 40, 1100, 800);
    frame.show();
    frame.openFiles({path});
    auto* window = qobject_cast<EditorWindow*>(frame.activeChild());
    if (!window) {
        state.SkipWithError("the page did not open");
        return;
    }
    window->pane().SetSelStart(window->pane().TextLength());
    typeLetters(state, window->pane().widget());
    window->setModifiedTag(QStringLiteral("s"));  // nothing to ask on the way out
}
BENCHMARK(BM_GuiTypeLetter)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_GuiTypeLetterBareScintilla(benchmark::State& state) {
    const QByteArray text = generatedHtmlPage(int(state.range(0)));
    QsciScintilla editor;
    QsciLexerHTML lexer;
    editor.setLexer(&lexer);
    editor.setGeometry(40, 40, 1100, 800);
    editor.show();
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    typeLetters(state, &editor);
}
BENCHMARK(BM_GuiTypeLetterBareScintilla)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
