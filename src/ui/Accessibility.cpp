#include "Accessibility.h"

#include <commctrl.h>
#include <ole2.h>

namespace ui {

namespace {

constexpr UINT_PTR SubclassId = 0x4143; // one per window: this file's answer to WM_GETOBJECT

LRESULT CALLBACK AnswerGetObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
    if (message == WM_GETOBJECT) {
        const auto objectId = static_cast<LONG>(static_cast<DWORD>(lParam));
        if (objectId == OBJID_CLIENT || objectId == OBJID_WINDOW) {
            const auto* link = reinterpret_cast<const std::shared_ptr<AccessibleLink>*>(data);
            if (IAccessible* object = CreateNamedAccessible(window, objectId, *link)) {
                const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object);
                object->Release();
                return result;
            }
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

AccessibleNames::~AccessibleNames() {
    for (Given& given : given_) {
        given.Link->Connected = false;
        given.Link->Source = {};
        if (IsWindow(given.Window)) {
            RemoveWindowSubclass(given.Window, AnswerGetObject, SubclassId);
        }
    }
}

void AccessibleNames::Give(HWND window, AccessibleSource source) {
    if (window == nullptr) {
        return;
    }
    auto link = std::make_shared<AccessibleLink>();
    link->Source = std::move(source);
    given_.push_back({window, std::move(link)});
    // The subclass keeps a pointer to the entry, which stays where it is until this object goes.
    SetWindowSubclass(window, AnswerGetObject, SubclassId,
                      reinterpret_cast<DWORD_PTR>(&given_.back().Link));
}

void AnnounceNameChange(HWND window) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

ComApartment::ComApartment()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialised_) {
        CoUninitialize();
    }
}

} // namespace ui
