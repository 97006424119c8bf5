#pragma once

#include <cstddef>
#include <string_view>

// Where a line of the anthology's text ends: at CR LF, at LF alone, or at CR alone (old Mac
// files). Returns the position of the line's end, which is not part of the line, and sets
// `next` to where the following line starts.
size_t FindLineEnd(std::u16string_view text, size_t from, size_t& next);
