#pragma once

#include "TangRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the lists show a title or an author, and how much room their entries take: the lists
// reserve their storage from the entries as they are cut, not from the texts they are cut from.

// A list entry shows at most this many units of a title and of an author, so that a file of
// giant titles does not make the lists hold a second copy of them.
inline constexpr size_t MaxListedLength = 200;

// The length of `text` as a list shows it: whole when short, as real ones are, otherwise its
// first MaxListedLength units (one fewer when the cut would split a character) and "…".
size_t ListedLength(std::u16string_view text);

// Appends `text` to `entry` as a list shows it.
void AppendListed(std::u16string& entry, std::u16string_view text);

// The lengths of PoemListEntry(index, record) and SearchResultEntry(record).
size_t PoemListEntryLength(int16_t index, const TangRecord& record);
size_t SearchResultEntryLength(const TangRecord& record);

// The units a list needs for the entries of the poem list, one for each poem of `tangs`, and of
// the result list for the poems `found`, each entry with its terminating NUL.
size_t PoemListStorage(const std::vector<TangRecord>& tangs);
size_t ResultListStorage(const std::vector<TangRecord>& tangs, const std::vector<int16_t>& found);
