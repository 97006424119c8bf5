#include "PageZoom.h"

#include <richedit.h>

void PageZoom::ZoomBy(int steps) {
    percent_ = ::ZoomBy(percent_, steps);
    Apply();
}

void PageZoom::Reset() {
    percent_ = NormalZoom;
    Apply();
}

void PageZoom::Keep() const {
    int numerator = 0;
    int denominator = 0;
    SendMessageW(page_, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                 reinterpret_cast<LPARAM>(&denominator));
    const bool normal = numerator == 0 || denominator == 0 || numerator == denominator;
    const bool same = normal ? percent_ == NormalZoom
                             : numerator * 100LL == static_cast<long long>(percent_) * denominator;
    if (!same) {
        Apply();
    }
}

// As a ratio to 100 also for the normal size: one rich edit takes 0/0, "no zoom", without
// laying the text out again.
void PageZoom::Apply() const {
    // A box hidden behind the vertical page is not laid out again for nothing: Keep() gives it
    // the size when it is shown.
    if ((GetWindowLongW(page_, GWL_STYLE) & WS_VISIBLE) != 0) {
        SendMessageW(page_, EM_SETZOOM, static_cast<WPARAM>(percent_), 100);
    }
    if (changed_) {
        changed_(percent_);
    }
}

void PageZoom::Wheel(int delta) {
    const int notches = wheel_.Add(delta);
    if (notches != 0) {
        ZoomBy(notches);
    }
}
