// The poem's runs in the page box, and their sizes at the reader's zoom. The zoom is the runs'
// own sizes rather than the control's zoom ratio: some systems' rich edit lays the text out
// again at a new ratio but keeps the characters' widths of the old one, so that they overlap.
#include "PageBox.h"

#include "PagePieces.h"
#include "PageSelection.h"
#include "RedrawPaused.h"
#include "TextZoom.h"

#include <optional>
#include <richedit.h>

namespace {

// The size the runs are inserted at, before they are given their own: the box lays each
// insertion out at once, and lines of the smallest characters are the fewest to lay out.
constexpr int InsertionTwips = 20;

bool Shown(HWND box) {
    return (GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SetSelAlignment(HWND box, ParagraphAlignment alignment) {
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment == ParagraphAlignment::Centre ? PFA_CENTER : PFA_LEFT;
    SendMessageW(box, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

// The look a piece is inserted in; the zoom changes only its size.
CHARFORMAT2W FormatOf(const RunLook& look) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD | CFM_SIZE;
    format.dwEffects = (look.SystemColour ? CFE_AUTOCOLOR : 0) | (look.Bold ? CFE_BOLD : 0);
    format.crTextColor = look.Colour;
    format.yHeight = InsertionTwips;
    return format;
}

// Inserts `piece` at the caret in its look; the piece's parity sets an attribute nothing draws
// (the author of a tracked change, and the page tracks none), so that the box keeps two
// neighbouring pieces apart instead of joining them into one run.
bool InsertPiece(HWND box, std::u16string_view piece, CHARFORMAT2W format, bool odd) {
    format.dwMask |= CFM_REVAUTHOR;
    format.bRevAuthor = odd ? 1 : 0;
    SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    const std::u16string text(piece);
    const LONG before = PageSelection(box).cpMax;
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    // The box keeps each CR LF as one character, and leaves the caret after what it took.
    size_t breaks = 0;
    for (size_t at = text.find(u"\r\n"); at != std::u16string::npos;
         at = text.find(u"\r\n", at + 2)) {
        ++breaks;
    }
    return static_cast<size_t>(PageSelection(box).cpMax - before) == text.size() - breaks;
}

LONG FirstVisibleCharacter(HWND box) {
    const auto line = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    return static_cast<LONG>(SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

// By the scroll position rather than by lines, which some systems count in lines of the
// default size.
void ScrollToTop(HWND box, LONG character) {
    POINT scroll{};
    SendMessageW(box, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    POINTL at{};
    SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), character);
    RECT text{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    scroll.y += at.y - text.top;
    SendMessageW(box, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
}

} // namespace

bool PageBox::ShowRuns(const std::array<PageRun, 4>& runs, const std::array<RunLook, 4>& looks,
                       PageMarks marks) {
    std::optional<ui::RedrawPaused> paused;
    if (Shown(box_)) {
        paused.emplace(box_);
    }
    looks_ = looks;
    marks_ = std::move(marks);
    laidOutPercent_ = 0;
    bool whole = SetText(u"");
    for (size_t number = 0; number < runs.size(); ++number) {
        runStarts_[number] = PageSelection(box_).cpMax;
        SetSelAlignment(box_, runs[number].Alignment);
        whole = InsertInPieces(runs[number].Text, looks[number]) && whole;
    }
    runStarts_.back() = PageSelection(box_).cpMax;
    SendMessageW(box_, EM_SETSEL, 0, 0);
    if (paused) {
        FormatRuns();
        ScrollToTop(box_, 0);
    }
    return whole;
}

bool PageBox::InsertInPieces(const std::u16string& text, const RunLook& look) {
    bool whole = true;
    size_t at = 0;
    const CHARFORMAT2W format = FormatOf(look);
    for (const size_t length : PieceLengths(text)) {
        const bool odd = (piecesInserted_++ % 2) != 0;
        whole =
            InsertPiece(box_, std::u16string_view(text).substr(at, length), format, odd) && whole;
        at += length;
    }
    return whole;
}

void PageBox::ZoomTo(int percent) {
    percent_ = percent;
    if (percent_ != laidOutPercent_) {
        InvalidateRect(box_, nullptr, FALSE);
    }
}

void PageBox::LayOutIfDue() {
    if (percent_ == laidOutPercent_ || !Shown(box_)) {
        return;
    }
    const LONG top = FirstVisibleCharacter(box_);
    {
        const ui::RedrawPaused paused(box_);
        FormatRuns();
    }
    ScrollToTop(box_, top);
}

// Selects each run to give it its look: the selection is put back after.
void PageBox::FormatRuns() {
    const CHARRANGE kept = PageSelection(box_);
    for (size_t number = 0; number < looks_.size(); ++number) {
        CHARRANGE run{runStarts_[number], runStarts_[number + 1]};
        if (run.cpMin == run.cpMax) {
            continue;
        }
        SendMessageW(box_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&run));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_SIZE;
        format.yHeight = ZoomedTwips(looks_[number].SizeTwips, percent_);
        SendMessageW(box_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
    SendMessageW(box_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    laidOutPercent_ = percent_;
}
