#include "PinyinPage.h"

#include "Clipboard.h"
#include "DeviceContext.h"
#include "Form.h"
#include "PageSelection.h"
#include "PinyinText.h"
#include "TextZoom.h"

#include <algorithm>
#include <commctrl.h>

namespace {

// Readings are set in a little over half the verses' size, as school editions print them.
constexpr int ReadingPercent = 62;

ui::UniqueFont CreatePageFont(const CHARFORMAT2W& face, int pixels, bool bold) {
    return ui::UniqueFont(CreateFontW(-std::max(pixels, 6), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                      FALSE, FALSE, FALSE, face.bCharSet, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face.szFaceName));
}

TEXTMETRICW MetricsOf(HDC dc, HFONT font) {
    const ui::Selected selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics;
}

int WidthOf(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                          static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

PinyinPage::PinyinPage(const PageBox& box, const ui::Form& form)
    : PageView(box, form, ClassName, WS_VSCROLL) {}

PinyinPage* PinyinPage::FromWindow(HWND window) {
    return static_cast<PinyinPage*>(
        reinterpret_cast<PageView*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
}

void PinyinPage::Forget() {
    layout_.reset();
    widths_.clear();
    readingWidths_.clear();
    Repaint();
}

const PinyinLayout& PinyinPage::Layout() {
    if (layout_) {
        return *layout_;
    }
    const ui::WindowDc dc(Handle());
    const RECT client = Client();
    layout_ = Measured(dc.Get(), client.right);
    scrolled_ = std::clamp(scrolled_, 0, MaxScroll());
    UpdateScrollBar();
    if (Client().right != client.right) { // the scroll bar came or went: rows of another width
        layout_ = Measured(dc.Get(), Client().right);
        scrolled_ = std::clamp(scrolled_, 0, MaxScroll());
        UpdateScrollBar();
    }
    return *layout_;
}

// Makes the fonts at the zoom and the DPI, and sets the runs in rows as wide as `width` allows.
PinyinLayout PinyinPage::Measured(HDC dc, int width) {
    const CHARFORMAT2W face = BoxFontOf(box_);
    const int dpi = form_.Dpi();
    PinyinMeasures measures;
    for (size_t run = 0; run < looks_.size(); ++run) {
        const int pixels = MulDiv(ZoomedTwips(looks_[run].SizeTwips, zoom_), dpi, 1440);
        fonts_.Characters[run] = CreatePageFont(face, pixels, looks_[run].Bold);
        const TEXTMETRICW metrics = MetricsOf(dc, fonts_.Characters[run].get());
        fonts_.Ascent[run] = metrics.tmAscent;
        measures.LineHeight[run] = metrics.tmHeight + metrics.tmExternalLeading + pixels / 8;
    }
    const int versePixels = MulDiv(ZoomedTwips(looks_[2].SizeTwips, zoom_), dpi, 1440);
    fonts_.Readings = CreatePageFont(face, MulDiv(versePixels, ReadingPercent, 100), false);
    const TEXTMETRICW reading = MetricsOf(dc, fonts_.Readings.get());
    fonts_.ReadingAscent = reading.tmAscent;
    measures.ReadingHeight = reading.tmHeight;
    fonts_.ReadingHeight = reading.tmHeight;
    measures.ReadingGap = std::max<int>(3, reading.tmAveCharWidth); // a space between readings
    margin_ = std::max(2, versePixels / 4);
    measures.Width = std::max(1, width - 2 * margin_);
    lineStep_ = std::max(1, measures.LineHeight[2] + measures.ReadingHeight);
    // Each character and reading is measured once, with its font selected only then.
    measures.CharacterWidth = [&](size_t run, std::u16string_view character) {
        auto [found, added] = widths_.try_emplace(CharacterKey(run, character), 0);
        if (added) {
            const ui::Selected selected(dc, fonts_.Characters[run].get());
            found->second = WidthOf(dc, character);
        }
        return found->second;
    };
    measures.ReadingWidth = [&](std::u16string_view syllable) {
        auto [found, added] = readingWidths_.try_emplace(syllable, 0);
        if (added) {
            const ui::Selected selected(dc, fonts_.Readings.get());
            found->second = WidthOf(dc, syllable);
        }
        return found->second;
    };
    return LayOutWithReadings(runs_, measures);
}

int PinyinPage::MaxScroll() {
    const int height = layout_ ? layout_->Height + 2 * margin_ : 0;
    return std::max(0, height - static_cast<int>(Client().bottom));
}

void PinyinPage::UpdateScrollBar() {
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int page = Client().bottom;
    bar.nMax = MaxScroll() > 0 ? MaxScroll() + page - 1 : 0;
    bar.nPage = MaxScroll() > 0 ? static_cast<UINT>(page) : 0;
    bar.nPos = scrolled_;
    SetScrollInfo(Handle(), SB_VERT, &bar, TRUE);
}

void PinyinPage::ScrollTo(int scrolled) {
    Layout();
    const int clamped = std::clamp(scrolled, 0, MaxScroll());
    if (clamped != scrolled_) {
        scrolled_ = clamped;
        UpdateScrollBar();
        Repaint();
    }
}

std::optional<RECT> PinyinPage::CellRect(uint32_t position) {
    const PinyinLayout& layout = Layout();
    const std::optional<size_t> cell = PinyinCellAt(layout, position);
    if (!cell) {
        return std::nullopt;
    }
    const auto row = std::ranges::upper_bound(layout.Rows, static_cast<uint32_t>(*cell), {},
                                              &PinyinRow::FirstCell) -
                     1;
    const PinyinCell& found = layout.Cells[*cell];
    const int left = margin_ + found.Left;
    const int top = margin_ + row->Top - scrolled_;
    return RECT{left, top, left + found.Width, top + row->Height};
}

void PinyinPage::BringIntoView(uint32_t position) {
    const std::optional<RECT> cell = IsOn() ? CellRect(position) : std::nullopt;
    if (cell && (cell->top < 0 || cell->bottom > Client().bottom)) {
        ScrollTo(scrolled_ + cell->top - margin_);
    }
}

uint32_t PinyinPage::PositionAtPoint(POINT point) {
    const PinyinLayout& layout = Layout();
    if (layout.Rows.empty()) {
        return 0;
    }
    const size_t row = PinyinRowAt(layout, point.y - margin_ + scrolled_);
    return PinyinPositionAt(layout, row, point.x - margin_);
}

std::u16string PinyinPage::SelectedText() const {
    const CHARRANGE selected = PageSelection(box_);
    return TextWithReadings(runs_, static_cast<uint32_t>(selected.cpMin),
                            static_cast<uint32_t>(selected.cpMax));
}

std::u16string PinyinPage::WholeText() const {
    return TextWithReadings(runs_);
}

SIZE PinyinPage::WholeSize() {
    const PinyinLayout& layout = Layout();
    const RECT client = Client();
    return {client.right, std::max<LONG>(client.bottom, layout.Height + 2 * margin_)};
}

void PinyinPage::PaintWhole(HDC dc, int height) {
    Layout();
    Paint(dc, RECT{0, 0, Client().right, height}, 0, false);
}

void PinyinPage::Copy() const {
    const std::u16string text = SelectedText();
    if (!text.empty()) {
        ui::PutTextOnClipboard(Handle(), text);
    }
}
