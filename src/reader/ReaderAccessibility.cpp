#include "ReaderAccessibility.h"

#include "AccessibleText.h"
#include "Controls.h"
#include "ReaderLayout.h"

namespace {

// The buttons are named by what they do, as their tooltips say, not by what they show.
constexpr ui::ControlName ReaderNames[] = {
    {Command1, ROLE_SYSTEM_PUSHBUTTON, u"关于"},
    {Command2, ROLE_SYSTEM_PUSHBUTTON, u"查询"},
    {Command3, ROLE_SYSTEM_PUSHBUTTON, u"退出"},
    {cmdMoveFirst, ROLE_SYSTEM_PUSHBUTTON, u"第一首"},
    {cmdMovePrev, ROLE_SYSTEM_PUSHBUTTON, u"上一首"},
    {cmdMoveNext, ROLE_SYSTEM_PUSHBUTTON, u"下一首"},
    {cmdMoveLast, ROLE_SYSTEM_PUSHBUTTON, u"最后一首"},
    // The list's own prompt is what a sighted user reads in it before choosing.
    {cboTang, ROLE_SYSTEM_COMBOBOX, u"选择要查看的唐诗"},
    {Label1, ROLE_SYSTEM_STATICTEXT},
    {lblInfo, ROLE_SYSTEM_STATICTEXT},
};

} // namespace

void NameReaderControls(ui::AccessibleNames& given, const ui::Form& reader,
                        std::function<std::u16string()> pageName) {
    ui::GiveNames(given, reader, ReaderNames);
    HWND page = reader.Control(RichText1);
    given.Give(page,
               {std::move(pageName), ROLE_SYSTEM_DOCUMENT,
                [page]() -> std::optional<std::u16string> { return ui::WindowText(page); }, u""});
    // The proverb stands in two columns, read downwards; its rows would read as nonsense.
    HWND proverb = reader.Control(Label2);
    given.Give(proverb, {[proverb] { return ReadInColumns(ui::WindowText(proverb)); },
                         ROLE_SYSTEM_STATICTEXT,
                         {},
                         u""});
}
