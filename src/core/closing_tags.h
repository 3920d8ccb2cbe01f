#pragma once
// Whether the tag at each tag-table position takes a closing tag. The tag file is laid out so
// that these flags fit the tags it holds.
#include <array>

// clang-format off
constexpr std::array<bool, 110> closingTagFlags = {
    0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1, 0, 1, 1, 1,   //   0-19
    1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 1,   //  20-39
    1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 1, 0, 1, 1, 1, 1, 1,   //  40-59
    0, 0, 1, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1,   //  60-79
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1,   //  80-99
    1, 1, 1, 1, 1, 1, 1, 1, 0, 0,                                 // 100-109
};
// clang-format on
