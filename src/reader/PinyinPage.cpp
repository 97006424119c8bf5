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
    : PageView(box, form, ClassName, false) {}

PinyinPage* PinyinPage::FromWindow(HWND window) {
    return static_cast<PinyinPage*>(
        reinterpret_cast<PageView*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
}

void PinyinPage::Forget() {
    layout_.reset();
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

void PinyinPage::MakeFonts(HDC dc) {
    const CHARFORMAT2W face = BoxFontOf(box_);
    FontsFor wanted{face.szFaceName, face.bCharSet, form_.Dpi(), zoom_, {}};
    for (size_t run = 0; run < looks_.size(); ++run) {
        wanted.Runs[run] = {looks_[run].SizeTwips, looks_[run].Bold};
    }
    if (fonts_.Readings && fonts_.MadeFor == wanted) {
        return;
    }
    widths_.clear();
    readingWidths_.clear();
    for (size_t run = 0; run < looks_.size(); ++run) {
        const int pixels = MulDiv(ZoomedTwips(looks_[run].SizeTwips, zoom_), wanted.Dpi, 1440);
        fonts_.Characters[run] = CreatePageFont(face, pixels, looks_[run].Bold);
        const TEXTMETRICW metrics = MetricsOf(dc, fonts_.Characters[run].get());
        fonts_.Ascent[run] = metrics.tmAscent;
        fonts_.LineHeight[run] = metrics.tmHeight + metrics.tmExternalLeading + pixels / 8;
    }
    fonts_.VersePixels = MulDiv(ZoomedTwips(looks_[2].SizeTwips, zoom_), wanted.Dpi, 1440);
    fonts_.Readings = CreatePageFont(face, MulDiv(fonts_.VersePixels, ReadingPercent, 100), false);
    const TEXTMETRICW reading = MetricsOf(dc, fonts_.Readings.get());
    fonts_.ReadingAscent = reading.tmAscent;
    fonts_.ReadingHeight = reading.tmHeight;
    fonts_.ReadingGap = std::max<int>(3, reading.tmAveCharWidth); // a space between readings
    fonts_.MadeFor = std::move(wanted);
}

// Sets the runs in rows as wide as `width` allows, in the fonts of their looks.
PinyinLayout PinyinPage::Measured(HDC dc, int width) {
    MakeFonts(dc);
    PinyinMeasures measures;
    measures.LineHeight = fonts_.LineHeight;
    measures.ReadingHeight = fonts_.ReadingHeight;
    measures.ReadingGap = fonts_.ReadingGap;
    margin_ = std::max(2, fonts_.VersePixels / 4);
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

int PinyinPage::ContentLength() const {
    return layout_ ? layout_->Height + 2 * margin_ : 0;
}

int PinyinPage::KeyPageStep() const {
    return std::max(lineStep_, ClientLength() - lineStep_);
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
