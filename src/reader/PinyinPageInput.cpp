// How the 拼音 view paints, and answers the keyboard, the mouse, the scroll bar and the menu key.
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

LRESULT PinyinPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_PRINTCLIENT:
        Layout();
        Paint(reinterpret_cast<HDC>(wParam), Client(), scrolled_, true);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SIZE:
        Forget();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (HandleKey(wParam)) {
            return 0;
        }
        // Everything else is the box's: selecting, the page's commands.
        SendMessageW(box_, message, wParam, lParam);
        Repaint();
        return 0;
    case WM_CHAR:
        SendMessageW(box_, message, wParam, lParam);
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_VSCROLL:
        HandleScrollBar(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
            SendMessageW(box_, message, wParam, lParam); // sizes the page, as over the box
            return 0;
        }
        wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
        if (const int notches = wheel_ / WHEEL_DELTA; notches != 0) {
            wheel_ -= notches * WHEEL_DELTA;
            ScrollTo(scrolled_ - notches * WheelRows * LineStep());
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        HandleMouse(message, lParam);
        return 0;
    case WM_CONTEXTMENU:
        ShowMenu(lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

bool PinyinPage::HandleKey(WPARAM key) {
    if (CtrlIsDown()) {
        return false;
    }
    Layout();
    const int page = std::max(LineStep(), static_cast<int>(Client().bottom) - LineStep());
    switch (key) {
    case VK_DOWN:
        ScrollTo(scrolled_ + LineStep());
        return true;
    case VK_UP:
        ScrollTo(scrolled_ - LineStep());
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
        ScrollTo(scrolled_ + LineStep());
        break;
    case SB_LINEUP:
        ScrollTo(scrolled_ - LineStep());
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

// Pressing and dragging selects in the box, from where the button went down.
void PinyinPage::HandleMouse(UINT message, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(Handle());
        anchor_ = PositionAtPoint(point);
        SetCapture(Handle());
        SendMessageW(box_, EM_SETSEL, *anchor_, *anchor_);
        break;
    case WM_MOUSEMOVE:
        if (anchor_) {
            if (point.y < 0 || point.y >= Client().bottom) { // dragged beyond an edge
                ScrollTo(scrolled_ + (point.y < 0 ? -LineStep() : LineStep()));
            }
            SendMessageW(box_, EM_SETSEL, *anchor_, PositionAtPoint(point));
        }
        break;
    case WM_LBUTTONUP:
        if (anchor_) {
            ReleaseCapture(); // ends the drag through WM_CAPTURECHANGED
        }
        break;
    case WM_CAPTURECHANGED:
        anchor_.reset();
        break;
    default:
        break;
    }
    Repaint();
}

// The box's menu, at the pointer or, from the keyboard, at the start of the selection.
void PinyinPage::ShowMenu(LPARAM lParam) {
    if (lParam == -1) {
        const RECT client = Client();
        POINT at{client.right / 2, client.bottom / 2};
        const CHARRANGE selection = PageSelection(box_);
        if (const std::optional<RECT> cell = CellRect(static_cast<uint32_t>(selection.cpMin));
            cell && cell->top >= 0 && cell->bottom <= client.bottom) {
            at = {cell->left, cell->bottom};
        }
        ClientToScreen(Handle(), &at);
        lParam = MAKELPARAM(at.x, at.y);
    }
    SendMessageW(box_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box_), lParam);
    Repaint();
}

// Paints into a memory bitmap first, so that a scroll shows no flicker.
void PinyinPage::PaintWindow() {
    const ui::PaintDc target(Handle());
    Layout(); // first: it may bring or take the scroll bar
    const RECT client = Client();
    const ui::MemoryDc buffer(target.Get());
    const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(
        target.Get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    const ui::Selected selected(buffer.Get(), bitmap.get());
    Paint(buffer.Get(), client, scrolled_, true);
    BitBlt(target.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

// Paints the rows that fall within `client`, the page scrolled by `scrolled` pixels: each
// cell's background, as marked or selected, its reading centred above and its character below.
void PinyinPage::Paint(HDC dc, RECT client, int scrolled, bool withSelection) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const PinyinLayout& layout = *layout_;
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
