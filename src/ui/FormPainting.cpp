#include "FormPainting.h"

#include "ButtonPainter.h"
#include "DeviceContext.h"
#include "LabelPainter.h"

namespace ui {

namespace {

COLORREF ForeOr(const ControlLayout& description, int systemColour) {
    return description.Fore.IsSet() ? description.Fore.Resolve() : GetSysColor(systemColour);
}

} // namespace

void FormPainting::CreateBrushes() {
    background_.reset(CreateSolidBrush(layout_.Window.Background.Resolve()));
}

void FormPainting::EraseBackground(HWND form, HDC dc) const {
    RECT client{};
    GetClientRect(form, &client);
    FillRect(dc, &client, background_.get());
}

void FormPainting::PaintOutlines(HWND form, int dpi) const {
    const PaintDc paint(form);
    const HDC dc = paint.Get();
    const UniqueHandle<HPEN, DeleteGdiObject> pen(
        CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
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

bool FormPainting::DrawItem(const DRAWITEMSTRUCT& item) const {
    const PlacedControl* placed = controls_.Find(item.hwndItem);
    if (placed == nullptr) {
        return false;
    }
    const ControlLayout& description = *placed->Description;
    if (description.Kind == ControlKind::Label) {
        PaintLabel(item, controls_.FontOf(*placed), ForeOr(description, COLOR_BTNTEXT),
                   background_.get());
        return true;
    }
    const COLORREF face =
        description.Back.IsSet() ? description.Back.Resolve() : GetSysColor(COLOR_BTNFACE);
    PaintButton(item, face, placed->Picture.get(), controls_.FontOf(*placed));
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
        SetBkColor(dc, layout_.Window.Background.Resolve());
        SetTextColor(dc, ForeOr(description, COLOR_BTNTEXT));
        return background_.get();
    }
    if (placed->Back) {
        SetBkColor(dc, description.Back.Resolve());
        SetTextColor(dc, ForeOr(description, COLOR_WINDOWTEXT));
        return placed->Back.get();
    }
    return nullptr;
}

} // namespace ui
