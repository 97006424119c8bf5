#include "PickLists.h"

#include "ProgramTexts.h"

namespace {

// Adds to `list`; true when the list took the entry (a full list refuses it).
auto AddTo(const ui::ComboBox& list) {
    return [&list](const std::u16string& text) {
        return list.AddItem(text) >= 0;
    };
}

} // namespace

void PickLists::Attach(ui::ComboBox authors, ui::ComboBox rhymes) {
    authors_ = authors;
    rhymes_ = rhymes;
    Reset();
}

void PickLists::AddRhyme(const std::u16string& heading) {
    tally_->OfferRhyme(heading, AddTo(rhymes_));
}

void PickLists::AddAuthor(const std::u16string& strAuthor) {
    tally_->OfferAuthor(strAuthor, AddTo(authors_));
}

void PickLists::Reset() {
    for (const ui::ComboBox& list : {authors_, rhymes_}) {
        SendMessageW(list.Handle(), CB_RESETCONTENT, 0, 0);
        list.AddItem(texts::NoRestriction);
    }
    tally_.emplace(texts::NoRestriction);
}

std::u16string PickLists::FullMessage() const {
    return tally_ ? tally_->Message() : std::u16string();
}
