#pragma once

// What the system's accessibility interface tells a screen reader about an object.
#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <optional>
#include <string>

struct AccessibleFacts {
    long Role = -1;
    std::optional<std::u16string> Name; // none where the object answers with an error
    std::optional<std::u16string> Value;
    std::optional<std::u16string> Description;
};

// The facts of `window`'s client object; none when it has none.
inline std::optional<AccessibleFacts> AskWindow(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return std::nullopt;
    }
    AccessibleFacts facts;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
        facts.Role = role.lVal;
    }
    using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    const std::pair<Getter, std::optional<std::u16string>*> texts[] = {
        {&IAccessible::get_accName, &facts.Name},
        {&IAccessible::get_accValue, &facts.Value},
        {&IAccessible::get_accDescription, &facts.Description}};
    for (const auto& [get, text] : texts) {
        BSTR answer = nullptr;
        if ((object->*get)(self, &answer) == S_OK) {
            *text = std::u16string(reinterpret_cast<const char16_t*>(answer), SysStringLen(answer));
        }
        SysFreeString(answer);
    }
    object->Release();
    return facts;
}
