#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Finds one fixed piece of text in many texts (Boyer-Moore-Horspool). The shift table is
// keyed on the low byte of each UTF-16 unit: units that share a low byte share the smallest
// shift, which keeps the table small and every shift safe.
class TextSearcher {
public:
    explicit TextSearcher(std::u16string_view needle);

    // True when the needle occurs in `haystack`. The empty needle occurs in every non-empty
    // text and in no empty one.
    bool FoundIn(std::u16string_view haystack) const;

private:
    std::u16string needle_;
    std::array<uint32_t, 256> shift_{};
};
