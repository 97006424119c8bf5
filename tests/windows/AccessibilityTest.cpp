#include "AccessibleFacts.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderCommands.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>

namespace {

// What a screen reader is told about `window`'s client object.
AccessibleFacts Ask(HWND window) {
    const std::optional<AccessibleFacts> facts = AskWindow(window);
    EXPECT_TRUE(facts.has_value()) << "no accessible object";
    return facts.value_or(AccessibleFacts{});
}

struct Expected {
    const ui::Form* Form;
    int Id;
    long Role;
    std::u16string Name;
};

class Accessibility : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(ThreePoems);
        OpenSearch();
    }

    // The buttons by their commands' names, the other controls by what a sighted user reads.
    void ExpectEveryName(int index) const {
        const TangRecord& shown = shared.Tangs.at(static_cast<size_t>(index));
        std::vector<Expected> all = {
            {reader.get(), RichText1, ROLE_SYSTEM_DOCUMENT, shown.Title + u" " + shown.Author},
            {reader.get(), cboTang, ROLE_SYSTEM_COMBOBOX, u"选择要查看的唐诗"},
            {reader.get(), Label2, ROLE_SYSTEM_STATICTEXT, u"熟读青简雅韵集，不会作诗也会吟"},
            {reader.get(), lblInfo, ROLE_SYSTEM_STATICTEXT, Caption()},
            {&Search(), lstTang, ROLE_SYSTEM_LIST, u"唐诗查询"},
            {&Search(), cboAuthor, ROLE_SYSTEM_COMBOBOX, u"作者"},
            {&Search(), txtContent, ROLE_SYSTEM_TEXT, u"诗句"},
            {&Search(), cmdSearch, ROLE_SYSTEM_PUSHBUTTON, u"查询"},
            {&Search(), SearchLabel3, ROLE_SYSTEM_STATICTEXT, u"花开堪折直须折，莫待无花空折枝"},
        };
        for (const int id :
             {Command1, Command2, Command3, cmdMoveFirst, cmdMovePrev, cmdMoveNext, cmdMoveLast}) {
            const std::wstring name = ButtonName(static_cast<ReaderId>(id));
            all.push_back({reader.get(), id, ROLE_SYSTEM_PUSHBUTTON, {name.begin(), name.end()}});
        }
        for (const Expected& control : all) {
            const AccessibleFacts facts = Ask(control.Form->Control(control.Id));
            EXPECT_EQ(facts.Role, control.Role) << control.Id;
            EXPECT_EQ(facts.Name, control.Name) << control.Id;
        }
        for (HWND form : {reader->Handle(), Search().Handle()}) {
            EXPECT_EQ(Ask(form).Name, u"鹭溪吟窗");
        }
    }
};

// The windows whose client object announced a new name.
std::vector<HWND> renamed;

void CALLBACK RecordNameChange(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    if (event == EVENT_OBJECT_NAMECHANGE && object == OBJID_CLIENT && child == CHILDID_SELF) {
        renamed.push_back(window);
    }
}

bool Announced(HWND window) {
    return std::ranges::find(renamed, window) != renamed.end();
}

} // namespace

// A new poem renames the page and announces the caption.
TEST_F(Accessibility, EveryControlTellsItsNameRoleAndTextAndANewPoemIsAnnounced) {
    ExpectEveryName(0);
    // The texts on the windows stay what a sighted user sees; tooltips become descriptions,
    // unless they would say the name again.
    EXPECT_EQ(ui::WindowText(ReaderControl(cmdMoveFirst)), u"|<");
    EXPECT_EQ(Ask(ReaderControl(cmdMoveLast)).Description.value_or(u""), u"");
    EXPECT_EQ(Ask(SearchControl(lstTang)).Description, u"双击唐诗标题显示");
    // The page reads as a document whose value is its text; the fields read their text.
    EXPECT_EQ(Ask(ReaderControl(RichText1)).Value, PageText());
    EXPECT_EQ(Ask(ReaderControl(cboTang)).Value, ui::ComboBox(ReaderControl(cboTang)).List(0));
    TypeText(SearchControl(txtTitle), u"静夜");
    EXPECT_EQ(Ask(SearchControl(txtTitle)).Value, u"静夜");

    renamed.clear();
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, RecordNameChange,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Click(ReaderControl(cmdMoveNext));
    for (int i = 0; i < 20 && !Announced(ReaderControl(lblInfo)); ++i) {
        Sleep(10);
        ui::DispatchPendingMessages();
    }
    UnhookWinEvent(hook);
    EXPECT_TRUE(Announced(ReaderControl(lblInfo)));
    EXPECT_TRUE(Announced(ReaderControl(RichText1)));
    ExpectEveryName(1);
}
