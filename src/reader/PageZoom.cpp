#include "PageZoom.h"

void PageZoom::ZoomBy(int steps) {
    percent_ = ::ZoomBy(percent_, steps);
    Apply();
}

void PageZoom::Reset() {
    percent_ = NormalZoom;
    Apply();
}

void PageZoom::Apply() const {
    box_.ZoomTo(percent_);
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
