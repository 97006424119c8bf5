// How the 拼音 view paints its rows.
#include "PinyinPage.h"

#include "DeviceContext.h"
#include "PageSelection.h"

#include <algorithm>

namespace {

void Draw(HDC dc, int x, int baseline, std::u16string_view text) {
    TextOutW(dc, x, baseline, reinterpret_cast<const wchar_t*>(text.data()),
             static_cast<int>(text.size()));
}

} // namespace

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
