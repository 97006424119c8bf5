#include "Tooltips.h"

#include "Window.h"

#include <commctrl.h>
#include <map>

namespace ui {

namespace {

// The tooltip window of each form that has one.
std::map<HWND, HWND>& Registered() {
    static std::map<HWND, HWND> tooltips;
    return tooltips;
}

void AddTool(HWND tooltip, HWND form, const PlacedControl& placed) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(placed.Window);
    tool.lpszText = const_cast<wchar_t*>(placed.Description->Tooltip);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

void FormTooltips::Create(HWND form, const FormControls& controls) {
    Forget();
    HWND tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, ProgramInstance(), nullptr);
    if (tooltip == nullptr) {
        return;
    }
    for (const PlacedControl& placed : controls.All()) {
        if (placed.Description->Tooltip != nullptr && placed.Window != nullptr) {
            AddTool(tooltip, form, placed);
        }
    }
    form_ = form;
    Registered()[form_] = tooltip;
}

void FormTooltips::Forget() {
    if (form_ != nullptr) {
        Registered().erase(form_);
        form_ = nullptr;
    }
}

void RelayMouseToTooltip(const MSG& message) {
    const auto tooltip = Registered().find(GetAncestor(message.hwnd, GA_ROOT));
    if (tooltip != Registered().end()) {
        SendMessageW(tooltip->second, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    }
}

} // namespace ui
