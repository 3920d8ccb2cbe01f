// The script window's colouring and member list, each against the best reference measured in
// the same run: QScintilla's own JavaScript lexer, keys typed into a bare editor, and reading
// the member files alone.
#include <benchmark/benchmark.h>

#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "core/app_state.h"
#include "core/keyword_tables.h"
#include "html_page.h"
#include "script/java_completion.h"
#include "script/member_files.h"
#include "script/script_window.h"
#include "script_page.h"

namespace {
struct ScriptPage {
    ScriptPage(WindowKind kind, const QByteArray& content, bool shown) : text(content) {
        useInstalledSettings(app);
        window = std::make_unique<ScriptWindow>(app, kind);
        window->resize(900, 700);
        if (shown) window->show();
        reload();
    }
    // The text as just read from its file: one colour, nothing looked up yet.
    void reload() {
        window->busy = true;
        window->pane().SetText(text);
        window->busy = false;
        QApplication::processEvents();
    }

    QByteArray text;
    AppState app;
    std::unique_ptr<ScriptWindow> window;
};

void BM_ScriptColourAll(benchmark::State& state) {
    ScriptPage page(KindJscript, generatedJScript(int(state.range(0))), false);
    for (auto _ : state) {
        state.PauseTiming();
        page.reload();
        state.ResumeTiming();
        page.window->colourAll();
    }
    state.SetBytesProcessed(state.iterations() * page.text.size());
}
BENCHMARK(BM_ScriptColourAll)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LexJavaScript(benchmark::State& state) {
    const QByteArray text = generatedJScript(int(state.range(0)));
    QsciScintilla editor;
    QsciLexerJavaScript lexer;
    editor.setLexer(&lexer);
    editor.resize(900, 700);
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    for (auto _ : state) {
        editor.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LexJavaScript)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

// The end of a line in the middle of the file, just after a word.
int middleLineEnd(const QByteArray& text) {
    return int(text.indexOf("return sum;", text.size() / 2)) + int(strlen("return sum"));
}

void BM_ScriptTypeLetter(benchmark::State& state) {
    ScriptPage page(KindJscript, generatedJScript(int(state.range(0))), true);
    page.window->colourAll();
    EditorPane& pane = page.window->pane();
    const int at = middleLineEnd(page.text);
    for (auto _ : state) {
        pane.SetSelStart(at);
        QTest::keyClick(pane.widget(), Qt::Key_X);
    }
}
BENCHMARK(BM_ScriptTypeLetter)->Arg(10)->Unit(benchmark::kMicrosecond);

int classPosition(const char* name) {
    KeywordTables tables;
    tables.loadAll(TESSAVEL_PROGRAM_DIR);
    tables.IsJavaClass(QString::fromLatin1(name));
    return tables.results.foundJavaClassIndex;
}

void BM_MemberListOpen(benchmark::State& state) {
    const QByteArray text = "String s;\r\ns";
    ScriptPage page(KindJava, text, true);
    EditorPane& pane = page.window->pane();
    JavaCompletion& completion = *page.window->completion();
    for (auto _ : state) {
        state.PauseTiming();
        completion.hideList();
        page.reload();
        pane.SetSelStart(int(text.size()));
        state.ResumeTiming();
        QTest::keyClick(pane.widget(), '.');
    }
    if (!completion.listVisible()) state.SkipWithError("no member list");
}
BENCHMARK(BM_MemberListOpen)->Unit(benchmark::kMicrosecond);

// The same in a window that has read no member file yet.
void BM_MemberListFirstOpen(benchmark::State& state) {
    const QByteArray text = "String s;\r\ns";
    std::unique_ptr<ScriptPage> page;
    for (auto _ : state) {
        state.PauseTiming();
        page = std::make_unique<ScriptPage>(KindJava, text, true);
        EditorPane& pane = page->window->pane();
        pane.SetSelStart(int(text.size()));
        state.ResumeTiming();
        QTest::keyClick(pane.widget(), '.');
    }
    if (!page || !page->window->completion()->listVisible()) state.SkipWithError("no member list");
}
BENCHMARK(BM_MemberListFirstOpen)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_ReadMemberFile(benchmark::State& state) {
    const QDir folder(TESSAVEL_PROGRAM_DIR);
    const int positions[] = {classPosition("String"), classPosition("Object")};
    qint64 lines = 0;
    for (auto _ : state) {
        for (int position : positions) {
            QFile file(folder.filePath(memberFileName(position)));
            if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("no member file");
            lines += file.readAll().split('\n').size();
        }
    }
    benchmark::DoNotOptimize(lines);
}
BENCHMARK(BM_ReadMemberFile)->Unit(benchmark::kMicrosecond);
}  // namespace
