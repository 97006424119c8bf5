#include "AccessibleObject.h"

#include <new>
#include <ole2.h>

namespace ui {

namespace {

// Owns one reference to a COM interface.
template <typename Interface> class ComRef {
public:
    ComRef() = default;
    explicit ComRef(Interface* held) : held_(held) {}
    ~ComRef() {
        if (held_ != nullptr) {
            held_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* get() const { return held_; }
    Interface** out() { return &held_; }

private:
    Interface* held_ = nullptr;
};

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT ToBstr(const std::u16string& text, BSTR* out) {
    *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// A screen reader asking for a text the program has no memory left to make gets the COM error
// for it; an exception must never cross into the caller's code.
template <typename Answer> HRESULT WithinMemory(Answer&& answer) noexcept {
    try {
        return answer();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

// COM objects are destroyed through their own Release, never through a base pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The standard object with a few answers of the program's own. The client object of a control
// takes name, role, value and description from the link; its window object, which the parent
// lists among its children, takes the name and description, and stays a window.
class NamedAccessible final : public IAccessible, public IEnumVARIANT, public IOleWindow {
public:
    NamedAccessible(IAccessible* standard, HWND window, bool client,
                    std::shared_ptr<const AccessibleLink> link)
        : standard_(standard), window_(window), client_(client), link_(std::move(link)) {
        standard_.get()->QueryInterface(__uuidof(IEnumVARIANT),
                                        reinterpret_cast<void**>(children_.out()));
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (id == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else if (id == __uuidof(IEnumVARIANT) && children_.get() != nullptr) {
            *object = static_cast<IEnumVARIANT*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: callers of this object use its interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: the program's answers about the control itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) {
            return standard_.get()->get_accName(child, name);
        }
        if (!link_->Connected) {
            return CO_E_OBJNOTCONNECTED;
        }
        return WithinMemory([&] {
            return ToBstr(link_->Source.Name ? link_->Source.Name() : std::u16string(), name);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || !client_) {
            return standard_.get()->get_accRole(child, role);
        }
        if (!link_->Connected) {
            return CO_E_OBJNOTCONNECTED;
        }
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = link_->Source.Role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || !client_ || !link_->Source.Value) {
            return standard_.get()->get_accValue(child, value);
        }
        if (!link_->Connected) {
            return CO_E_OBJNOTCONNECTED;
        }
        return WithinMemory([&] {
            const std::optional<std::u16string> text = link_->Source.Value();
            return text ? ToBstr(*text, value) : standard_.get()->get_accValue(child, value);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!IsSelf(child) || link_->Source.Description.empty()) {
            return standard_.get()->get_accDescription(child, description);
        }
        return WithinMemory([&] { return ToBstr(link_->Source.Description, description); });
    }

    // IAccessible: the standard object's answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_.get()->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_.get()->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_.get()->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_.get()->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_.get()->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_.get()->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_.get()->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_.get()->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_.get()->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_.get()->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_.get()->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_.get()->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_.get()->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_.get()->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_.get()->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_.get()->put_accValue(child, value);
    }

    // IEnumVARIANT: the standard object's list of children.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
        return children_.get()->Next(count, items, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_.get()->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_.get()->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        return children_.get()->Clone(copy);
    }

    // IOleWindow: which window the object stands for.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~NamedAccessible() = default;

    long references_ = 1;
    ComRef<IAccessible> standard_;
    ComRef<IEnumVARIANT> children_;
    HWND window_;
    bool client_;
    std::shared_ptr<const AccessibleLink> link_;
};

#pragma GCC diagnostic pop

} // namespace

IAccessible* CreateNamedAccessible(HWND window, LONG objectId,
                                   std::shared_ptr<const AccessibleLink> link) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, objectId, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return nullptr;
    }
    return new NamedAccessible(standard, window, objectId == OBJID_CLIENT, std::move(link));
}

} // namespace ui
