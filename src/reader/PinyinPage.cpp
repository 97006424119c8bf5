#include "PinyinPage.h"

#include "Clipboard.h"
#include "DeviceContext.h"
#include "Form.h"
#include "MemoryShortage.h"
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
    : page_(box), box_(box.Handle()), form_(form) {
    static const ATOM windowClass = [] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.style = CS_DBLCLKS;
        description.lpfnWndProc = &PinyinPage::Procedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
        description.lpszClassName = ClassName;
        return RegisterClassExW(&description);
    }();
    (void)windowClass;
    window_.reset(CreateWindowExW(WS_EX_CLIENTEDGE, ClassName, L"",
                                  WS_CHILD | WS_TABSTOP | WS_VSCROLL, 0, 0, 0, 0, GetParent(box_),
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Place();
}

PinyinPage::~PinyinPage() {
    if (Handle() != nullptr) {
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
    }
}

PinyinPage* PinyinPage::FromWindow(HWND window) {
    return reinterpret_cast<PinyinPage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK PinyinPage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PinyinPage* page = FromWindow(window);
    if (page == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) { // destroyed with the reader window
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        page->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return ui::SurvivingMemoryShortage(
        window, [&] { return page->HandleMessage(message, wParam, lParam); });
}

bool PinyinPage::IsOn() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void PinyinPage::SetOn(bool on) {
    if (on == IsOn() || Handle() == nullptr) {
        return;
    }
    HWND shown = on ? Handle() : box_;
    HWND hidden = on ? box_ : Handle();
    const bool focused = GetFocus() == hidden;
    Forget();
    scrolled_ = 0;
    Place();
    ShowWindow(shown, SW_SHOW);
    ShowWindow(hidden, SW_HIDE);
    if (focused) {
        SetFocus(shown);
    }
    if (!on) {
        Forget(); // the horizontal page needs none of it
    }
}

void PinyinPage::SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks,
                         PageMarks marks) {
    runs_ = std::move(runs);
    looks_ = looks;
    marks_ = std::move(marks);
    Forget();
    scrolled_ = 0;
}

void PinyinPage::SetZoomPercent(int percent) {
    zoom_ = std::clamp(percent, 10, 1000);
    Forget();
}

void PinyinPage::FollowBox() {
    Forget();
    Place();
}

void PinyinPage::SetMarks(PageMarks marks) {
    marks_ = std::move(marks);
    Repaint();
}

void PinyinPage::Repaint() const {
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void PinyinPage::Place() {
    if (Handle() == nullptr) {
        return;
    }
    RECT rect{};
    GetWindowRect(box_, &rect);
    MapWindowPoints(nullptr, GetParent(box_), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(Handle(), box_, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE);
}

void PinyinPage::Forget() {
    layout_.reset();
    widths_.clear();
    readingWidths_.clear();
    Repaint();
}

RECT PinyinPage::Client() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client;
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

int PinyinPage::LineStep() const {
    return lineStep_;
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
