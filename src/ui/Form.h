#pragma once

#include "Layout.h"
#include "UniqueHandle.h"
#include "Window.h"

#include <string>
#include <vector>

namespace ui {

// A window built from its layout table: creates the controls in Tab order, draws labels,
// buttons and rectangles, shows tooltips, rescales on DPI changes, drags by its background,
// and lets its unload handler refuse a close.
class Form : public Window {
public:
    explicit Form(const FormLayout& layout);
    ~Form() override;

    // Creates the window and its controls, hidden and centred on the screen.
    void Load(HWND owner = nullptr);
    bool IsLoaded() const { return Handle() != nullptr; }

    // Shows the window modeless and brings it to the front.
    void Show();
    void Hide();

    // Asks the unload handler; the window is destroyed unless the handler cancels.
    void Unload();

    HWND Control(int id) const;
    int Dpi() const { return dpi_; }
    const FormLayout& Layout() const { return layout_; }

    // Sets a label's caption and fits the label to it, growing to the right.
    void SetLabelCaption(int id, const std::u16string& caption);

protected:
    virtual void OnCommand(int id, int notification) = 0;
    virtual void Form_Unload(bool& cancel) = 0;
    virtual void Form_MouseDown(int button);
    virtual void OnDestroyed() {}
    // The control that gets the focus when the window is first shown.
    virtual int FirstFocus() const = 0;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Placed {
        const ControlSpec* Description = nullptr;
        HWND Window = nullptr; // a child: destroyed with the form
        UniqueFont Font;
        UniqueBrush Back;
        UniqueBitmap Picture;
    };

    void CreateControls();
    void CreateTooltips();
    void ApplyLayout();
    RECT ControlRect(const ControlSpec& description) const;
    RECT WindowBounds() const;
    const Placed* Find(HWND window) const;
    HFONT FontOf(const Placed& placed) const;
    LRESULT ColourControl(HDC dc, HWND window, UINT message);
    void Paint();
    void ResizeComboField(const Placed& placed, int height) const;
    void FitLabel(const Placed& placed) const;

    const FormLayout& layout_;
    int dpi_ = 96;
    bool shownOnce_ = false;
    HWND lastFocus_ = nullptr;
    std::vector<Placed> controls_;
    UniqueFont defaultFont_;
    UniqueBrush background_;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    HWND tooltip_ = nullptr; // owned by the form's window, destroyed with it
};

// Starts moving `window` with the mouse, as a press on its caption bar would.
void BeginWindowDrag(HWND window);

// The mouse-button mask of a mouse message: 1 left, 2 right, 4 middle.
int ButtonMask(WPARAM wParam);

} // namespace ui
