#pragma once

#include "TangRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// The four criteria of a search, as the user left them in the search window.
struct SearchCriteria {
    std::u16string Author;
    std::u16string Rhyme;
    std::u16string Title;
    std::u16string Content;
};

// Table indexes of the poems that meet all four criteria, in table order. An author or form
// criterion that is empty or exactly "不限定" places no restriction; the title and verse
// criteria must occur in their fields, and an empty one occurs in every non-empty field.
std::vector<int16_t> SearchTangs(const std::vector<TangRecord>& tangs,
                                 const SearchCriteria& criteria);
