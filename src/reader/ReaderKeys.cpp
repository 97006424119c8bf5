#include "ReaderKeys.h"

#include <iterator>

namespace {

struct KeyBinding {
    UINT Key;
    bool Ctrl;
    bool Alt;
    bool AnyShift; // Ctrl++ is Ctrl+Shift+= on most keyboards
    ReaderCommand Command;
};

// Keys the page box, the poem list and the dialog keys leave unused: the page and the list's
// edit field move the caret on Ctrl+Home and Ctrl+End, so the first and last poem take
// Alt+Home and Alt+End.
constexpr KeyBinding Bindings[] = {
    {VK_PRIOR, true, false, false, ReaderCommand::PreviousPoem},
    {VK_NEXT, true, false, false, ReaderCommand::NextPoem},
    {VK_HOME, false, true, false, ReaderCommand::FirstPoem},
    {VK_END, false, true, false, ReaderCommand::LastPoem},
    {'R', true, false, false, ReaderCommand::RandomPoem},
    {VK_OEM_PLUS, true, false, true, ReaderCommand::ZoomIn},
    {VK_ADD, true, false, true, ReaderCommand::ZoomIn},
    {VK_OEM_MINUS, true, false, false, ReaderCommand::ZoomOut},
    {VK_SUBTRACT, true, false, false, ReaderCommand::ZoomOut},
    {'0', true, false, false, ReaderCommand::ZoomReset},
    {VK_NUMPAD0, true, false, false, ReaderCommand::ZoomReset},
    {'F', true, false, false, ReaderCommand::Search},
    {'P', true, false, false, ReaderCommand::Print},
    {VK_F1, false, false, false, ReaderCommand::About},
};

constexpr ReaderMenuEntry Menu[] = {
    {},
    {ReaderCommand::PreviousPoem, L"上一首(&U)\tCtrl+PgUp"},
    {ReaderCommand::NextPoem, L"下一首(&N)\tCtrl+PgDn"},
    {ReaderCommand::FirstPoem, L"第一首(&F)\tAlt+Home"},
    {ReaderCommand::LastPoem, L"第末首(&L)\tAlt+End"},
    {ReaderCommand::RandomPoem, L"随机一首(&R)\tCtrl+R"},
    {},
    {ReaderCommand::ZoomIn, L"放大(&I)\tCtrl+="},
    {ReaderCommand::ZoomOut, L"缩小(&O)\tCtrl+-"},
    {ReaderCommand::ZoomReset, L"原始大小(&Z)\tCtrl+0"},
    {},
    {ReaderCommand::Search, L"查询(&S)…\tCtrl+F"},
    {ReaderCommand::Print, L"打印(&P)…\tCtrl+P"},
    {ReaderCommand::About, L"关于(&B)\tF1"},
};

} // namespace

Modifiers HeldModifiers() {
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
}

std::optional<ReaderCommand> CommandForKey(UINT key, Modifiers held) {
    for (const KeyBinding& binding : Bindings) {
        if (binding.Key == key && binding.Ctrl == held.Ctrl && binding.Alt == held.Alt &&
            (binding.AnyShift || !held.Shift)) {
            return binding.Command;
        }
    }
    return std::nullopt;
}

const ReaderMenuEntry* ReaderMenuBegin() {
    return std::begin(Menu);
}

const ReaderMenuEntry* ReaderMenuEnd() {
    return std::end(Menu);
}
