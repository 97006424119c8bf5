#pragma once

#include "MarkedSpans.h"
#include "PageText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Which part of the page is read aloud: the poem (title, author, verses) or its notes, which a
// listener hears only when asking for them.
enum class ReadAloudPart { Poem, Notes };

// One line for the voice, and the stretch of the page it is read from, to mark while it is read.
struct SpokenLine {
    std::u16string Text;
    MarkedSpan OnPage;
    bool operator==(const SpokenLine&) const = default;
};

// The lines of `part` of `page`, in reading order; lines with nothing to say are left out.
std::vector<SpokenLine> SpokenLines(const std::array<PageRun, 4>& page, ReadAloudPart part);

// What a voice is given of `line`: its words, with a pause in the place of each stretch of
// punctuation and nothing of the signs between (brackets, quotation marks, the notes' markers),
// which voices would otherwise name. Characters outside the Basic Multilingual Plane and of
// private use are left out, since voices spell them or say nothing useful.
std::u16string SpokenText(std::u16string_view line);
