#include "SearchResults.h"

#include "ProgramTexts.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// Every occurrence of `piece` in `field`, which starts at `offset` on the page, joined where
// they overlap or touch.
void MarkOccurrences(std::vector<MarkedSpan>& spans, std::u16string_view field,
                     std::u16string_view piece, uint32_t offset) {
    if (piece.empty()) {
        return;
    }
    for (size_t at = field.find(piece); at != std::u16string_view::npos;
         at = field.find(piece, at + 1)) {
        const auto start = static_cast<uint32_t>(offset + at);
        const auto end = static_cast<uint32_t>(start + piece.size());
        if (!spans.empty() && spans.back().End >= start) {
            spans.back().End = std::max(spans.back().End, end);
        } else {
            spans.push_back({start, end});
        }
    }
}

// The spans, found in units of `page`, in its positions, where a CR LF counts one.
void InPositions(std::vector<MarkedSpan>& spans, const std::array<PageRun, 4>& page) {
    const std::u16string text = page[0].Text + page[1].Text + page[2].Text + page[3].Text;
    uint32_t unit = 0;
    uint32_t pairs = 0; // the CR LFs before `unit`
    const auto position = [&](uint32_t target) {
        for (; unit < target; ++unit) {
            pairs += unit > 0 && text[unit] == u'\n' && text[unit - 1] == u'\r' ? 1 : 0;
        }
        return target - pairs;
    };
    for (MarkedSpan& span : spans) {
        span.Start = position(span.Start);
        span.End = position(span.End);
    }
}

std::u16string Decimal(size_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

} // namespace

SearchResults::SearchResults(SearchCriteria criteria, std::vector<int16_t> listed)
    : criteria_(std::move(criteria)), listed_(std::move(listed)) {}

std::optional<size_t> SearchResults::PositionOf(int16_t index) const {
    const auto found = std::ranges::lower_bound(listed_, index);
    if (found == listed_.end() || *found != index) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - listed_.begin());
}

std::optional<size_t> SearchResults::After(int16_t index) const {
    const auto next = std::ranges::upper_bound(listed_, index);
    if (next == listed_.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(next - listed_.begin());
}

std::optional<size_t> SearchResults::Before(int16_t index) const {
    const auto next = std::ranges::lower_bound(listed_, index);
    if (next == listed_.begin()) {
        return std::nullopt;
    }
    return static_cast<size_t>(next - listed_.begin()) - 1;
}

std::vector<MarkedSpan> SearchResults::MarksOn(int16_t index, const TangRecord& record,
                                               const std::array<PageRun, 4>& page) const {
    std::vector<MarkedSpan> spans;
    if (!PositionOf(index)) {
        return spans;
    }
    const auto authorStart = static_cast<uint32_t>(page[0].Text.size());
    const auto versesStart = static_cast<uint32_t>(authorStart + page[1].Text.size());
    MarkOccurrences(spans, record.Title, criteria_.Title, 0);
    const bool authorAsked = !criteria_.Author.empty() && criteria_.Author != texts::NoRestriction;
    if (authorAsked && !record.Author.empty()) {
        spans.push_back({authorStart, static_cast<uint32_t>(authorStart + record.Author.size())});
    }
    MarkOccurrences(spans, record.Content, criteria_.Content, versesStart);
    if (!spans.empty()) {
        InPositions(spans, page);
    }
    return spans;
}

std::u16string ResultOfCount(size_t position, size_t count) {
    return u"第 " + Decimal(position + 1) + u" 个结果，共 " + Decimal(count) + u" 个";
}
