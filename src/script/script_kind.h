#pragma once
// What differs between the VBScript, JScript and Java windows: one row per kind, read by the one
// script window class.
#include <QString>

#include "core/keyword_tables.h"
#include "core/window_kind.h"

struct ScriptKindRow {
    WindowKind kind;
    const char* templateFile;  // in the program folder; a missing one leaves a new window empty
    const char* openTitle;
    const char* openFilter;
    const char* commentMarker;  // a comment runs from the marker to the end of its line
    bool (KeywordTables::*isKeyword)(const QString&);
    bool (KeywordTables::*isObject)(const QString&);
    KeywordTableId keywordTable;  // the tables the two lookups search
    KeywordTableId objectTable;
    bool braceTemplate;  // "{" writes a block, Enter takes an undo snapshot
    bool memberLists;    // "." lists members, the import assistant works
    bool correctsCase;   // typed keywords and objects take the table's spelling
    const char* statusName;  // status bar panel 1
};

// The row of a script kind; KindVbscript's row for any other kind.
const ScriptKindRow& scriptKindRow(WindowKind kind);
