// Memory running out while the anthology loads, with the real windows: an allocation fails
// once the search window's author list already holds some of the loader's entries.
#include "FailingAllocations.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

namespace {

// Author entries still to come before the allocation that fails.
int authorEntriesLeft = 0;

// Sets the failure after the chosen author entry. It watches the message after the list has
// handled it, so that the failure comes in the loader's own code and not inside the system's.
LRESULT CALLBACK FailAfterAuthorEntries(int code, WPARAM wParam, LPARAM lParam) {
    const auto* handled = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && handled->message == CB_ADDSTRING &&
        GetDlgCtrlID(handled->hwnd) == cboAuthor && authorEntriesLeft > 0 &&
        --authorEntriesLeft == 0) {
        SetNextAllocationFails(true);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class LoadFailure : public ReaderFixture {};

} // namespace

TEST_F(LoadFailure, OutOfMemoryLeavesBothPickListsWithTheirPresetAlone) {
    const std::u8string anthology =
        u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，疑是地上霜。\r\n"
        u8"//N//\r\n<春晓>\r\n(孟浩然)\r\n春眠不觉晓，处处闻啼鸟。\r\n"
        u8"//N//\r\n[七言绝句]\r\n<早发白帝城>\r\n(李白)\r\nV\r\n//N//\r\n";
    MessageBoxCatcher catcher;
    authorEntriesLeft = 3; // the preset, 李白 and 孟浩然
    {
        const UniqueHook hook = HookThisThread(WH_CALLWNDPROCRET, FailAfterAuthorEntries);
        StartWithUtf8(anthology);
    }
    SetNextAllocationFails(false); // in case no allocation came after the chosen entry
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_NE(catcher.Boxes()[0].Text.find(u"内存不足，无法读入整个文件。"), std::u16string::npos);
    EXPECT_TRUE(shared.Tangs.empty());
    EXPECT_EQ(ui::ComboBox(ReaderControl(cboTang)).ListCount(), 0);

    Form2& search = Search();
    for (const ui::ComboBox& list : {search.Rhymes(), search.Authors()}) {
        ASSERT_EQ(list.ListCount(), 1);
        EXPECT_EQ(list.List(0), u"不限定");
    }
    // The names the author list remembers went with its entries: a name added now is listed.
    reader->AddAuthor(Utf16(u8"李白"));
    reader->AddAuthor(u"不限定");
    EXPECT_EQ(search.Authors().ListCount(), 2);
    EXPECT_EQ(search.Authors().List(1), Utf16(u8"李白"));
}
