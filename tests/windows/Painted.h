#pragma once

#include "UniqueHandle.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <set>
#include <vector>
#include <windows.h>

// A window's client area as it paints it, pixel by pixel. It paints into memory of 32 bits a
// pixel, so every colour is exact whatever the screen's depth, and parts of the window outside
// the screen are seen too.
class Painted {
public:
    // A form paints its background on WM_ERASEBKGND; a control, on WM_PRINTCLIENT with `flags`.
    explicit Painted(HWND window, LPARAM flags = PRF_CLIENT | PRF_ERASEBKGND);
    // The window's client area as the screen shows it once it has painted, margins and all,
    // where a rich edit prints only its text's rectangle on WM_PRINTCLIENT.
    static Painted AsShown(HWND window);

    RECT Client() const { return client_; }
    COLORREF At(LONG x, LONG y) const; // within Client()
    std::set<COLORREF> Colours() const;
    // The smallest rectangle within `area` and the client area holding every pixel whose colour
    // `match` accepts; empty (right <= left) when there is none.
    RECT Bounds(RECT area, const std::function<bool(COLORREF)>& match) const;

private:
    Painted(HWND window, const std::function<void(HDC)>& draw);

    RECT client_{};
    ui::UniqueBitmap bitmap_;
    const uint32_t* bits_ = nullptr;
};

// Of the characters of the rich-edit `box` at `positions`, those it paints on `background`.
std::vector<long> CharactersOn(HWND box, std::initializer_list<long> positions,
                               COLORREF background);

// What `form` answers a colour message such as WM_CTLCOLOREDIT about `control` with: the colour
// of the brush it returns and the background colour it sets for the text.
struct ColourAnswer {
    COLORREF Brush;
    COLORREF Background;
};
ColourAnswer AnswerColourMessage(HWND form, UINT message, HWND control);
