#include "FormAccessibility.h"

#include "AccessibleText.h"
#include "Controls.h"

namespace ui {

namespace {

const ControlLayout* DescriptionOf(const FormLayout& layout, int id) {
    for (size_t i = 0; i < layout.ControlCount; ++i) {
        if (layout.Controls[i].Id == id) {
            return &layout.Controls[i];
        }
    }
    return nullptr;
}

std::u16string Utf16(const wchar_t* text) {
    return text != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(text)) : u"";
}

} // namespace

void GiveNames(AccessibleNames& given, const Form& form, std::span<const ControlName> names) {
    HWND window = form.Handle();
    given.Give(window, {[window] { return WindowText(window); }, ROLE_SYSTEM_CLIENT, {}, u""});
    for (const ControlName& name : names) {
        HWND control = form.Control(name.Id);
        const ControlLayout* description = DescriptionOf(form.Layout(), name.Id);
        if (control == nullptr || description == nullptr) {
            continue;
        }
        AccessibleSource source;
        source.Role = name.Role;
        if (name.Name != nullptr) {
            source.Name = [fixed = std::u16string(name.Name)] {
                return fixed;
            };
        } else {
            HWND label = name.NamedBy != 0 ? form.Control(name.NamedBy) : control;
            source.Name = [label] {
                return ShortenedName(LabelName(WindowText(label)));
            };
        }
        const ControlKind kind = description->Kind;
        if (kind == ControlKind::ComboDropDown || kind == ControlKind::TextBox) {
            source.Value = [control]() -> std::optional<std::u16string> {
                return WindowText(control);
            };
        }
        // A tooltip that says what the name says already would only be heard twice.
        const std::u16string tooltip = Utf16(description->Tooltip);
        if (name.Name == nullptr || tooltip != name.Name) {
            source.Description = tooltip;
        }
        given.Give(control, std::move(source));
    }
}

} // namespace ui
