#pragma once
// Where the words of each initial letter lie in each keyword table. The keyword files are laid
// out to match these positions, gaps and overlaps included; a lookup searches only one range.
#include <span>

#include "core/keyword_tables.h"

using LetterRanges = std::span<const KeywordTables::Range>;

// Indexed by letter, a = 0; a letter beyond the end of a table has no range either.
extern const LetterRanges tagLetterRanges;
extern const LetterRanges vbKeywordLetterRanges;
extern const LetterRanges vbObjectLetterRanges;
extern const LetterRanges jsKeywordLetterRanges;
extern const LetterRanges jsObjectLetterRanges;
extern const LetterRanges javaKeywordLetterRanges;

// The positions of the tag table no lookup searches (shown only in the completion list).
extern const std::span<const int> unsearchedTagPositions;
