#include "Tooltips.h"

#include "DialogKeys.h"
#include "Window.h"

#include <commctrl.h>

namespace ui {

HWND CreateTooltips(HWND form, const FormControls& controls) {
    HWND tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, ProgramInstance(), nullptr);
    for (const PlacedControl& placed : controls.All()) {
        if (placed.Description->Tooltip == nullptr || placed.Window == nullptr) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(placed.Window);
        tool.lpszText = const_cast<wchar_t*>(placed.Description->Tooltip);
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    RelayMouseToTooltip(form, tooltip);
    return tooltip;
}

} // namespace ui
