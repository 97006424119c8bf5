#pragma once

#include <cstddef>
#include <string>

// What the user is told when a list could take only the first `listed` of its `total` entries
// (the system refuses entries once a list's storage is full).
std::u16string PoemListFullMessage(size_t listed, size_t total);
std::u16string ResultListFullMessage(size_t listed, size_t total);

// The search window's pick lists: how many metrical forms and authors they could not take, or
// the empty text when they took everything.
std::u16string PickListsFullMessage(size_t formsNotListed, size_t authorsNotListed);

// The author list reached its cap after `listed` authors; the names beyond it are not counted.
std::u16string AuthorListCappedMessage(size_t listed);
