// The HTML window's colouring and typing on a generated page, each against the best reference
// the same process can measure: QScintilla's own HTML lexer, and keys typed into a bare editor.
#include <benchmark/benchmark.h>

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QTest>

#include "core/app_state.h"
#include "html/html_window.h"
#include "html_page.h"

namespace {

struct HtmlPage {
    explicit HtmlPage(int megabytes) : text(generatedHtmlPage(megabytes)) {
        useInstalledSettings(app);
        window = std::make_unique<HtmlWindow>(app);
        window->resize(900, 700);
        window->show();
        reload();
    }
    // The page as just read from its file: one colour, nothing looked up yet.
    void reload() {
        window->colouringBusy = true;
        window->pane().SetText(text);
        window->colouringBusy = false;
        QApplication::processEvents();
    }
    void colourAll() {
        int start = 0;
        int length = int(text.size());
        window->refreshCode(start, length);
    }

    QByteArray text;
    AppState app;
    std::unique_ptr<HtmlWindow> window;
};

// Offsets just after a letter inside a tag name and inside plain text.
std::pair<int, int> letterOffsets(const QByteArray& text) {
    const int middle = int(text.size()) / 2;
    const int tag = int(text.indexOf("<table", middle)) + 3;
    int plain = int(text.indexOf('>', middle)) + 1;
    while (!std::isalpha(static_cast<unsigned char>(text[plain])) ||
           !std::isalpha(static_cast<unsigned char>(text[plain + 1])))
        ++plain;
    return {tag, plain + 1};
}

void typeAlternately(benchmark::State& state, QWidget* target,
                     const std::function<void(int)>& placeCaret, std::pair<int, int> offsets,
                     Qt::Key key) {
    bool inTag = true;
    for (auto _ : state) {
        placeCaret(inTag ? offsets.first : offsets.second);
        QTest::keyClick(target, key);
        inTag = !inTag;
    }
}

void BM_RefreshCode(benchmark::State& state) {
    HtmlPage page(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        page.reload();
        state.ResumeTiming();
        page.colourAll();
    }
    state.SetBytesProcessed(state.iterations() * page.text.size());
}
BENCHMARK(BM_RefreshCode)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LexHtml(benchmark::State& state) {
    const QByteArray text = generatedHtmlPage(int(state.range(0)));
    QsciScintilla editor;
    QsciLexerHTML lexer;
    editor.setLexer(&lexer);
    editor.resize(900, 700);
    editor.show();
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    for (auto _ : state) {
        editor.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LexHtml)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TypeLetter(benchmark::State& state) {
    HtmlPage page(int(state.range(0)));
    page.colourAll();
    EditorPane& pane = page.window->pane();
    typeAlternately(
        state, pane.widget(), [&pane](int at) { pane.SetSelStart(at); },
        letterOffsets(page.text), Qt::Key_X);
}
BENCHMARK(BM_TypeLetter)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_TypeLetterBareScintilla(benchmark::State& state) {
    const QByteArray text = generatedHtmlPage(int(state.range(0)));
    QsciScintilla editor;
    editor.resize(900, 700);
    editor.show();
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
    typeAlternately(
        state, &editor,
        [&editor](int at) { editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at); },
        letterOffsets(text), Qt::Key_X);
}
BENCHMARK(BM_TypeLetterBareScintilla)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_TypeSpace(benchmark::State& state) {
    HtmlPage page(int(state.range(0)));
    page.colourAll();
    EditorPane& pane = page.window->pane();
    const int at = letterOffsets(page.text).second;
    for (auto _ : state) {
        pane.SetSelStart(at);
        QTest::keyClick(pane.widget(), Qt::Key_Space);
    }
}
BENCHMARK(BM_TypeSpace)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
