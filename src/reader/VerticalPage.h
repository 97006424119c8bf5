#pragma once

#include "PageView.h"
#include "VerticalLayout.h"
#include "VerticalPainter.h"

#include <optional>
#include <windows.h>

// The page set vertically, in columns that run top to bottom and follow each other from right
// to left. The runs' sizes are not followed: the columns keep one cell size.
class VerticalPage final : public PageView {
public:
    static constexpr const wchar_t* ClassName = L"TangVerticalPage";

    VerticalPage(const PageBox& box, const ui::Form& form);

    // Scrolls the column holding `position` into view, as little as it takes.
    void BringIntoView(uint32_t position) override;

    SIZE WholeSize() override;
    // Paints the page from its first column on into `dc`, `width` pixels wide and as high as
    // the window, the first column at the right; without the selection, as in a picture.
    void PaintWhole(HDC dc, int width) override;

    std::optional<RECT> CellRect(uint32_t position) override;
    static VerticalPage* FromWindow(HWND window);

private:
    void Forget() override;
    void LayOut() override { Layout(); }
    void PaintView(HDC dc) override;
    uint32_t PositionAtPoint(POINT point) override;
    int ContentLength() const override;
    int LineStep() const override { return geometry_.Pitch; }
    int KeyPageStep() const override;

    // Lays the page out when something changed since the last time.
    const VerticalLayout& Layout();
    void PaintArea(HDC dc, RECT client, int scrolled, bool withSelection);

    std::optional<VerticalLayout> layout_;
    ColumnGeometry geometry_;
    VerticalFonts fonts_;
};
