#include "ReaderAccessibility.h"

#include "AccessibleText.h"
#include "Controls.h"
#include "ReaderCommands.h"
#include "ReaderLayout.h"

#include <vector>

void NameReaderControls(ui::AccessibleNames& given, const ui::Form& reader,
                        const std::function<std::u16string()>& pageName, PageViews views) {
    // The buttons are named by what they do, in their commands' words, which their tooltips
    // show, rather than by the pictures and arrows they show.
    std::vector<ui::ControlName> names;
    for (const ReaderCommand& command : ReaderCommands()) {
        if (command.Name != nullptr) {
            names.push_back({command.Id, ROLE_SYSTEM_PUSHBUTTON,
                             reinterpret_cast<const char16_t*>(command.Name)});
        }
    }
    // The list's own prompt is what a sighted user reads in it before choosing.
    names.push_back({cboTang, ROLE_SYSTEM_COMBOBOX, u"选择要查看的唐诗"});
    names.push_back({Label1, ROLE_SYSTEM_STATICTEXT});
    names.push_back({lblInfo, ROLE_SYSTEM_STATICTEXT});
    ui::GiveNames(given, reader, names);
    HWND page = reader.Control(RichText1);
    for (HWND view : {page, views.Vertical}) {
        given.Give(view,
                   {pageName, ROLE_SYSTEM_DOCUMENT,
                    [page]() -> std::optional<std::u16string> { return ui::WindowText(page); },
                    u""});
    }
    given.Give(views.Pinyin,
               {pageName, ROLE_SYSTEM_DOCUMENT,
                [text = views.PinyinText]() -> std::optional<std::u16string> { return text(); },
                u""});
    // The proverb stands in two columns, read downwards; its rows would read as nonsense.
    HWND proverb = reader.Control(Label2);
    given.Give(proverb, {[proverb] { return ReadInColumns(ui::WindowText(proverb)); },
                         ROLE_SYSTEM_STATICTEXT,
                         {},
                         u""});
}
