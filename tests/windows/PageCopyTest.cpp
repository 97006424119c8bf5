#include "ReaderFixture.h"

#include "Clipboard.h"
#include "ReaderLayout.h"

#include <richedit.h>

namespace {

const std::u8string Poem = u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                           u8"//作者：李白//\r\n";

class PageCopy : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(Poem); }
    HWND Page() const { return ReaderControl(RichText1); }
    CHARRANGE Selection() const {
        CHARRANGE range{};
        SendMessageW(Page(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }
    // In the control's own count, where a line break is one character.
    long PageLength() const {
        GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return static_cast<long>(
            SendMessageW(Page(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    }
};

} // namespace

// Ctrl+A and Ctrl+C, and 全选 and 复制 chosen by their access keys on the page's menu.
TEST_F(PageCopy, KeysAndMenuSelectAndCopyThePageAsUnicodeTextWithCrLf) {
    SetFocus(Page());
    PressChord('A', true);
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), PageText()) << "Ctrl+A selected the whole page";
    EXPECT_EQ(ClipboardUnicode().substr(0, 7), Utf16(u8"静夜思\r\n李白"));

    ASSERT_TRUE(ui::PutTextOnClipboard(nullptr, u"before"));
    SendMessageW(Page(), EM_SETSEL, 0, 0);
    RightClickMenu(Page(), {'A'}); // 复制 greyed, as the menu test checks
    EXPECT_EQ(Selection().cpMin, 0);
    EXPECT_GE(Selection().cpMax, PageLength()) << "全选 selected the whole page";
    EXPECT_EQ(ClipboardUnicode(), u"before");

    SendMessageW(Page(), EM_SETSEL, 0, 6); // the title, its line break and the author
    const MenuSeen selected = RightClickMenu(Page(), {'C'});
    ASSERT_FALSE(selected.Greyed.empty());
    EXPECT_FALSE(selected.Greyed[0]) << "复制 offered with a selection";
    EXPECT_EQ(ClipboardUnicode(), Utf16(u8"静夜思\r\n李白"));
}
