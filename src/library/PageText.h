#pragma once

#include "ListedText.h"
#include "TangLoader.h"
#include "TangRecord.h"

#include <array>
#include <cstdint>
#include <string>

// A colour as red, green and blue, packed with red in the lowest byte (a Windows COLORREF).
constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return red | (static_cast<uint32_t>(green) << 8) | (static_cast<uint32_t>(blue) << 16);
}

enum class ParagraphAlignment : int32_t { Left = 0, Centre = 2 };

// One piece of the poem page: the text appended, its colour, and the alignment of the
// paragraph it starts in.
struct PageRun {
    std::u16string Text;
    uint32_t Colour = 0;
    ParagraphAlignment Alignment = ParagraphAlignment::Centre;
};

inline constexpr uint32_t TitleColour = Rgb(88, 84, 255);
inline constexpr uint32_t AuthorColour = Rgb(255, 85, 90);
inline constexpr uint32_t ContentColour = Rgb(140, 134, 140);
inline constexpr uint32_t NotesColour = Rgb(0, 174, 0);
// Behind the places a search found: a pale yellow, as a highlighter's, light enough that each
// run's own colour stays about as readable as on white.
inline constexpr uint32_t MarkColour = Rgb(255, 240, 140);
// Behind the line being read aloud: a pale blue, as light, and unlike the hits' yellow.
inline constexpr uint32_t ReadingColour = Rgb(214, 238, 255);

// The longest page the loader's caps allow, in UTF-16 units: a title and an author of one cut
// line each, verses and notes at their field's cap followed by the ellipsis line, and the line
// breaks the page adds after the four of them.
inline constexpr size_t MaxPageLength = 2 * (static_cast<size_t>(MaxLineLength) + 1) +
                                        2 * (static_cast<size_t>(MaxFieldLength) + 3) + 2 + 4 + 2 +
                                        2;

// The page of a poem: title, author, verses and notes, in that order.
std::array<PageRun, 4> PageRuns(const TangRecord& record);

// "青简雅韵集 第N首" for the poem at `index`, numbered from 1.
std::u16string PageCaption(int16_t index);

// What the user is told when the page box could not take the whole page.
inline constexpr char16_t PageNotWholeMessage[] =
    u"内存不足，这首唐诗没能完整显示。可以关闭其他程序后再试。";

// "(001) T [A]": the reader's poem-list entry for the poem at `index`, its title and author as
// lists show them (ListedText.h).
std::u16string PoemListEntry(int16_t index, const TangRecord& record);
// Appends the same entry to `entry`: a list filled with thousands of them can make them all in
// one buffer, without an allocation for each.
void AppendPoemListEntry(std::u16string& entry, int16_t index, const TangRecord& record);

// "T [A]": a search result entry.
std::u16string SearchResultEntry(const TangRecord& record);
