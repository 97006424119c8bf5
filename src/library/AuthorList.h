#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

// The texts a pick list already holds, so that adding a name costs a hash lookup rather than
// a scan of the whole list. Comparison is exact, code unit by code unit.
class AuthorList {
public:
    // Records `text` and returns true when the list did not hold it yet.
    bool AddIfNew(std::u16string_view text) {
        if (Contains(text)) {
            return false; // most author lines name a poet already listed: no new node for them
        }
        known_.emplace(text);
        return true;
    }
    bool Contains(std::u16string_view text) const { return known_.find(text) != known_.end(); }

private:
    // Lets a lookup take a view, without making a string of it first.
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::u16string_view text) const {
            return std::hash<std::u16string_view>{}(text);
        }
    };
    std::unordered_set<std::u16string, Hash, std::equal_to<>> known_;
};
