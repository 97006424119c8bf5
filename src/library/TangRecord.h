#pragma once

#include <string>

// One poem of the anthology, its five fields in their stored order.
struct TangRecord {
    std::u16string Rhyme; // metrical-form heading the poem stands under
    std::u16string Title;
    std::u16string Author;
    std::u16string Content; // verse lines, each followed by CR LF
    std::u16string Notes;
};
