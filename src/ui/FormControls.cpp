#include "FormControls.h"

#include "ButtonPictures.h"
#include "Controls.h"
#include "Fonts.h"
#include "FormInput.h"
#include "GroupBoxPainter.h"
#include "LabelPainter.h"
#include "Window.h"

#include <algorithm>
#include <commctrl.h>

namespace ui {

namespace {

constexpr int ComboListHeight = 200; // pixels of the dropped list below the edit field

std::vector<const ControlLayout*> InTabOrder(const FormLayout& layout) {
    std::vector<const ControlLayout*> descriptions;
    for (size_t i = 0; i < layout.ControlCount; ++i) {
        descriptions.push_back(&layout.Controls[i]);
    }
    std::stable_sort(descriptions.begin(), descriptions.end(),
                     [](const ControlLayout* a, const ControlLayout* b) {
                         const int left = a->TabIndex < 0 ? 1 << 30 : a->TabIndex;
                         const int right = b->TabIndex < 0 ? 1 << 30 : b->TabIndex;
                         return left < right;
                     });
    return descriptions;
}

struct ClassAndStyle {
    const wchar_t* ClassName;
    DWORD Style;
    DWORD ExStyle;
};

ClassAndStyle WindowClassFor(const ControlLayout& description) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (description.Kind) {
    case ControlKind::Label:
        return {L"STATIC", child | SS_OWNERDRAW | SS_NOPREFIX, 0};
    case ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", child | WS_CLIPSIBLINGS | BS_GROUPBOX, 0};
    case ControlKind::ComboDropDown:
        return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    case ControlKind::TextBox:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Custom:
        return {description.ClassName, child | WS_TABSTOP, 0};
    case ControlKind::Rectangle:
        break;
    }
    return {L"STATIC", child, 0};
}

HWND CreateControl(HWND form, const ControlLayout& description, HBRUSH background) {
    const ClassAndStyle kind = WindowClassFor(description);
    const wchar_t* text = description.Caption;
    if (description.Kind == ControlKind::Button && description.PictureId != 0 &&
        description.Tooltip) {
        text = description.Tooltip; // a picture button's accessible name is its tooltip
    }
    HWND window = CreateWindowExW(kind.ExStyle | description.ExtraExStyle, kind.ClassName, text,
                                  kind.Style | description.ExtraStyle, 0, 0, 0, 0, form,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(description.Id)),
                                  ProgramInstance(), nullptr);
    switch (description.Kind) {
    case ControlKind::ComboDropDown:
    case ControlKind::Custom:
        SetWindowTextW(window, description.Caption);
        break;
    case ControlKind::GroupBox:
        SetWindowSubclass(window, PaintGroupBox, 0, reinterpret_cast<DWORD_PTR>(background));
        KeepMousePresses(window);
        break;
    case ControlKind::Label:
        KeepMousePresses(window);
        break;
    case ControlKind::Button:
        ActLikeAPushButton(window);
        break;
    case ControlKind::TextBox:
        SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
        break;
    default:
        break;
    }
    return window;
}

bool HasCaption(HWND window, const wchar_t* caption) {
    return WindowText(window) == reinterpret_cast<const char16_t*>(caption);
}

void ResizeComboField(HWND combo, int height) {
    // The closed combo box takes its height from its edit field; set that so that the whole
    // box is as tall as the layout says. Systems disagree on how the field height they are
    // given relates to the one they report, so adjust by what is still missing.
    auto field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
        RECT outer{};
        GetWindowRect(combo, &outer);
        const auto missing = height - (outer.bottom - outer.top);
        if (missing == 0) {
            return;
        }
        field += missing;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

} // namespace

void FormControls::Create(HWND form, const FormLayout& layout, HBRUSH background) {
    for (const ControlLayout* description : InTabOrder(layout)) {
        PlacedControl placed;
        placed.Description = description;
        if (description->Kind != ControlKind::Rectangle) {
            placed.Window = CreateControl(form, *description, background);
        }
        if (description->Back.IsSet()) {
            placed.Back.reset(CreateSolidBrush(description->Back.Resolve()));
        }
        controls_.push_back(std::move(placed));
    }
    // A group box paints its frame over whatever lies below it, so it goes to the bottom.
    for (const PlacedControl& placed : controls_) {
        if (placed.Description->Kind == ControlKind::GroupBox) {
            SetWindowPos(placed.Window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void FormControls::ApplyLayout(HWND form, const FormLayout& layout, int dpi) {
    defaultFont_ = CreateFontAt(layout.Window.DefaultFont, dpi);
    for (PlacedControl& placed : controls_) {
        const ControlLayout& description = *placed.Description;
        if (description.PictureId != 0) {
            placed.Picture = PictureAt(description.PictureId, dpi);
        }
        if (placed.Window == nullptr) {
            continue;
        }
        placed.Font =
            description.Font.Face != nullptr ? CreateFontAt(description.Font, dpi) : UniqueFont();
        SendMessageW(placed.Window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(placed)), TRUE);
        const RECT rect = ControlRect(layout, description, dpi);
        const int height = rect.bottom - rect.top;
        const bool combo = description.Kind == ControlKind::ComboDropDown;
        SetWindowPos(placed.Window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     combo ? height + TwipsToPixels(ComboListHeight * 15, dpi) : height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (combo) {
            ResizeComboField(placed.Window, height);
        }
        if (description.Kind == ControlKind::Label && GetWindowTextLengthW(placed.Window) > 0 &&
            !HasCaption(placed.Window, description.Caption)) {
            FitLabel(form, placed); // a caption set at run time keeps its fitted size
        }
    }
}

void FormControls::FitLabel(HWND form, const PlacedControl& placed) const {
    const SIZE size = MeasureLabel(placed.Window, FontOf(placed));
    RECT bounds{};
    GetWindowRect(placed.Window, &bounds);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&bounds), 2);
    // Grows and shrinks to the right; the old area is repainted with the window background.
    InvalidateRect(form, &bounds, TRUE);
    SetWindowPos(placed.Window, nullptr, 0, 0, size.cx, std::max<LONG>(size.cy, 1),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const PlacedControl* FormControls::Find(HWND window) const {
    for (const PlacedControl& placed : controls_) {
        if (placed.Window == window && window != nullptr) {
            return &placed;
        }
    }
    return nullptr;
}

const PlacedControl* FormControls::FindId(int id) const {
    for (const PlacedControl& placed : controls_) {
        if (placed.Description->Id == id) {
            return &placed;
        }
    }
    return nullptr;
}

HFONT FormControls::FontOf(const PlacedControl& placed) const {
    return placed.Font ? placed.Font.get() : defaultFont_.get();
}

RECT ControlRect(const FormLayout& layout, const ControlLayout& description, int dpi) {
    int left = TwipsToPixels(description.Left, dpi);
    int top = TwipsToPixels(description.Top, dpi);
    // Controls inside a group box are placed relative to the box's outer corner.
    for (int container = description.Container; container != 0;) {
        const ControlLayout* outer = nullptr;
        for (size_t i = 0; i < layout.ControlCount; ++i) {
            if (layout.Controls[i].Id == container) {
                outer = &layout.Controls[i];
            }
        }
        if (outer == nullptr) {
            break;
        }
        left += TwipsToPixels(outer->Left, dpi);
        top += TwipsToPixels(outer->Top, dpi);
        container = outer->Container;
    }
    return {left, top, left + TwipsToPixels(description.Width, dpi),
            top + TwipsToPixels(description.Height, dpi)};
}

} // namespace ui
