#pragma once

#include "LineEnds.h"
#include "PageText.h"

#include <array>
#include <cstdint>
#include <string_view>

// One line of the page: its run, the index of its first unit in the four runs joined, its
// position on the page (where each line break counts as one, as the page box counts), its text
// without the break, and whether a break ends it.
struct PageLine {
    size_t Run;
    uint32_t Index;
    uint32_t Position;
    std::u16string_view Text;
    bool Broken;
};

// Calls `visit` with every line of `runs`, in order. A run's last line break ends its last
// line; the next run starts a line of its own.
template <typename Visit> void ForEachPageLine(const std::array<PageRun, 4>& runs, Visit&& visit) {
    uint32_t index = 0, position = 0;
    for (size_t run = 0; run < runs.size(); ++run) {
        const std::u16string_view text = runs[run].Text;
        for (size_t start = 0; start < text.size();) {
            size_t next = 0;
            const size_t end = FindLineEnd(text, start, next);
            const bool broken = end < text.size();
            visit(PageLine{run, index + static_cast<uint32_t>(start), position,
                           text.substr(start, end - start), broken});
            position += static_cast<uint32_t>(end - start) + (broken ? 1 : 0);
            start = broken ? next : end;
        }
        index += static_cast<uint32_t>(text.size());
    }
}
