#include "PageZoom.h"

#include <commctrl.h>
#include <richedit.h>

namespace {

constexpr UINT_PTR ZoomSubclass = 3;

} // namespace

PageZoom::PageZoom(HWND page) : page_(page) {
    SetWindowSubclass(page_, OnPageMessage, ZoomSubclass, reinterpret_cast<DWORD_PTR>(this));
}

PageZoom::~PageZoom() {
    if (IsWindow(page_)) {
        RemoveWindowSubclass(page_, OnPageMessage, ZoomSubclass);
    }
}

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
    SendMessageW(page_, EM_SETZOOM, static_cast<WPARAM>(percent_), 100);
    if (changed_) {
        changed_(percent_);
    }
}

LRESULT CALLBACK PageZoom::OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
    if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0) {
        auto* zoom = reinterpret_cast<PageZoom*>(self);
        const int notches = zoom->wheel_.Add(GET_WHEEL_DELTA_WPARAM(wParam));
        if (notches != 0) {
            zoom->ZoomBy(notches);
        }
        return 0;
    }
    return DefSubclassProc(page, message, wParam, lParam);
}
