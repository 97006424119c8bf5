#include "Painted.h"

#include "DeviceContext.h"

#include <algorithm>
#include <richedit.h>

Painted::Painted(HWND window, LPARAM flags)
    : Painted(window, [&](HDC dc) {
          const auto into = reinterpret_cast<WPARAM>(dc);
          if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
              SendMessageW(window, WM_ERASEBKGND, into, 0);
          } else {
              SendMessageW(window, WM_PRINTCLIENT, into, flags);
          }
      }) {}

Painted Painted::AsShown(HWND window) {
    UpdateWindow(window);
    return Painted(window, [&](HDC dc) {
        RECT client{};
        GetClientRect(window, &client);
        const ui::WindowDc screen(window);
        BitBlt(dc, 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
    });
}

Painted::Painted(HWND window, const std::function<void(HDC)>& draw) {
    GetClientRect(window, &client_);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = client_.right;
    format.bmiHeader.biHeight = -client_.bottom; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    const ui::MemoryDc memory(nullptr);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(memory.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const uint32_t*>(bits);
    const ui::Selected drawnInto(memory.Get(), bitmap_.get());
    draw(memory.Get());
    GdiFlush(); // before the bits are read
}

COLORREF Painted::At(LONG x, LONG y) const {
    const uint32_t pixel = bits_[static_cast<size_t>(y) * client_.right + x]; // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::set<COLORREF> Painted::Colours() const {
    std::set<COLORREF> colours;
    for (LONG y = 0; y < client_.bottom; ++y) {
        for (LONG x = 0; x < client_.right; ++x) {
            colours.insert(At(x, y));
        }
    }
    return colours;
}

RECT Painted::Bounds(RECT area, const std::function<bool(COLORREF)>& match) const {
    RECT found{area.right, area.bottom, area.left, area.top};
    for (LONG y = std::max(area.top, 0L); y < std::min(area.bottom, client_.bottom); ++y) {
        for (LONG x = std::max(area.left, 0L); x < std::min(area.right, client_.right); ++x) {
            if (match(At(x, y))) {
                found = {std::min(found.left, x), std::min(found.top, y),
                         std::max(found.right, x + 1), std::max(found.bottom, y + 1)};
            }
        }
    }
    return found;
}

ColourAnswer AnswerColourMessage(HWND form, UINT message, HWND control) {
    const ui::MemoryDc memory(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        form, message, reinterpret_cast<WPARAM>(memory.Get()), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH colour{};
    GetObjectW(brush, sizeof colour, &colour);
    return {colour.lbColor, GetBkColor(memory.Get())};
}

std::vector<long> CharactersOn(HWND box, std::initializer_list<long> positions,
                               COLORREF background) {
    const Painted painted(box);
    std::vector<long> found;
    for (const long position : positions) {
        POINTL at{}, next{};
        SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
        SendMessageW(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&next), position + 1);
        const RECT cell{at.x, at.y, next.y == at.y ? next.x : at.x + 8, at.y + 8};
        if (painted.Bounds(cell, [&](COLORREF c) { return c == background; }).right > cell.left) {
            found.push_back(position);
        }
    }
    return found;
}
