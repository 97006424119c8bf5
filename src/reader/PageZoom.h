#pragma once

#include "TextZoom.h"

#include <functional>
#include <windows.h>

// The text size of the reader's page box: Ctrl + mouse wheel over the page and the zoom
// commands change it in the same steps and limits, and it stays while the page shows other
// poems. Another view of the page reads Percent() to draw at the same size.
class PageZoom {
public:
    // Takes over Ctrl + mouse wheel on `page` from the control's own zoom.
    explicit PageZoom(HWND page);
    PageZoom(const PageZoom&) = delete;
    PageZoom& operator=(const PageZoom&) = delete;
    ~PageZoom();

    int Percent() const { return percent_; }
    void ZoomBy(int steps);
    void Reset();
    // Applies the size again after the page was rebuilt, for a control that forgot it.
    void Keep() const;
    // `changed` runs with the new percentage whenever a command or the wheel changes the size.
    void WhenChanged(std::function<void(int percent)> changed) { changed_ = std::move(changed); }

private:
    static LRESULT CALLBACK OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    void Apply() const;

    HWND page_;
    int percent_ = NormalZoom;
    WheelNotches wheel_;
    std::function<void(int percent)> changed_;
};
