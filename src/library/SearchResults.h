#pragma once

#include "MarkedSpans.h"
#include "PageText.h"
#include "TangRecord.h"
#include "TangSearch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The last search: its criteria and the poems its result list holds, in the list's order,
// which is the table's.
class SearchResults {
public:
    SearchResults() = default;
    SearchResults(SearchCriteria criteria, std::vector<int16_t> listed);

    bool Empty() const { return listed_.empty(); }
    size_t Count() const { return listed_.size(); }
    int16_t At(size_t position) const { return listed_[position]; }

    // The result list's entry of the poem at `index`, if it is one of the results.
    std::optional<size_t> PositionOf(int16_t index) const;
    // The first entry after the poem at `index` and the last before it, in table order, whether
    // that poem is a result or not.
    std::optional<size_t> After(int16_t index) const;
    std::optional<size_t> Before(int16_t index) const;

    // Where the search's pieces stand on `page`, the runs of the poem at `index`: every occurrence
    // of the title piece in the title and of the verse piece in the verses, overlapping and
    // touching ones joined, and the whole author when an author was asked for; in positions
    // where a line break counts one. Nothing for a poem that is not a result.
    std::vector<MarkedSpan> MarksOn(int16_t index, const TangRecord& record,
                                    const std::array<PageRun, 4>& page) const;

private:
    SearchCriteria criteria_;
    std::vector<int16_t> listed_;
};

// "第 3 个结果，共 17 个": which result the page shows, counted from 1.
std::u16string ResultOfCount(size_t position, size_t count);
