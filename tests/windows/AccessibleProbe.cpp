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
#include "AccessibleFacts.h"
#include "Utf8Bytes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::u16string Number(long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string OneLine(const std::optional<std::u16string>& text) {
    std::u16string line = text.value_or(u"-");
    for (char16_t& c : line) {
        c = c == u'\r' || c == u'\n' || c == u'\t' ? u' ' : c;
    }
    return line;
}

BOOL CALLBACK AddWindow(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

void Report(HWND form, std::u16string& lines) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(form, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        lines += u"window - failed\n";
        return;
    }
    const AccessibleFacts own = AskAccessible(object);
    lines += u"window\t" + Number(own.Role) + u"\t" + own.Name.value_or(u"-") + u"\n";
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
                const AccessibleFacts facts = AskAccessible(listed);
                lines +=
                    u"child\t" + Number(facts.Role) + u"\t" + facts.Name.value_or(u"-") + u"\n";
                listed->Release();
            }
            VariantClear(&child);
        }
    }
    object->Release();

    std::vector<HWND> controls;
    EnumChildWindows(form, AddWindow, reinterpret_cast<LPARAM>(&controls));
    for (HWND control : controls) {
        if (const std::optional<AccessibleFacts> facts = AskWindow(control)) {
            lines += u"control\t" + Number(GetDlgCtrlID(control)) + u"\t" + Number(facts->Role) +
                     u"\t" + OneLine(facts->Name) + u"\t" + OneLine(facts->Value) + u"\n";
        }
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: AccessibleProbe REPORT WINDOW...\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::u16string lines;
    for (int i = 2; i < argc; ++i) {
        Report(reinterpret_cast<HWND>(static_cast<INT_PTR>(wcstoll(argv[i], nullptr, 16))), lines);
    }
    CoUninitialize();
    FILE* report = _wfopen(argv[1], L"wb");
    if (report == nullptr) {
        return 1;
    }
    const std::string bytes = Utf8Bytes(lines);
    std::fwrite(bytes.data(), 1, bytes.size(), report);
    std::fclose(report);
    return 0;
}
