// Lists that refuse entries once their storage is full: the poem list and the result list stop
// cleanly and the user is told how many poems are not listed, in the words the message test
// checks.
#include "AnthologyGenerator.h"
#include "AnthologyText.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"
#include "RecordingSink.h"

#include "Controls.h"
#include "FullListMessage.h"
#include "PickListTally.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>
#include <commctrl.h>

namespace {

constexpr int Poems = 12;
constexpr int Capacity = 5; // entries the refusing list takes
constexpr UINT_PTR RefusingId = 0x4C495354;

// Answers an insertion beyond `Capacity` entries, or a LB_SETITEMDATA for entry `Capacity`
// when the reference data asks for it, as a list whose storage is full does.
LRESULT CALLBACK RefuseWhenFull(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR failItemData) {
    const bool combo = message == CB_ADDSTRING || message == CB_INSERTSTRING;
    if (combo || message == LB_ADDSTRING || message == LB_INSERTSTRING) {
        if (DefSubclassProc(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0) >= Capacity) {
            return combo ? CB_ERRSPACE : LB_ERRSPACE;
        }
    } else if (message == LB_SETITEMDATA && failItemData != 0 &&
               wParam == static_cast<WPARAM>(Capacity - 1)) {
        return LB_ERR;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// Makes the poem list and the pick lists refusing as soon as they are created, before the loader
// or the reader fills them.
LRESULT CALLBACK OnCreate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        const auto id = static_cast<int>(reinterpret_cast<INT_PTR>(create->hMenu));
        if ((create->style & WS_CHILD) != 0 &&
            (id == cboTang || id == cboRhyme || id == cboAuthor)) {
            SetWindowSubclass(reinterpret_cast<HWND>(wParam), RefuseWhenFull, RefusingId, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

const std::string Anthology = GenerateAnthology({.Poems = Poems});

class FullList : public ReaderFixture {};

} // namespace

// The poem list, both pick lists and the result list refuse entries beyond their storage: each
// stops cleanly, and the user is told how much is not listed.
TEST_F(FullList, EveryListStopsWhenFullAndTheUserIsToldWhatIsNotListed) {
    std::vector<TangRecord> tangs;
    RecordingSink reported;
    ParseTangs(DecodeAnthologyBytes(Anthology), tangs, reported);
    ASSERT_GT(reported.Rhymes.size(), static_cast<size_t>(Capacity));
    ASSERT_GT(reported.Authors.size(), static_cast<size_t>(Capacity));
    MessageBoxCatcher catcher;
    const UniqueHook creationHook = HookThisThread(WH_CBT, OnCreate);
    Start(&Anthology);
    EXPECT_EQ(shared.Tangs.size(), static_cast<size_t>(Poems)) << "the anthology loads whole";
    const ui::ComboBox list(ReaderControl(cboTang));
    EXPECT_EQ(list.ListCount(), Capacity);
    Form2& search = Search();
    EXPECT_EQ(search.Rhymes().ListCount(), Capacity);
    EXPECT_EQ(search.Authors().ListCount(), Capacity);
    EXPECT_EQ(search.Authors().List(Capacity - 1), reported.Authors[Capacity - 2]);
    ASSERT_EQ(catcher.Boxes().size(), 1u);
    // "不限定" is listed first in either pick list.
    std::u16string expected = PickListsFullMessage(reported.Rhymes.size() - (Capacity - 1),
                                                   reported.Authors.size() - (Capacity - 1));
    AppendParagraph(expected, PoemListFullMessage(Capacity, Poems));
    EXPECT_EQ(catcher.Boxes()[0].Text, expected);
    EXPECT_EQ(catcher.Boxes()[0].Caption, u"鹭溪吟窗");

    // The poems beyond the list are still shown, and showing them selects nothing wrong.
    Click(ReaderControl(cmdMoveLast));
    EXPECT_EQ(shared.CurrentIndex, Poems - 1);
    EXPECT_EQ(Caption(), u"青简雅韵集 第12首");
    EXPECT_EQ(list.ListIndex(), -1);
    Click(ReaderControl(cmdMoveFirst));
    EXPECT_EQ(list.ListIndex(), 0);

    // A refused entry, or an entry whose index cannot be attached, ends the result list.
    for (const bool failItemData : {false, true}) {
        SetWindowSubclass(search.Control(lstTang), RefuseWhenFull, RefusingId, failItemData);
        search.cmdSearch_Click();
        ui::DispatchPendingMessages();
        const int listed = failItemData ? Capacity - 1 : Capacity;
        ASSERT_EQ(Results().size(), static_cast<size_t>(listed));
        EXPECT_EQ(Results().back().Index, listed - 1);
        ASSERT_EQ(catcher.Boxes().size(), failItemData ? 3u : 2u);
        EXPECT_EQ(catcher.Boxes().back().Text, ResultListFullMessage(listed, Poems));
        EXPECT_EQ(catcher.Boxes().back().Owner, search.Handle());
    }
}
