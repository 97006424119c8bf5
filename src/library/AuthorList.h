#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

// The texts a pick list already holds, so that adding a name costs a hash lookup rather than
// a scan of the whole list. Comparison is exact, code unit by code unit.
class AuthorList {
public:
    // Records `text` and returns true when the list did not hold it yet.
    bool AddIfNew(std::u16string_view text) { return known_.emplace(text).second; }
    bool Contains(std::u16string_view text) const { return known_.contains(std::u16string(text)); }

private:
    std::unordered_set<std::u16string> known_;
};
