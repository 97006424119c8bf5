#pragma once

#include "PageBox.h"
#include "TextZoom.h"

#include <functional>

// The text size of the reader's page: Ctrl + mouse wheel over the page and the zoom commands
// change it in the same steps and limits, and it stays while the page shows other poems.
// Another view of the page reads Percent() to draw at the same size.
class PageZoom {
public:
    explicit PageZoom(PageBox& box) : box_(box) {}

    int Percent() const { return percent_; }
    void ZoomBy(int steps);
    void Reset();
    // A turn of the wheel with Ctrl held: a step for each whole notch.
    void Wheel(int delta);
    // `changed` runs with the new percentage whenever a command or the wheel changes the size.
    void WhenChanged(std::function<void(int percent)> changed) { changed_ = std::move(changed); }

private:
    void Apply() const;

    PageBox& box_;
    int percent_ = NormalZoom;
    WheelNotches wheel_;
    std::function<void(int percent)> changed_;
};
