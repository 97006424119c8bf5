#include "SystemLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the stand-in loader was asked, and how it answers the search flag.
std::vector<std::pair<std::wstring, DWORD>> calls;
DWORD errorForSearchFlag = ERROR_SUCCESS;
const auto fakeModule = reinterpret_cast<HMODULE>(0x10000);

HMODULE WINAPI FakeLoader(LPCWSTR name, HANDLE, DWORD flags) {
    calls.emplace_back(name, flags);
    if ((flags & LOAD_LIBRARY_SEARCH_SYSTEM32) != 0 && errorForSearchFlag != ERROR_SUCCESS) {
        SetLastError(errorForSearchFlag);
        return nullptr;
    }
    return fakeModule;
}

// Windows 7 and Vista without KB2533623 refuse the flag: the full path is used instead, and the
// DLL's own dependencies are looked for beside it, in the system folder. Any other failure means
// the DLL is not in the system folder: no second try elsewhere.
TEST(SystemLibraryTest, LoadsByFullSystemPathOnlyWhereTheFlagIsRefused) {
    errorForSearchFlag = ERROR_INVALID_PARAMETER;
    EXPECT_EQ(ui::LoadSystemLibrary(L"riched20.dll", FakeLoader), fakeModule);
    wchar_t folder[MAX_PATH]{};
    const std::wstring system(folder, GetSystemDirectoryW(folder, MAX_PATH));
    EXPECT_EQ(calls, (std::vector<std::pair<std::wstring, DWORD>>{
                         {L"riched20.dll", LOAD_LIBRARY_SEARCH_SYSTEM32},
                         {system + L"\\riched20.dll", LOAD_WITH_ALTERED_SEARCH_PATH}}));
    calls.clear();
    errorForSearchFlag = ERROR_MOD_NOT_FOUND;
    EXPECT_EQ(ui::LoadSystemLibrary(L"msftedit.dll", FakeLoader), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(calls.size(), 1u);
}

} // namespace
