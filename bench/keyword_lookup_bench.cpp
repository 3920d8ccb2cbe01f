// The keyword lookups run on every keystroke that ends a word. The reference is a hash-set
// lookup of the same lower-cased word in the whole table, the usual way to ask "is it a word".
#include <benchmark/benchmark.h>

#include <QSet>
#include <chrono>

#include "core/keyword_tables.h"

namespace {
const QStringList typedWords = {
    "table", "TD", "div", "href", "body", "span", "Dim", "msgbox", "function", "window",
    "String", "JButton", "public", "void", "hello", "world", "x", "zebra", "Vector", "input"};

template <typename F>
double secondsFor(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_KeywordLookupsAgainstHashSet(benchmark::State& state) {
    KeywordTables tables;
    tables.loadAll(TESSAVEL_PROGRAM_DIR);
    QSet<QString> reference;
    for (KeywordTableId id : {TagTable, VbKeywordTable, VbObjectTable, JsKeywordTable,
                              JsObjectTable, JavaKeywordTable, JavaClassTable})
        for (const QString& entry : tables.table(id)) reference.insert(entry.trimmed().toLower());

    double ours = 0;
    double hashed = 0;
    int found = 0;
    for (auto _ : state) {
        ours += secondsFor([&] {
            for (const QString& w : typedWords)
                found += tables.IsTag(w) + tables.IsVbKeyword(w) + tables.IsVbObject(w) +
                         tables.IsJsKeyword(w) + tables.IsJsObject(w) + tables.IsJavaKeyword(w) +
                         tables.IsJavaClass(w);
        });
        hashed += secondsFor([&] {
            // Seven questions per word, as above.
            for (const QString& w : typedWords)
                for (int i = 0; i < 7; ++i) found += reference.contains(w.trimmed().toLower());
        });
    }
    benchmark::DoNotOptimize(found);
    state.counters["vs_hash_set"] = ours / hashed;
    state.counters["ns_per_lookup"] =
        ours * 1e9 / (double(state.iterations()) * typedWords.size() * 7);
}
}  // namespace

BENCHMARK(BM_KeywordLookupsAgainstHashSet);
