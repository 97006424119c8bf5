#include "PickListTally.h"

#include "FullListMessage.h"
#include "MessageParagraphs.h"

PickListTally::PickListTally(std::u16string_view preset) {
    authors_.AddIfNew(preset);
}

std::u16string PickListTally::Message() const {
    // Beyond the cap the names are no longer told apart, so the message cannot count them.
    std::u16string message =
        PickListsFullMessage(rhymesNotListed_, authorsCapped_ ? 0 : authorsRefused_);
    if (authorsCapped_) {
        AppendParagraph(message, AuthorListCappedMessage(authorsListed_ - 1));
    }
    return message;
}
