// How the 拼音 view paints, and answers the keyboard, the scroll bar, the wheel and a drag.
#include "PinyinPage.h"

#include "DeviceContext.h"
#include "PageSelection.h"

#include <algorithm>
#include <windowsx.h>

namespace {

constexpr int WheelRows = 3; // rows a notch of the mouse wheel scrolls

bool CtrlIsDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

void Draw(HDC dc, int x, int baseline, std::u16string_view text) {
    TextOutW(dc, x, baseline, reinterpret_cast<const wchar_t*>(text.data()),
             static_cast<int>(text.size()));
}

} // namespace

bool PinyinPage::HandleKey(WPARAM key) {
    if (CtrlIsDown()) {
        return false;
    }
    Layout();
    const int page = std::max(lineStep_, static_cast<int>(Client().bottom) - lineStep_);
    switch (key) {
    case VK_DOWN:
        ScrollTo(scrolled_ + lineStep_);
        return true;
    case VK_UP:
        ScrollTo(scrolled_ - lineStep_);
        return true;
    case VK_NEXT:
        ScrollTo(scrolled_ + page);
        return true;
    case VK_PRIOR:
        ScrollTo(scrolled_ - page);
        return true;
    case VK_HOME:
        ScrollTo(0);
        return true;
    case VK_END:
        ScrollTo(MaxScroll());
        return true;
    default:
        return false;
    }
}

void PinyinPage::HandleScrollBar(int request) {
    Layout();
    const int page = Client().bottom;
    switch (request) {
    case SB_LINEDOWN:
        ScrollTo(scrolled_ + lineStep_);
        break;
    case SB_LINEUP:
        ScrollTo(scrolled_ - lineStep_);
        break;
    case SB_PAGEDOWN:
        ScrollTo(scrolled_ + page);
        break;
    case SB_PAGEUP:
        ScrollTo(scrolled_ - page);
        break;
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(MaxScroll());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, &bar);
        ScrollTo(bar.nTrackPos);
        break;
    }
    default:
        break;
    }
}

// Paints the rows that fall within `client`, the page scrolled by `scrolled` pixels: each
// cell's background, as marked or selected, its reading centred above and its character below.
void PinyinPage::Paint(HDC dc, RECT client, int scrolled, bool withSelection) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const PinyinLayout& layout = Layout();
    if (layout.Rows.empty()) {
        return;
    }
    const CHARRANGE selected = withSelection ? PageSelection(box_) : CHARRANGE{};
    const ui::SavedDcState saved(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    const ui::UniqueBrush markBrush(CreateSolidBrush(MarkColour));
    const ui::UniqueBrush readingBrush(CreateSolidBrush(ReadingColour));
    for (size_t r = PinyinRowAt(layout, scrolled - margin_); r < layout.Rows.size(); ++r) {
        const PinyinRow& row = layout.Rows[r];
        const int top = margin_ + row.Top - scrolled;
        if (top >= client.bottom) {
            break;
        }
        const RunLook& look = looks_[row.Run];
        const COLORREF ink = look.SystemColour ? GetSysColor(COLOR_WINDOWTEXT) : look.Colour;
        const int charactersTop = top + (row.WithReadings ? fonts_.ReadingHeight : 0);
        for (uint32_t i = row.FirstCell; i < row.FirstCell + row.CellCount; ++i) {
            const PinyinCell& cell = layout.Cells[i];
            const int left = margin_ + cell.Left;
            const RECT box{left, top, left + cell.Width, top + row.Height};
            const auto position = static_cast<LONG>(cell.Position);
            const bool inSelection = position >= selected.cpMin && position < selected.cpMax;
            const MarkKind mark = MarkAt(marks_.Spans, cell.Position);
            const bool highlighted =
                inSelection || (mark != MarkKind::None && marks_.SystemHighlight);
            if (highlighted) {
                FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
            } else if (mark != MarkKind::None) {
                FillRect(dc, &box, (mark == MarkKind::Reading ? readingBrush : markBrush).get());
            }
            SetTextColor(dc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink);
            if (!cell.Reading.empty()) {
                const ui::Selected font(dc, fonts_.Readings.get());
                const int width = readingWidths_[cell.Reading];
                Draw(dc, left + (cell.Width - width) / 2, top + fonts_.ReadingAscent, cell.Reading);
            }
            const ui::Selected font(dc, fonts_.Characters[row.Run].get());
            const std::u16string_view character(layout.Text.data() + cell.Index, cell.Units);
            const int width = widths_[CharacterKey(row.Run, character)];
            Draw(dc, left + (cell.Width - width) / 2, charactersTop + fonts_.Ascent[row.Run],
                 character);
        }
    }
}

// The wheel turned towards the user reads on, downwards.
void PinyinPage::HandleWheel(int delta, bool tilted) {
    if (tilted) {
        return; // the rows are as wide as the view
    }
    wheel_ += delta;
    if (const int notches = wheel_ / WHEEL_DELTA; notches != 0) {
        wheel_ -= notches * WHEEL_DELTA;
        ScrollTo(scrolled_ - notches * WheelRows * lineStep_);
    }
}

void PinyinPage::ScrollTowards(POINT outside) {
    if (outside.y < 0) {
        ScrollTo(scrolled_ - lineStep_);
    } else if (outside.y >= Client().bottom) {
        ScrollTo(scrolled_ + lineStep_);
    }
}
