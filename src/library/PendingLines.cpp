#include "PendingLines.h"

namespace {

constexpr std::u16string_view CrLf = u"\r\n";

} // namespace

bool PendingLines::Fits(const Piece& line, size_t lineEnd) const {
    return !full_ && size_ + line.Size() + lineEnd <= static_cast<size_t>(MaxFieldLength);
}

void PendingLines::Add(const Piece& line) {
    if (!Fits(line, CrLf.size())) {
        full_ = true;
        ++(carried_ ? leftOutCarried_ : leftOut_);
        return;
    }
    if (line.Cut) { // rare: noted apart, so that the common line costs no more than a view
        cutLines_.push_back(lines_.size());
    }
    lines_.push_back(line.Text);
    size_ += line.Size() + CrLf.size();
}

void PendingLines::Take(std::u16string& field, LongLines& counts, const Piece& tail) {
    const bool tailFits = tail.Text.empty() || Fits(tail, 0);
    field.clear();
    field.reserve(size_ + tail.Size() + CrLf.size() + 1);
    size_t nextCut = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
        field.append(lines_[i]);
        if (nextCut < cutLines_.size() && cutLines_[nextCut] == i) {
            field += Ellipsis;
            ++nextCut;
        }
        field.append(CrLf);
    }
    if (full_ || !tailFits) {
        field.append(1, Ellipsis).append(CrLf);
    } else {
        tail.AppendTo(field);
    }
    counts.TextCut += static_cast<int>(cutLines_.size()) + (tailFits && tail.Cut ? 1 : 0);
    counts.LeftOut += leftOut_ + (tailFits ? 0 : 1);
    counts.LeftOutCarried += leftOutCarried_;
    // Emptied rather than replaced, so that the next poem reuses the room.
    lines_.clear();
    cutLines_.clear();
    size_ = 0;
    full_ = false;
    carried_ = false;
    leftOut_ = 0;
    leftOutCarried_ = 0;
}
