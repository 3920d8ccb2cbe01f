#pragma once
// The constructs the HTML Tags commands write: one row per command, read by insertTag.
#include <QString>

#include "core/coloured_insertion.h"

// How the written text arrives coloured.
enum class TagColouring {
    Wrap,      // opening in the tag colour, content in the text colour, closing in the tag colour
    OnePiece,  // everything in the tag colour, then the content recoloured as text
    SingleTag, // one tag in the tag colour, no content
    Meta,      // like SingleTag, but neither preview refresh nor undo snapshot afterwards
    Comment,   // everything in the comment colour
};

// Where the caret (or selection) is left afterwards.
enum class TagCaret {
    SelectContent,  // the content is found again from the start and selected
    FirstValue,     // inside the first quoted value
    LastValue,      // inside the last quoted value
    AfterMark,      // just after the first occurrence of the row's mark ("//" for '/')
    AfterOpenTag,   // right after the opening tag
    End,            // after the last character written
    OneBack,        // one character before the end
    StrongId,       // inside the id value that precedes the content
    MetaContent,    // inside the first content value
    MailAddress,    // the placeholder mail address selected
};

struct TagTemplate {
    const char* name;
    TagColouring colouring;
    const char* opening;
    // Replaces an empty selection; "" wraps the selection as it is, nullptr writes no content
    // at all (the selection is simply replaced).
    const char* placeholder;
    const char* closing;
    TagCaret caret = TagCaret::SelectContent;
    CharStyle style = CharStyle::None;
    char mark = 0;                 // for AfterMark
    bool textColourAfter = false;  // the insertion colour becomes the text colour at the end
    const char* afterContent = "";  // written right after the content, in its colour
    bool findWithinInsertion = false;  // the content is searched only inside what was written
    bool skipFinish = false;           // no preview refresh and undo snapshot afterwards
};

// Every insertion command, in no particular order; nullptr when the name is not one.
const TagTemplate* findTagTemplate(const QString& name);
// All rows, for registering the commands.
const TagTemplate* tagTemplatesBegin();
const TagTemplate* tagTemplatesEnd();

// The placeholder mail address of the mailto anchor.
extern const char* const mailPlaceholder;
