#include "ReaderLayout.h"

#include "PageBox.h"
#include "ProgramTexts.h"
#include "ReaderCommands.h"
#include "resource.h"

#include <iterator>

#include <richedit.h>

namespace {

using ui::ControlKind;
using ui::RgbColour;
using ui::SystemColour;

constexpr ui::Colour Grey = RgbColour(173, 173, 173);
constexpr ui::FontLayout Kai42{L"楷体_GB2312", 42, FW_BOLD, GB2312_CHARSET};
constexpr ui::FontLayout Kai18{L"楷体_GB2312", 18, FW_BOLD, GB2312_CHARSET};
constexpr ui::FontLayout Song975{L"宋体", 9.75, FW_NORMAL, GB2312_CHARSET};
constexpr ui::FontLayout Song105{L"宋体", 10.5, FW_NORMAL, GB2312_CHARSET};

constexpr wchar_t Proverb[] = L"熟 不\r\n读 会\r\n青 作\r\n简 诗\r\n雅 也\r\n韵 会\r\n集 吟";

// A button's tooltip is its command's name, which screen readers speak too.
ui::ControlLayout Picture(ReaderId id, int left, int top, int width, int height, int tabIndex,
                          int picture) {
    ui::ControlLayout description{id, ControlKind::Button, 0, left, top, width, height};
    description.Back = SystemColour(COLOR_APPWORKSPACE);
    description.Tooltip = ButtonName(id);
    description.TabIndex = tabIndex;
    description.PictureId = picture;
    return description;
}

ui::ControlLayout MoveButton(ReaderId id, int left, const wchar_t* caption, int tabIndex) {
    ui::ControlLayout description{id, ControlKind::Button, 0, left, 5520, 735, 495, caption};
    description.Back = Grey;
    description.Tooltip = ButtonName(id);
    description.TabIndex = tabIndex;
    return description;
}

ui::ControlLayout Label(int id, int left, int top, int width, int height, const wchar_t* caption,
                        ui::FontLayout font, ui::Colour fore, int tabIndex) {
    ui::ControlLayout description{
        id, ControlKind::Label, 0, left, top, width, height, caption, font, fore};
    description.TabIndex = tabIndex;
    return description;
}

ui::ControlLayout Outline(int id, int left, int top, int width, int height) {
    return ui::ControlLayout{id, ControlKind::Rectangle, 0, left, top, width, height};
}

ui::ControlLayout PageBoxLayout() {
    ui::ControlLayout description{RichText1, ControlKind::Custom, 0, 120, 1080, 5775, 4335};
    description.Font = Song975;
    description.TabIndex = 3;
    description.ClassName = PageBox::WindowClass();
    description.ExtraStyle =
        ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | ES_NOHIDESEL;
    description.ExtraExStyle = WS_EX_CLIENTEDGE;
    return description;
}

ui::ControlLayout PoemList() {
    ui::ControlLayout description{cboTang, ControlKind::ComboDropDown,     0, 120, 6120, 5775,
                                  300,     L"点击这里直接选择要查看的唐诗"};
    description.Back = Grey;
    description.TabIndex = 11;
    return description;
}

} // namespace

const ui::FormLayout& ReaderLayout() {
    static const ui::ControlLayout controls[] = {
        Label(Label1, 720, 120, 4275, 840, L"青简雅韵集", Kai42, RgbColour(255, 128, 128), 4),
        Outline(Shape1, 6000, 480, 1095, 1455),
        Picture(Command1, 6240, 600, 615, 615, 0, IDB_ABOUT),
        PageBoxLayout(),
        Picture(Command2, 6200, 1320, 735, 495, 1, IDB_SEARCH),
        Outline(Shape2, 6000, 2040, 1095, 2775),
        Label(Label2, 6090, 2160, 945, 2520, Proverb, Kai18, SystemColour(COLOR_HIGHLIGHT), 5),
        Picture(Command3, 6360, 5400, 615, 615, 2, IDB_EXIT),
        MoveButton(cmdMoveFirst, 120, L"|<", 8),
        MoveButton(cmdMovePrev, 1080, L"<", 7),
        Label(lblInfo, 2040, 5640, 1050, 210, L"青简雅韵集", Song105, SystemColour(COLOR_BTNTEXT),
              10),
        MoveButton(cmdMoveNext, 4200, L">", 6),
        MoveButton(cmdMoveLast, 5160, L">|", 9),
        PoemList(),
    };
    static const ui::FormLayout layout{
        {reinterpret_cast<const wchar_t*>(texts::ProgramName), 7245, 6615,
         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
         0, Grey, IDI_READER, ui::FontLayout{L"宋体", 9, FW_NORMAL, GB2312_CHARSET}},
        controls,
        std::size(controls)};
    return layout;
}
