#pragma once

#include "AuthorList.h"

#include <cstddef>
#include <string>
#include <string_view>

// Each pick list of the search window holds at most this many entries, its preset entry
// included: every list position is a 16-bit index, as in the poem list.
inline constexpr size_t MaxPickListEntries = 32767;

// Decides what the search window's two pick lists take while the anthology loads, and counts
// what they do not take. Every heading is offered to the form list, every author once, at its
// first line; a list takes no more than MaxPickListEntries entries, and the set of authors
// seen stops growing there, so that a file of a million names costs no more than a full list.
// The lists are the caller's: `add` puts a text into one and says whether the list took it.
class PickListTally {
public:
    // Both lists start with `preset` (their "不限定") as their only entry.
    explicit PickListTally(std::u16string_view preset);

    template <typename Add> void OfferRhyme(const std::u16string& heading, Add add) {
        if (rhymesListed_ < MaxPickListEntries && add(heading)) {
            ++rhymesListed_;
        } else {
            ++rhymesNotListed_;
        }
    }

    template <typename Add> void OfferAuthor(const std::u16string& name, Add add) {
        if (authors_.Contains(name)) {
            return; // listed already, or refused already and counted then
        }
        if (authorsListed_ >= MaxPickListEntries) {
            authorsCapped_ = true;
            return;
        }
        authors_.AddIfNew(name);
        if (add(name)) {
            ++authorsListed_;
        } else {
            ++authorsRefused_;
        }
    }

    // What the user is told about the entries the lists did not take; empty when they took all.
    std::u16string Message() const;

private:
    AuthorList authors_;
    size_t rhymesListed_ = 1;
    size_t rhymesNotListed_ = 0;
    size_t authorsListed_ = 1;
    size_t authorsRefused_ = 0;
    bool authorsCapped_ = false;
};
