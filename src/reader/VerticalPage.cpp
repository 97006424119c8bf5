#include "VerticalPage.h"

#include "DeviceContext.h"
#include "Form.h"
#include "MemoryShortage.h"
#include "PageSelection.h"

#include <algorithm>
#include <commctrl.h>
#include <richedit.h>

VerticalPage::VerticalPage(const PageBox& box, const ui::Form& form)
    : page_(box), box_(box.Handle()), form_(form) {
    static const ATOM windowClass = [] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.style = CS_DBLCLKS;
        description.lpfnWndProc = &VerticalPage::Procedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
        description.lpszClassName = ClassName;
        return RegisterClassExW(&description);
    }();
    (void)windowClass;
    // Right after the box in Tab order, with the box's border.
    window_.reset(CreateWindowExW(WS_EX_CLIENTEDGE, ClassName, L"",
                                  WS_CHILD | WS_TABSTOP | WS_HSCROLL, 0, 0, 0, 0, GetParent(box_),
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Place();
}

VerticalPage::~VerticalPage() {
    if (Handle() != nullptr) {
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
    }
}

bool VerticalPage::IsOn() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void VerticalPage::SetOn(bool on) {
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
        layout_.reset(); // the horizontal page needs none of it
    }
}

void VerticalPage::SetRuns(std::array<PageRun, 4> runs, const std::array<RunLook, 4>& looks,
                           PageMarks marks) {
    runs_ = std::move(runs);
    looks_ = looks;
    marks_ = std::move(marks);
    Forget();
    scrolled_ = 0;
}

void VerticalPage::SetZoomPercent(int percent) {
    zoom_ = std::clamp(percent, 10, 1000);
    Forget();
}

std::optional<RECT> VerticalPage::CellRect(uint32_t position) {
    const VerticalLayout& layout = Layout();
    const std::optional<size_t> cell = CellAt(layout, position);
    if (!cell) {
        return std::nullopt;
    }
    const VerticalCell& found = layout.Cells[*cell];
    const int left = geometry_.ColumnLeft(ColumnOfCell(layout, *cell), Client().right, scrolled_);
    const int top = geometry_.CellTop(found.Along);
    return RECT{left, top, left + geometry_.Cell,
                geometry_.CellTop(found.Along + HalfCellsOf(found.Form.Form))};
}

