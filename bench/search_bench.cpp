// Replace All and the spelling marking pass, each against the engine doing the same work
// directly: raw Scintilla target replacement, and Hunspell checking the same words in a loop.
#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>
#include <hunspell/hunspell.hxx>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "html_page.h"
#include "platform/hunspell_engine.h"
#include "platform/paths.h"
#include "search/find_dialog.h"
#include "search/spelling_dialog.h"

namespace {
using Sci = QsciScintillaBase;
constexpr int MatchesPerMegabyte = 10000;
const char* const Swapped[2] = {"zebra", "horse"};

// About `megabytes` MB: ten thousand lines of about a hundred bytes per MB, each with one "zebra".
QByteArray zebraPage(int megabytes) {
    QByteArray page;
    for (int i = 0; i < megabytes * MatchesPerMegabyte; ++i)
        page += "<p>Line " + QByteArray::number(i) +
                " of the page names a zebra among plain words that fill the line up.</p>\r\n";
    return page;
}

// English prose of about the given size in which every hundredth word is misspelled. The words
// come from the installed dictionary, skewed the way prose is: a few hundred words make up most
// of the text, and a long tail of others appears once or twice.
QByteArray prose(int bytes) {
    QStringList vocabulary;
    QFile dictionary(QDir(HunspellEngine::defaultSearchPath().value(0)).filePath(QStringLiteral("en_US.dic")));
    if (dictionary.open(QIODevice::ReadOnly)) {
        dictionary.readLine();  // the entry count
        static const QRegularExpression lowerWord(QStringLiteral("^[a-z]{2,12}$"));
        for (int line = 0; !dictionary.atEnd(); ++line) {
            const QString word = QString::fromLatin1(dictionary.readLine()).section('/', 0, 0).trimmed();
            if (line % 7 == 0 && lowerWord.match(word).hasMatch()) vocabulary << word;
        }
    }
    if (vocabulary.isEmpty()) vocabulary << QStringLiteral("word");
    std::mt19937 random(100);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    QByteArray text;
    for (int i = 0; text.size() < bytes; ++i) {
        const double u = uniform(random);
        text += vocabulary[qsizetype(double(vocabulary.size()) * u * u * u * u)].toLatin1();
        if (i % 100 == 99) text += "xq";
        text += i % 12 == 11 ? ". " : i % 5 == 4 ? ", " : " ";
        if (i % 60 == 59) text += "\r\n";
    }
    return text;
}

struct HtmlSetup {
    HtmlSetup() {
        app.htmlTagColor = makeRgb(0, 0, 200);
        app.htmlMisspelledColor = makeRgb(255, 0, 0);
        app.programFolder = Paths::programFolder();
        app.tables.loadAll(app.programFolder);
        window = new HtmlWindow(app);
        window->setTypingHelp(std::make_unique<HtmlTypingHelp>());
        window->newfile(QStringLiteral("s"));
        window->activate();
    }
    ~HtmlSetup() { delete window; }
    void setText(const QByteArray& text) {
        app.insertBusy = true;
        window->pane().SetText(text);
        window->pane().SetSelStart(0);
        app.insertBusy = false;
    }
    AppState app;
    HtmlWindow* window;
};

void BM_ReplaceAll(benchmark::State& state) {
    HtmlSetup setup;
    setup.setText(zebraPage(int(state.range(0))));
    setup.window->backup_code();
    FindDialog find(setup.app, KindHtml);
    replaceAllInTurns(state, find, Swapped[0], Swapped[1]);
    state.SetItemsProcessed(state.iterations() * state.range(0) * MatchesPerMegabyte);
}
BENCHMARK(BM_ReplaceAll)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ScintillaReplaceLoop(benchmark::State& state) {
    QsciScintilla sci;
    sci.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0L);
    // Without edit notices QScintilla does no per-edit accessibility work (see the notes on
    // its keystroke cost): the cheapest replacement loop it allows.
    sci.SendScintilla(Sci::SCI_SETMODEVENTMASK, 0L);
    const QByteArray page = zebraPage(int(state.range(0)));
    sci.SendScintilla(Sci::SCI_SETTEXT, page.constData());
    sci.SendScintilla(Sci::SCI_SETSEARCHFLAGS, long(Sci::SCFIND_WHOLEWORD));
    int round = 0;
    for (auto _ : state) {
        const char* from = Swapped[round % 2];
        const char* to = Swapped[(round + 1) % 2];
        ++round;
        long start = 0;
        const long length = long(sci.SendScintilla(Sci::SCI_GETLENGTH));
        for (;;) {
            sci.SendScintilla(Sci::SCI_SETTARGETRANGE, start, length);
            if (sci.SendScintilla(Sci::SCI_SEARCHINTARGET, std::strlen(from), from) < 0) break;
            sci.SendScintilla(Sci::SCI_REPLACETARGET, std::strlen(to), to);
            start = long(sci.SendScintilla(Sci::SCI_GETTARGETEND));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * MatchesPerMegabyte);
}
BENCHMARK(BM_ScintillaReplaceLoop)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

constexpr int ProseBytes = 100 * 1024;

void BM_SpellMark(benchmark::State& state) {
    HtmlSetup setup;
    HunspellEngine hunspell;
    setup.app.spelling = &hunspell;
    setup.app.spellingAvailable = hunspell.available();
    const QByteArray text = prose(ProseBytes);
    setup.setText(text);
    setup.window->pane().SetSelLength(int(text.size()));
    SpellingDialog* dialog = SpellingDialog::open(setup.app);
    if (!dialog) {
        state.SkipWithError("the spelling dialog did not open");
        return;
    }
    // Each pass starts a check afresh: it has judged no word yet.
    for (auto _ : state) dialog->markingPass();
    delete dialog;
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_SpellMark)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HunspellWords(benchmark::State& state) {
    const QDir folder(HunspellEngine::defaultSearchPath().value(0));
    Hunspell hunspell(QFile::encodeName(folder.filePath(QStringLiteral("en_US.aff"))).constData(),
                      QFile::encodeName(folder.filePath(QStringLiteral("en_US.dic"))).constData());
    const QByteArray text = prose(ProseBytes);
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (std::strchr(" ,;:'?<>@()./\\\"\r\n", c)) {
            words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    words.push_back(word);
    for (auto _ : state) {
        int wrong = 0;
        for (const std::string& w : words) wrong += !hunspell.spell(w);
        benchmark::DoNotOptimize(wrong);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_HunspellWords)->Arg(1)->Unit(benchmark::kMillisecond);
}  // namespace
