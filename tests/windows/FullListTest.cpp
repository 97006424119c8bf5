// Lists that refuse entries once their storage is full: the poem list and the result list stop
// cleanly and the user is told how many poems are not listed.
#include "AnthologyGenerator.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <commctrl.h>

namespace {

constexpr int Poems = 12;
constexpr int Capacity = 5; // entries the refusing list takes
constexpr UINT_PTR RefusingId = 0x4C495354;

// Answers an insertion beyond `Capacity` entries, or a LB_SETITEMDATA for entry `Capacity`
// when the reference data asks for it, as a list whose storage is full does.
LRESULT CALLBACK RefuseWhenFull(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR failItemData) {
    if (message == CB_ADDSTRING || message == CB_INSERTSTRING) {
        if (DefSubclassProc(list, CB_GETCOUNT, 0, 0) >= Capacity) {
            return CB_ERRSPACE;
        }
    } else if (message == LB_ADDSTRING || message == LB_INSERTSTRING) {
        if (DefSubclassProc(list, LB_GETCOUNT, 0, 0) >= Capacity) {
            return LB_ERRSPACE;
        }
    } else if (message == LB_SETITEMDATA && failItemData != 0 &&
               wParam == static_cast<WPARAM>(Capacity - 1)) {
        return LB_ERR;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

void MakeRefusing(HWND list, bool failItemData = false) {
    SetWindowSubclass(list, RefuseWhenFull, RefusingId, failItemData ? 1 : 0);
}

// Makes the reader's poem list refusing as soon as it is created, before it is filled.
HHOOK poemListHook = nullptr;
LRESULT CALLBACK OnCreate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if ((create->style & WS_CHILD) != 0 &&
            create->hMenu == reinterpret_cast<HMENU>(static_cast<INT_PTR>(cboTang))) {
            MakeRefusing(reinterpret_cast<HWND>(wParam));
        }
    }
    return CallNextHookEx(poemListHook, code, wParam, lParam);
}

std::string Anthology() {
    AnthologyShape shape;
    shape.Poems = Poems;
    return GenerateAnthology(shape);
}

class FullList : public ReaderFixture {
protected:
    void TearDown() override {
        if (poemListHook != nullptr) {
            UnhookWindowsHookEx(poemListHook);
            poemListHook = nullptr;
        }
        ReaderFixture::TearDown();
    }
    std::vector<int32_t> ResultIndexes() {
        const ui::ListBox list = reader->SearchWindow().Results();
        std::vector<int32_t> indexes;
        for (int i = 0; i < list.ListCount(); ++i) {
            indexes.push_back(list.ItemData(i));
        }
        return indexes;
    }
};

} // namespace

TEST_F(FullList, PoemListStopsWhenFullAndSaysHowManyPoemsAreNotListed) {
    MessageBoxCatcher catcher;
    poemListHook = SetWindowsHookExW(WH_CBT, OnCreate, nullptr, GetCurrentThreadId());
    const std::string bytes = Anthology();
    Start(&bytes);
    const ui::ComboBox list(ReaderControl(cboTang));
    EXPECT_EQ(list.ListCount(), Capacity);
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text,
              u"诗目列表已满：共 12 首唐诗，只列出了前 5 首，其后的 7 首没有列出。"
              u"可用翻页按钮或查询窗口找到它们。");
    EXPECT_EQ(catcher.Boxes()[0].Caption, u"鹭溪吟窗");

    // The poems beyond the list are still shown, and showing them selects nothing wrong.
    Click(ReaderControl(cmdMoveLast));
    EXPECT_EQ(shared.CurrentIndex, Poems - 1);
    EXPECT_EQ(ui::WindowText(ReaderControl(lblInfo)), u"青简雅韵集 第12首");
    EXPECT_EQ(list.ListIndex(), -1);
    Click(ReaderControl(cmdMoveFirst));
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST_F(FullList, ResultListStopsWhenFullAndSaysHowManyMatchesAreNotListed) {
    const std::string bytes = Anthology();
    Start(&bytes);
    Form2& search = reader->SearchWindow();
    MakeRefusing(search.Control(lstTang));
    MessageBoxCatcher catcher;
    search.cmdSearch_Click();
    PumpMessages();
    EXPECT_EQ(ResultIndexes(), (std::vector<int32_t>{0, 1, 2, 3, 4}));
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].Text, u"查询结果列表已满：找到 12 首唐诗，只列出了前 5 首，"
                                       u"其后的 7 首没有列出。请缩小查询范围。");
    EXPECT_EQ(catcher.Boxes()[0].Caption, u"鹭溪吟窗");
    EXPECT_EQ(catcher.Boxes()[0].Owner, search.Handle());
}

TEST_F(FullList, ResultEntryWhoseIndexCannotBeAttachedIsNotListed) {
    const std::string bytes = Anthology();
    Start(&bytes);
    Form2& search = reader->SearchWindow();
    MakeRefusing(search.Control(lstTang), true);
    MessageBoxCatcher catcher;
    search.cmdSearch_Click();
    PumpMessages();
    EXPECT_EQ(ResultIndexes(), (std::vector<int32_t>{0, 1, 2, 3}));
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    EXPECT_NE(catcher.Boxes()[0].Text.find(u"只列出了前 4 首"), std::u16string::npos);
}
