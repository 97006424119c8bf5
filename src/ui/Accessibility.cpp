#include "Accessibility.h"

#include "Subclass.h"

#include <commctrl.h>
#include <ole2.h>
#include <unordered_map>

namespace ui {

namespace {

// One per window, installed and removed here as names are given and paused.
constexpr auto AnswerId = static_cast<UINT_PTR>(SubclassId::AccessibleAnswer);

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

// The windows that answer with a name of the program's, and what each answer works from.
std::unordered_map<HWND, DWORD_PTR>& Answering() {
    static std::unordered_map<HWND, DWORD_PTR> windows;
    return windows;
}

} // namespace

AccessibleNames::~AccessibleNames() {
    for (Given& given : given_) {
        Answering().erase(given.Window);
        given.Link->Connected = false;
        given.Link->Source = {};
        if (IsWindow(given.Window)) {
            RemoveWindowSubclass(given.Window, AnswerGetObject, AnswerId);
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
    const auto data = reinterpret_cast<DWORD_PTR>(&given_.back().Link);
    Answering()[window] = data;
    SetWindowSubclass(window, AnswerGetObject, AnswerId, data);
}

AccessibleAnswerPaused::AccessibleAnswerPaused(HWND window) : window_(window) {
    const auto found = Answering().find(window_);
    if (found != Answering().end()) {
        link_ = found->second;
        RemoveWindowSubclass(window_, AnswerGetObject, AnswerId);
    }
}

AccessibleAnswerPaused::~AccessibleAnswerPaused() {
    if (link_ != 0 && IsWindow(window_)) {
        SetWindowSubclass(window_, AnswerGetObject, AnswerId, link_);
    }
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
