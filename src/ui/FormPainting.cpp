#include "FormPainting.h"

#include "ButtonPainter.h"
#include "DeviceContext.h"
#include "LabelPainter.h"

namespace ui {

namespace {

// What a control's own background colour paints.
ColourUse BackUse(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
        return ColourUse::Background;
    case ControlKind::Button:
        return ColourUse::ButtonFace;
    default:
        return ColourUse::Field;
    }
}

} // namespace

void FormPainting::CreateBrushes() {
    scheme_.Refresh();
    background_.reset(CreateSolidBrush(layout_.Window.Background.Resolve()));
}

HBRUSH FormPainting::Background() const {
    if (!scheme_.HighContrast()) {
        return background_.get();
    }
    return scheme_.Brush(scheme_.Resolve(layout_.Window.Background, ColourUse::Background, 0));
}

void FormPainting::EraseBackground(HWND form, HDC dc) const {
    RECT client{};
    GetClientRect(form, &client);
    FillRect(dc, &client, Background());
}

void FormPainting::PaintOutlines(HWND form, int dpi) const {
    const PaintDc paint(form);
    const HDC dc = paint.Get();
    const UniqueHandle<HPEN, DeleteGdiObject> pen(
        CreatePen(PS_SOLID, 1, scheme_.Resolve({}, ColourUse::Outline, COLOR_WINDOWTEXT)));
    const Selected outline(dc, pen.get());
    const Selected hollow(dc, GetStockObject(NULL_BRUSH));
    for (size_t i = 0; i < layout_.ControlCount; ++i) {
        const ControlLayout& description = layout_.Controls[i];
        if (description.Kind == ControlKind::Rectangle) {
            const RECT rect = ControlRect(layout_, description, dpi);
            Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
}

bool FormPainting::DrawItem(const DRAWITEMSTRUCT& item, int dpi) const {
    const PlacedControl* placed = controls_.Find(item.hwndItem);
    if (placed == nullptr) {
        return false;
    }
    const ControlLayout& description = *placed->Description;
    if (description.Kind == ControlKind::Label) {
        PaintLabel(item, controls_.FontOf(*placed),
                   scheme_.Resolve(description.Fore, ColourUse::Text, COLOR_BTNTEXT), Background());
        return true;
    }
    const COLORREF face = scheme_.Resolve(description.Back, ColourUse::ButtonFace, COLOR_BTNFACE);
    PaintButton(item, face, placed->Picture.get(), controls_.FontOf(*placed), dpi);
    return true;
}

const PlacedControl* FormPainting::Coloured(HWND control) const {
    if (const PlacedControl* placed = controls_.Find(control)) {
        return placed;
    }
    if (const PlacedControl* placed = controls_.Find(GetParent(control))) {
        return placed; // the edit field inside a combo box
    }
    // The list a combo box drops down is a window of its own, not a child of the combo box.
    for (const PlacedControl& placed : controls_.All()) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (placed.Description->Kind == ControlKind::ComboDropDown &&
            GetComboBoxInfo(placed.Window, &info) && info.hwndList == control) {
            return &placed;
        }
    }
    return nullptr;
}

HBRUSH FormPainting::ColourControl(HDC dc, HWND control) const {
    const PlacedControl* placed = Coloured(control);
    if (placed == nullptr) {
        return nullptr;
    }
    const ControlLayout& description = *placed->Description;
    if (description.Kind == ControlKind::Label || description.Kind == ControlKind::GroupBox) {
        // Transparent: the window's own background shows around the letters.
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, scheme_.Resolve(layout_.Window.Background, ColourUse::Background, 0));
        SetTextColor(dc, scheme_.Resolve(description.Fore, ColourUse::Text, COLOR_BTNTEXT));
        return Background();
    }
    if (placed->Back) {
        const ColourUse use = BackUse(description.Kind);
        const COLORREF back = scheme_.Resolve(description.Back, use, COLOR_WINDOW);
        SetBkColor(dc, back);
        SetTextColor(
            dc, scheme_.Resolve(description.Fore,
                                use == ColourUse::Field ? ColourUse::FieldText : ColourUse::Text,
                                COLOR_WINDOWTEXT));
        return scheme_.HighContrast() ? scheme_.Brush(back) : placed->Back.get();
    }
    return nullptr;
}

} // namespace ui
