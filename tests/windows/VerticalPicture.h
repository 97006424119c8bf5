#pragma once

#include "Painted.h"
#include "ReaderFixture.h"

#include "ReaderLayout.h"
#include "VerticalPage.h"

#include <array>
#include <cmath>

// The colours of the page's runs: title, author, verses and notes.
inline constexpr COLORREF TitleInk = RGB(88, 84, 255);
inline constexpr COLORREF AuthorInk = RGB(255, 85, 90);
inline constexpr COLORREF VerseInk = RGB(140, 134, 140);
inline constexpr COLORREF NotesInk = RGB(0, 174, 0);

// The vertical page as it paints itself, read by the colours of the page.
class Picture : public Painted {
public:
    explicit Picture(HWND window) : Painted(window, PRF_CLIENT) {}

    // The box around the pixels inside `area` drawn in `ink`: those unlike the background
    // whose difference from it points the way `ink`'s does, more than any other colour's of
    // the page. Edges smoothed into the background count too.
    RECT InkOf(COLORREF ink, RECT area) const {
        return Bounds(area, [ink](COLORREF pixel) { return InkAt(pixel) == ink; });
    }

private:
    static std::array<double, 3> FromBackground(COLORREF colour) {
        const COLORREF background = GetSysColor(COLOR_WINDOW);
        return {double(GetRValue(colour)) - GetRValue(background),
                double(GetGValue(colour)) - GetGValue(background),
                double(GetBValue(colour)) - GetBValue(background)};
    }
    static double Length(const std::array<double, 3>& v) {
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    }
    // The page's colour the pixel was drawn in, or the background.
    static COLORREF InkAt(COLORREF pixel) {
        const std::array<double, 3> seen = FromBackground(pixel);
        if (Length(seen) < 30) {
            return GetSysColor(COLOR_WINDOW);
        }
        COLORREF best = GetSysColor(COLOR_WINDOW);
        double bestCosine = 0;
        for (const COLORREF ink :
             {TitleInk, AuthorInk, VerseInk, NotesInk, GetSysColor(COLOR_HIGHLIGHT)}) {
            const std::array<double, 3> way = FromBackground(ink);
            const double cosine = (seen[0] * way[0] + seen[1] * way[1] + seen[2] * way[2]) /
                                  (Length(seen) * Length(way));
            if (cosine > bestCosine) {
                best = ink;
                bestCosine = cosine;
            }
        }
        return best;
    }
};

inline bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// Starts nothing: each test starts the reader on its own anthology.
class VerticalView : public ReaderFixture {
protected:
    HWND Box() const { return ReaderControl(RichText1); }
    HWND Page() const {
        return FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr);
    }
    VerticalPage& View() const { return *VerticalPage::FromWindow(Page()); }
    bool IsVertical() const {
        return Page() != nullptr && IsWindowVisible(Page()) && !IsWindowVisible(Box());
    }
    void TurnWithF8() {
        SetFocus(IsVertical() ? Page() : Box());
        PressKey(VK_F8);
    }
    RECT Cell(uint32_t position) const { return View().CellRect(position).value_or(RECT{}); }
    SCROLLINFO Bar() const {
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(Page(), SB_HORZ, &bar));
        return bar;
    }
    RECT InkOnView(COLORREF ink) const {
        const Picture picture(Page());
        return picture.InkOf(ink, picture.Client());
    }
};