VerticalPage* VerticalPage::FromWindow(HWND window) {
    return reinterpret_cast<VerticalPage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK VerticalPage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    VerticalPage* page = FromWindow(window);
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

void VerticalPage::FollowBox() {
    Forget();
    Place();
}

void VerticalPage::SetMarks(PageMarks marks) {
    marks_ = std::move(marks);
    Repaint();
}

void VerticalPage::BringIntoView(uint32_t position) {
    const std::optional<RECT> cell = IsOn() ? CellRect(position) : std::nullopt;
    if (!cell) {
        return;
    }
    const int width = Client().right;
    if (cell->left < 0) {
        ScrollTo(scrolled_ - cell->left + geometry_.Margin);
    } else if (cell->right > width) {
        ScrollTo(scrolled_ - (cell->right - width) - geometry_.Margin);
    }
}

void VerticalPage::Repaint() const {
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void VerticalPage::Place() {
    if (Handle() == nullptr) {
        return;
    }
    RECT rect{};
    GetWindowRect(box_, &rect);
    MapWindowPoints(nullptr, GetParent(box_), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(Handle(), box_, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE);
}

void VerticalPage::Forget() {
    layout_.reset();
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

RECT VerticalPage::Client() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client;
}

const VerticalLayout& VerticalPage::Layout() {
    if (layout_) {
        return *layout_;
    }
    const CHARFORMAT2W font = BoxFontOf(box_);
    const int cell = MulDiv(MulDiv(page_.TextSizeTwips(), form_.Dpi(), 1440), zoom_, 100);
    const RECT client = Client();
    geometry_ = MeasureColumns(cell, client.bottom);
    fonts_ = VerticalFonts(font.szFaceName, font.bCharSet, geometry_.Cell);
    layout_ = LayOutVertically(runs_, geometry_.HalfCellsPerColumn);
    scrolled_ = std::clamp(scrolled_, 0, MaxScroll());
    UpdateScrollBar();
    if (Client().bottom != client.bottom) {
        layout_.reset(); // the scroll bar came or went: columns of another length
    }
    if (!layout_) {
        return Layout();
    }
    return *layout_;
}

int VerticalPage::MaxScroll() {
    const int width = geometry_.ContentWidth(layout_ ? layout_->Columns.size() : 0);
    return std::max(0, width - static_cast<int>(Client().right));
}

void VerticalPage::UpdateScrollBar() {
    // The bar's thumb starts at the right, where the first column is.
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const int page = Client().right;
    bar.nMax = MaxScroll() > 0 ? MaxScroll() + page - 1 : 0;
    bar.nPage = MaxScroll() > 0 ? static_cast<UINT>(page) : 0;
    bar.nPos = MaxScroll() - scrolled_;
    SetScrollInfo(Handle(), SB_HORZ, &bar, TRUE);
}

void VerticalPage::ScrollTo(int scrolled) {
    Layout();
    const int clamped = std::clamp(scrolled, 0, MaxScroll());
    if (clamped != scrolled_) {
        scrolled_ = clamped;
        UpdateScrollBar();
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void VerticalPage::ScrollByColumns(int columns) {
    Layout();
    ScrollTo(scrolled_ + columns * geometry_.Pitch);
}

// Paints into a memory bitmap first, so that a scroll shows no flicker.
void VerticalPage::PaintWindow() {
    const ui::PaintDc target(Handle());
    const RECT client = Client();
    const ui::MemoryDc buffer(target.Get());
    const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(
        target.Get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    {
        const ui::Selected selected(buffer.Get(), bitmap.get());
        Paint(buffer.Get());
        BitBlt(target.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
    }
}

void VerticalPage::Paint(HDC dc) {
    Layout(); // first: it may bring or take the scroll bar, and clamps the scroll
    PaintArea(dc, Client(), scrolled_, true);
}

SIZE VerticalPage::WholeSize() {
    const VerticalLayout& layout = Layout();
    const RECT client = Client();
    return {std::max<LONG>(client.right, geometry_.ContentWidth(layout.Columns.size())),
            client.bottom};
}

void VerticalPage::PaintWhole(HDC dc, int width) {
    Layout();
    PaintArea(dc, RECT{0, 0, width, Client().bottom}, 0, false);
}

// Paints the columns that fall within `client`, a page as wide as `client` scrolled by
// `scrolled` pixels.
void VerticalPage::PaintArea(HDC dc, RECT client, int scrolled, bool withSelection) {
    const VerticalLayout& layout = Layout();
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    if (layout.Columns.empty()) {
        return;
    }
    const CHARRANGE selected = withSelection ? PageSelection(box_) : CHARRANGE{};
    std::array<RunInk, 4> inks;
    for (size_t run = 0; run < inks.size(); ++run) {
        inks[run] = {looks_[run].SystemColour ? GetSysColor(COLOR_WINDOWTEXT) : looks_[run].Colour,
                     looks_[run].Bold};
    }
    const CellPainter painter(dc, fonts_, geometry_.Cell, inks, marks_.SystemHighlight);
    const long last = std::min<long>(geometry_.ColumnAt(0, client.right, scrolled),
                                     static_cast<long>(layout.Columns.size()) - 1);
    for (long column = std::max(0L, geometry_.ColumnAt(client.right - 1, client.right, scrolled));
         column <= last; ++column) {
        const VerticalColumn& cells = layout.Columns[static_cast<size_t>(column)];
        const int left = geometry_.ColumnLeft(static_cast<size_t>(column), client.right, scrolled);
        for (uint32_t i = cells.FirstCell; i < cells.FirstCell + cells.CellCount; ++i) {
            const VerticalCell& cell = layout.Cells[i];
            const bool inSelection = static_cast<LONG>(cell.Position) >= selected.cpMin &&
                                     static_cast<LONG>(cell.Position) < selected.cpMax;
            painter.Draw(layout, cell, left, geometry_.CellTop(cell.Along), inSelection,
                         MarkAt(marks_.Spans, cell.Position));
        }
    }
}

uint32_t VerticalPage::PositionAtPoint(POINT point) {
    const VerticalLayout& layout = Layout();
    const long column = std::max(0L, geometry_.ColumnAt(point.x, Client().right, scrolled_));
    const double along = (point.y - geometry_.Margin) * 2.0 / geometry_.Cell;
    return PositionAt(layout, static_cast<size_t>(column), along);
}
