#pragma once

#include "LinePieces.h"
#include "LoadLimits.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Lines collected for a verse or notes field and joined once, when the field is stored: until
// then they stay where they are in the anthology's text, so each character is copied only once.
// A field takes at most MaxFieldLength units; the lines beyond are left out and an ellipsis line
// stands in their place. What was cut or left out is counted only when the field is stored: a
// field still pending at the end of the file belongs to no poem, and neither do its lines.
class PendingLines {
public:
    void Add(const Piece& line);
    bool Empty() const { return lines_.empty(); }

    // A new poem starts while lines are pending: they go on collecting, into that poem's field.
    void CarryOver() { carried_ = carried_ || full_ || !lines_.empty(); }

    // Stores the lines, each followed by CR LF, then `tail` (itself subject to the field's
    // limit) into `field`, adding what was cut or left out to `counts`; nothing is pending
    // afterwards.
    void Take(std::u16string& field, LongLines& counts, const Piece& tail = {});

private:
    bool Fits(const Piece& line, size_t lineEnd) const;

    std::vector<std::u16string_view> lines_;
    std::vector<size_t> cutLines_; // positions in lines_ of the lines that were cut
    size_t size_ = 0;
    bool full_ = false;
    bool carried_ = false; // holds lines of an earlier poem
    int leftOut_ = 0;
    int leftOutCarried_ = 0; // of those, the ones refused once lines had been carried over
};
