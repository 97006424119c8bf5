#pragma once

#include "Controls.h"
#include "PickListTally.h"

#include <optional>
#include <string>

// The search window's author and metrical-form lists as the anthology fills them: the one
// place that adds to them, keeps the authors already listed and counts what the lists did not
// take, for the load message.
class PickLists {
public:
    // Takes over the two lists and leaves each holding its preset "不限定" alone.
    void Attach(ui::ComboBox authors, ui::ComboBox rhymes);

    void AddRhyme(const std::u16string& heading);
    // Adds a name not listed yet; a name listed already is left alone.
    void AddAuthor(const std::u16string& strAuthor);
    // Both lists go back to their preset entry alone, as for an empty anthology.
    void Reset();

    // What the user is told about entries the lists did not take, or the empty text.
    std::u16string FullMessage() const;

private:
    ui::ComboBox authors_;
    ui::ComboBox rhymes_;
    std::optional<PickListTally> tally_;
};
