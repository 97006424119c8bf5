#include "SearchLayout.h"

#include "ProgramTexts.h"
#include "resource.h"

#include <iterator>

namespace {

using ui::ControlKind;
using ui::RgbColour;

constexpr ui::Colour Grey = RgbColour(173, 173, 173);
constexpr ui::FontLayout Kai1575{L"楷体_GB2312", 15.75, FW_BOLD, GB2312_CHARSET};

ui::ControlLayout Inside(int id, ControlKind kind, int left, int top, int width, int height,
                         int tabIndex, const wchar_t* caption = L"") {
    ui::ControlLayout description{id, kind, Frame1, left, top, width, height, caption};
    description.TabIndex = tabIndex;
    if (kind == ControlKind::Button) {
        description.Back = Grey;
    }
    return description;
}

ui::ControlLayout GroupBox() {
    ui::ControlLayout description{Frame1,     ControlKind::GroupBox, 0, 120, 120, 5655, 4575,
                                  L"唐诗查询"};
    description.Back = Grey;
    description.TabIndex = 1;
    return description;
}

ui::ControlLayout ResultList() {
    ui::ControlLayout description = Inside(lstTang, ControlKind::ListBox, 120, 240, 5415, 2400, 2);
    description.Tooltip = L"双击唐诗标题显示";
    return description;
}

ui::ControlLayout AuthorPicker() {
    ui::ControlLayout description =
        Inside(cboAuthor, ControlKind::ComboDropDown, 120, 3000, 1575, 300, 8);
    description.Back = RgbColour(255, 255, 255);
    return description;
}

ui::ControlLayout Couplet() {
    ui::ControlLayout description{SearchLabel3,
                                  ControlKind::Label,
                                  0,
                                  1440,
                                  4800,
                                  2415,
                                  630,
                                  L"花开堪折直须折\r\n莫待无花空折枝",
                                  Kai1575,
                                  RgbColour(128, 255, 128)};
    description.TabIndex = 0;
    return description;
}

} // namespace

const ui::FormLayout& SearchLayout() {
    static const ui::ControlLayout controls[] = {
        GroupBox(),
        ResultList(),
        Inside(SearchLabel1, ControlKind::Label, 120, 2760, 540, 180, 10, L"作者："),
        Inside(SearchLabel2, ControlKind::Label, 2040, 2760, 540, 180, 9, L"格律："),
        AuthorPicker(),
        Inside(cboRhyme, ControlKind::ComboDropDown, 2040, 3000, 1575, 300, 7),
        Inside(cmdSearch, ControlKind::Button, 4320, 3360, 1215, 450, 4, L"查询"),
        Inside(txtTitle, ControlKind::TextBox, 720, 3480, 3495, 375, 6),
        Inside(SearchLabel4, ControlKind::Label, 120, 3600, 540, 180, 11, L"标题："),
        Inside(txtContent, ControlKind::TextBox, 720, 3960, 3495, 375, 5),
        Inside(cmdCancel, ControlKind::Button, 4320, 3960, 1215, 450, 3, L"取消"),
        Inside(SearchLabel5, ControlKind::Label, 120, 4080, 540, 180, 12, L"诗句："),
        Couplet(),
    };
    static const ui::FormLayout layout{
        {reinterpret_cast<const wchar_t*>(texts::ProgramName), 5880, 5520,
         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME, Grey,
         IDI_SEARCH, ui::FontLayout{L"宋体", 9, FW_NORMAL, GB2312_CHARSET}},
        controls,
        std::size(controls)};
    return layout;
}
