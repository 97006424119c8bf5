#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "ReaderLayout.h"

#include <richedit.h>

namespace {

const std::vector<std::u16string> MenuItems = {
    u"复制(&C)",
    u"全选(&A)",
    u"",
    u"上一首(&U)\tCtrl+PgUp",
    u"下一首(&N)\tCtrl+PgDn",
    u"第一首(&F)\tAlt+Home",
    u"第末首(&L)\tAlt+End",
    u"随机一首(&R)\tCtrl+R",
    u"",
    u"放大(&I)\tCtrl+=",
    u"缩小(&O)\tCtrl+-",
    u"原始大小(&Z)\tCtrl+0",
    u"",
    u"查询(&S)…\tCtrl+F",
    u"打印(&P)…\tCtrl+P",
    u"关于(&B)\tF1",
    u"",
    u"竖排(&V)\tF8",
};

class PageMenu : public ReaderFixture {
protected:
    HWND Page() const { return ReaderControl(RichText1); }
    // Chooses the item that starts with `start` with the down arrow, skipping separators, and
    // Enter.
    void Choose(std::u16string_view start) {
        std::vector<UINT> keys;
        for (const std::u16string& item : MenuItems) {
            keys.insert(keys.end(), item.empty() ? 0 : 1, VK_DOWN);
            if (!item.empty() && item.starts_with(start)) {
                keys.push_back(VK_RETURN);
                RightClickMenu(Page(), keys);
                return;
            }
        }
        ADD_FAILURE() << "no item starts so";
    }
};

template <UINT Key, bool Shift> void PressOnFocus(void*) {
    PressChord(Key, false, Shift);
}

} // namespace

TEST_F(PageMenu, ItsCommandsRunAsTheirKeysDo) {
    StartWithUtf8(ThreePoems);
    MessageBoxCatcher catcher;
    Choose(u"下一首");
    ExpectShowing(1);
    Choose(u"第末首");
    ExpectShowing(2);
    Choose(u"下一首");
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, u"已经到了最后一首唐诗了！");
    Choose(u"随机一首");
    EXPECT_NE(shared.CurrentIndex, 2);
    ExpectShowing(shared.CurrentIndex);
    Choose(u"放大");
    Choose(u"放大");
    Choose(u"缩小");
    EXPECT_EQ(PageZoom(), 110);
    Choose(u"关于");
    ASSERT_EQ(catcher.Boxes().size(), 2u);
    EXPECT_EQ(catcher.Boxes()[1].Text.substr(0, 7), u"鹭溪青简雅韵集");
    Choose(u"查询");
    EXPECT_TRUE(IsWindowVisible(Search().Handle()));
}

// A right-click, Shift+F10 and the Menu key open it; the keys, at the caret.
TEST_F(PageMenu, ListsTheCommandsWithTheirKeysAfterCopyAndSelectAll) {
    StartWithUtf8(ThreePoems);
    const MenuSeen seen = RightClickMenu(Page());
    EXPECT_EQ(seen.Items, MenuItems);
    std::vector<bool> greyed(MenuItems.size(), false);
    for (size_t i = 0; i < MenuItems.size(); ++i) {
        greyed[i] = MenuItems[i].empty(); // the separators
    }
    greyed[0] = true; // 复制, with nothing selected
    EXPECT_EQ(seen.Greyed, greyed);

    SetFocus(Page());
    SendMessageW(Page(), EM_SETSEL, 2, 2); // the start of the author line
    POINT caret{};
    SendMessageW(Page(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), 2);
    ClientToScreen(Page(), &caret);
    for (const auto open : {PressOnFocus<VK_F10, true>, PressOnFocus<VK_APPS, false>}) {
        const MenuSeen atCaret = WatchMenu(open, nullptr, {});
        ASSERT_EQ(atCaret.Items, MenuItems);
        EXPECT_NEAR(atCaret.At.x, caret.x, 2);
        EXPECT_NEAR(atCaret.At.y, caret.y, 2);
    }
}

TEST_F(PageMenu, WithoutAPoemOnlySearchAndAboutAreOffered) {
    const std::string noPoems = "[H]\r\n";
    MessageBoxCatcher catcher; // of the load's message
    Start(&noPoems);
    const MenuSeen seen = RightClickMenu(Page());
    ASSERT_EQ(seen.Items, MenuItems);
    for (size_t i = 0; i < MenuItems.size(); ++i) {
        if (!MenuItems[i].empty()) { // 全选, 查询…, 关于 and 竖排 (an empty page in columns) alone
            const bool offered = i == 1 || MenuItems[i].starts_with(u"查询") ||
                                 MenuItems[i].starts_with(u"关于") ||
                                 MenuItems[i].starts_with(u"竖排");
            EXPECT_EQ(seen.Greyed[i], !offered) << i;
        }
    }
}
