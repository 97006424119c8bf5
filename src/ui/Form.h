#pragma once

#include "FormControls.h"
#include "FormInput.h"
#include "FormPainting.h"
#include "Layout.h"
#include "Tooltips.h"
#include "Window.h"
#include "WindowIcons.h"

#include <string>

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
    RECT WindowBounds() const;
    void ApplyDpi(int dpi);
    void MoveToDpi(int dpi, const RECT& suggested);

    const FormLayout& layout_;
    int dpi_ = 96;
    bool shownOnce_ = false;
    FormControls controls_;
    FormPainting painting_;
    FocusKeeper focus_;
    WindowIcons icons_;
    FormTooltips tooltips_;
};

} // namespace ui
