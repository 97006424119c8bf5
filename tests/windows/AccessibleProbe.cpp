// Reads the windows of another process as a screen reader does, through the system's
// accessibility interface, and writes what it is told:
//
//   AccessibleProbe REPORT WINDOW...
//
// WINDOW is a top-level window handle in hexadecimal. REPORT gets, in UTF-8, one line per
// window, per child window and per child the window's own object lists:
//   window HANDLE ROLE NAME
//   control ID ROLE NAME VALUE       (the client object of each child window)
//   child ROLE NAME                  (each child listed by the window's object)
// fields separated by tabs; a value the object does not have is written as "-".
#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring Take(BSTR text) {
    std::wstring taken = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return taken;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

struct Facts {
    long Role = -1;
    std::wstring Name = L"-";
    std::wstring Value = L"-";
};

Facts Ask(IAccessible* object) {
    Facts facts;
    VARIANT role{};
    if (object->get_accRole(Self(), &role) == S_OK && role.vt == VT_I4) {
        facts.Role = role.lVal;
    }
    BSTR text = nullptr;
    if (object->get_accName(Self(), &text) == S_OK) {
        facts.Name = Take(text);
    }
    text = nullptr;
    if (object->get_accValue(Self(), &text) == S_OK) {
        facts.Value = Take(text);
    }
    return facts;
}

std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text) {
        c = c == L'\r' || c == L'\n' || c == L'\t' ? L' ' : c;
    }
    return text;
}

BOOL CALLBACK AddWindow(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

void Report(HWND form, std::wstring& lines) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(form, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        lines += L"window - failed\n";
        return;
    }
    const Facts own = Ask(object);
    lines += L"window\t" + std::to_wstring(own.Role) + L"\t" + own.Name + L"\n";
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 0));
    long got = 0;
    if (count > 0 && SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &got))) {
        for (long i = 0; i < got; ++i) {
            VARIANT& child = children[static_cast<size_t>(i)];
            IAccessible* listed = nullptr;
            if (child.vt == VT_DISPATCH && child.pdispVal != nullptr &&
                SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                         reinterpret_cast<void**>(&listed)))) {
                const Facts facts = Ask(listed);
                lines += L"child\t" + std::to_wstring(facts.Role) + L"\t" + facts.Name + L"\n";
                listed->Release();
            }
            VariantClear(&child);
        }
    }
    object->Release();

    std::vector<HWND> controls;
    EnumChildWindows(form, AddWindow, reinterpret_cast<LPARAM>(&controls));
    for (HWND control : controls) {
        IAccessible* client = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&client)))) {
            continue;
        }
        const Facts facts = Ask(client);
        client->Release();
        lines += L"control\t" + std::to_wstring(GetDlgCtrlID(control)) + L"\t" +
                 std::to_wstring(facts.Role) + L"\t" + OneLine(facts.Name) + L"\t" +
                 OneLine(facts.Value) + L"\n";
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: AccessibleProbe REPORT WINDOW...\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring lines;
    for (int i = 2; i < argc; ++i) {
        Report(reinterpret_cast<HWND>(static_cast<INT_PTR>(wcstoll(argv[i], nullptr, 16))), lines);
    }
    CoUninitialize();
    FILE* report = _wfopen(argv[1], L"wb");
    if (report == nullptr) {
        return 1;
    }
    const std::string bytes = Utf8(lines);
    std::fwrite(bytes.data(), 1, bytes.size(), report);
    std::fclose(report);
    return 0;
}
