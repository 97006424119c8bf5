#include "VerticalPage.h"

#include "DeviceContext.h"
#include "Form.h"
#include "MemoryShortage.h"
#include "PageSelection.h"

#include <algorithm>
#include <commctrl.h>
#include <richedit.h>

VerticalPage::VerticalPage(const PageBox& box, const ui::Form& form)
    : PageView(box, form, ClassName, true) {}

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
    return static_cast<VerticalPage*>(
        reinterpret_cast<PageView*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
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

void VerticalPage::Forget() {
    layout_.reset();
    Repaint();
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

int VerticalPage::ContentLength() const {
    return geometry_.ContentWidth(layout_ ? layout_->Columns.size() : 0);
}

int VerticalPage::KeyPageStep() const {
    return std::max(1, geometry_.ColumnsIn(Client().right) - 1) * geometry_.Pitch;
}

void VerticalPage::PaintView(HDC dc) {
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
