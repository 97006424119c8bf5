#pragma once

#include "TangRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

// Texts that screen readers are given for the windows' controls: names that read as a sighted
// user reads the window, and no longer than a reader can speak at once.

// Names longer than this many UTF-16 units are shortened.
inline constexpr size_t LongestAccessibleName = 200;

// `text` itself when it has at most `limit` units; otherwise its start followed by "…", at
// most `limit` units in all, never ending between the two halves of a surrogate pair.
std::u16string ShortenedName(std::u16string_view text, size_t limit = LongestAccessibleName);

// The page's name: the poem's title and its author, each shortened.
std::u16string PageName(const TangRecord& record);

// A label's caption as a name: its lines joined by "，", without a closing "：".
std::u16string LabelName(std::u16string_view caption);

// Text written in columns, one row per line with the columns' characters separated by one
// blank ("熟 不", "读 会", …), read column by column from the left, joined by "，".
std::u16string ReadInColumns(std::u16string_view rows);
