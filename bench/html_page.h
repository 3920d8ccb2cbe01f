#pragma once
// A generated web page of about the given size: headings, paragraphs with inline tags, links
// with quoted attributes, tables, lists, comments and a few tags no table knows, in CR LF lines.
#include <QByteArray>

QByteArray generatedHtmlPage(int megabytes);

#include <vector>

// The [start, end) byte ranges of every tag ("<" through ">") of a page.
struct TagRange {
    int start;
    int end;
};
std::vector<TagRange> tagRanges(const QByteArray& page);

struct AppState;
// The colours, font and keyword tables of a fresh install, as the editor windows read them.
void useInstalledSettings(AppState& app);

class FindDialog;
namespace benchmark {
class State;
}
// Replace All over the whole text once per iteration, one word into the other and back, so that
// every round has as many matches as the first.
void replaceAllInTurns(benchmark::State& state, FindDialog& find, const char* one, const char* other);
