#include "core/keyword_letter_ranges.h"

namespace {
using R = KeywordTables::Range;
constexpr R no{};

// clang-format off
constexpr R tag[] = {
    {1, 6}, {7, 17}, {18, 24}, {25, 31}, {32, 33}, {34, 38}, no, {39, 48}, {49, 54}, no,
    {55, 55}, {56, 60}, {62, 66}, {67, 70}, {71, 74}, {75, 78}, {79, 79}, no, {80, 93},
    {94, 104}, {105, 106}, {107, 107}, {108, 108}, {109, 109}};                        // a-x
constexpr R vbKeyword[] = {
    {0, 0}, no, {1, 3}, {4, 5}, {6, 15}, {16, 18}, no, no, {19, 22}, no, no, {23, 23},
    {24, 24}, {25, 28}, {29, 31}, {32, 33}, no, {34, 36}, {37, 40}, {41, 43}, {44, 44}, no,
    {45, 46}, {47, 47}};                                                               // a-x
constexpr R vbObject[] = {
    {0, 3}, no, {4, 15}, {16, 24}, {25, 27}, {28, 35}, {36, 36}, {37, 39}, {40, 49},
    {50, 50}, no, {51, 59}, {60, 64}, {65, 66}, {67, 67}, no, no, {68, 72}, {73, 85},
    {86, 92}, {93, 94}, {95, 95}, {96, 98}, no, {99, 99}};                             // a-y
constexpr R jsKeyword[] = {
    {0, 0}, {1, 3}, {4, 9}, {10, 13}, {14, 15}, {16, 21}, {22, 22}, no, {23, 29}, no, no,
    {30, 30}, no, {31, 33}, no, {34, 37}, no, {38, 38}, {39, 43}, {44, 50}, no, {51, 52},
    {53, 54}};                                                                         // a-w
constexpr R jsObject[] = {
    {0, 5}, {6, 6}, {7, 7}, {9, 9}, no, {10, 14}, no, {15, 16}, {17, 18}, no, no,
    {19, 21}, {22, 24}, {25, 25}, {26, 26}, {26, 29}, no, {30, 31}, {32, 34}, {35, 36}, no,
    no, {37, 37}};                                                                     // a-w
constexpr R javaKeyword[] = {
    {0, 1}, {2, 4}, {5, 10}, {11, 14}, {15, 16}, {17, 21}, {22, 22}, no, {23, 28}, no, no,
    {29, 30}, no, {31, 33}, no, {34, 37}, no, {38, 38}, {39, 44}, {45, 51}, no, {52, 53},
    {54, 54}};                                                                         // a-w
// clang-format on
constexpr int unsearchedTag[] = {0, 61, 110};
}  // namespace

const LetterRanges tagLetterRanges(tag);
const LetterRanges vbKeywordLetterRanges(vbKeyword);
const LetterRanges vbObjectLetterRanges(vbObject);
const LetterRanges jsKeywordLetterRanges(jsKeyword);
const LetterRanges jsObjectLetterRanges(jsObject);
const LetterRanges javaKeywordLetterRanges(javaKeyword);
const std::span<const int> unsearchedTagPositions(unsearchedTag);
