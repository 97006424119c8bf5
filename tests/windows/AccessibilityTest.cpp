#include "AccessibleFacts.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"

#include <algorithm>

namespace {

// What a screen reader is told about `window`'s client object.
AccessibleFacts Ask(HWND window) {
    const std::optional<AccessibleFacts> facts = AskWindow(window);
    if (!facts) {
        ADD_FAILURE() << "no accessible object";
        return {};
    }
    return *facts;
}

struct Expected {
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

    // The names and roles every control of both windows must report, with the reader on the
    // poem at `index`.
    std::vector<std::pair<const ui::Form*, Expected>> EveryControl(int index) const {
        const std::u16string caption = u"青简雅韵集 第" + ToDecimal(index + 1) + u"首";
        const TangRecord& shown = shared.Tangs.at(static_cast<size_t>(index));
        const Expected onReader[] = {
            {Command1, ROLE_SYSTEM_PUSHBUTTON, u"关于"},
            {Command2, ROLE_SYSTEM_PUSHBUTTON, u"查询功能"},
            {Command3, ROLE_SYSTEM_PUSHBUTTON, u"退出青简雅韵集"},
            {cmdMoveFirst, ROLE_SYSTEM_PUSHBUTTON, u"第一首"},
            {cmdMovePrev, ROLE_SYSTEM_PUSHBUTTON, u"上一首"},
            {cmdMoveNext, ROLE_SYSTEM_PUSHBUTTON, u"下一首"},
            {cmdMoveLast, ROLE_SYSTEM_PUSHBUTTON, u"第末首"},
            {RichText1, ROLE_SYSTEM_DOCUMENT, shown.Title + u" " + shown.Author},
            {cboTang, ROLE_SYSTEM_COMBOBOX, u"选择要查看的唐诗"},
            {Label1, ROLE_SYSTEM_STATICTEXT, u"青简雅韵集"},
            {Label2, ROLE_SYSTEM_STATICTEXT, u"熟读青简雅韵集，不会作诗也会吟"},
            {lblInfo, ROLE_SYSTEM_STATICTEXT, caption},
        };
        const Expected onSearch[] = {
            {Frame1, ROLE_SYSTEM_GROUPING, u"唐诗查询"},
            {lstTang, ROLE_SYSTEM_LIST, u"唐诗查询"},
            {cboAuthor, ROLE_SYSTEM_COMBOBOX, u"作者"},
            {cboRhyme, ROLE_SYSTEM_COMBOBOX, u"格律"},
            {txtTitle, ROLE_SYSTEM_TEXT, u"标题"},
            {txtContent, ROLE_SYSTEM_TEXT, u"诗句"},
            {cmdSearch, ROLE_SYSTEM_PUSHBUTTON, u"查询"},
            {cmdCancel, ROLE_SYSTEM_PUSHBUTTON, u"取消"},
            {SearchLabel1, ROLE_SYSTEM_STATICTEXT, u"作者"},
            {SearchLabel2, ROLE_SYSTEM_STATICTEXT, u"格律"},
            {SearchLabel4, ROLE_SYSTEM_STATICTEXT, u"标题"},
            {SearchLabel5, ROLE_SYSTEM_STATICTEXT, u"诗句"},
            {SearchLabel3, ROLE_SYSTEM_STATICTEXT, u"花开堪折直须折，莫待无花空折枝"},
        };
        std::vector<std::pair<const ui::Form*, Expected>> all;
        for (const Expected& control : onReader) {
            all.emplace_back(reader.get(), control);
        }
        for (const Expected& control : onSearch) {
            all.emplace_back(&Search(), control);
        }
        return all;
    }

    // The names the reader's own object gives its children, the controls' window objects.
    std::vector<std::u16string> ChildNames() const {
        std::vector<std::u16string> names;
        IAccessible* form = nullptr;
        if (FAILED(AccessibleObjectFromWindow(reader->Handle(), OBJID_CLIENT, __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&form)))) {
            return names;
        }
        long count = 0;
        form->get_accChildCount(&count);
        std::vector<VARIANT> children(static_cast<size_t>(std::max(count, 0L)));
        long got = 0;
        AccessibleChildren(form, 0, count, children.data(), &got);
        for (long i = 0; i < got; ++i) {
            VARIANT& child = children[static_cast<size_t>(i)];
            IAccessible* listed = nullptr;
            if (child.vt == VT_DISPATCH &&
                SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                         reinterpret_cast<void**>(&listed)))) {
                names.push_back(AskAccessible(listed).Name.value_or(u"-"));
                listed->Release();
            }
            VariantClear(&child);
        }
        form->Release();
        return names;
    }

    void ExpectEveryName(int index) const {
        for (const auto& [form, control] : EveryControl(index)) {
            const AccessibleFacts facts = Ask(form->Control(control.Id));
            EXPECT_EQ(facts.Role, control.Role) << control.Id;
            EXPECT_EQ(facts.Name, control.Name) << control.Id;
        }
        for (const ui::Form* form : {static_cast<const ui::Form*>(reader.get()),
                                     static_cast<const ui::Form*>(&Search())}) {
            const AccessibleFacts facts = Ask(form->Handle());
            EXPECT_EQ(facts.Role, ROLE_SYSTEM_CLIENT);
            EXPECT_EQ(facts.Name, u"鹭溪吟窗");
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

// Names stay right while the search window is hidden and shown again; a new poem renames the
// page and announces the caption.
TEST_F(Accessibility, EveryControlTellsItsNameRoleAndTextAndANewPoemIsAnnounced) {
    ExpectEveryName(0);
    EXPECT_EQ(std::ranges::count(ChildNames(), u"第一首"), 1) << "listed with their names";
    // The texts on the windows stay what a sighted user sees; tooltips become descriptions,
    // unless they would say the name again.
    EXPECT_EQ(ui::WindowText(ReaderControl(cmdMoveFirst)), u"|<");
    EXPECT_EQ(ui::WindowText(ReaderControl(Command2)), u"查询功能");
    EXPECT_EQ(Ask(ReaderControl(cmdMoveLast)).Description.value_or(u""), u"");
    EXPECT_EQ(Ask(SearchControl(lstTang)).Description, u"双击唐诗标题显示");
    // The page reads as a document whose value is its text; the fields read their text.
    EXPECT_EQ(Ask(ReaderControl(RichText1)).Value, PageText());
    EXPECT_EQ(Ask(ReaderControl(cboTang)).Value, ListEntry(0));
    TypeText(SearchControl(txtTitle), u"静夜");
    TypeText(SearchControl(cboAuthor), u"李白");
    EXPECT_EQ(Ask(SearchControl(cboAuthor)).Value, u"李白");
    EXPECT_EQ(Ask(SearchControl(txtContent)).Value, u"");
    Click(SearchControl(cmdCancel));
    ASSERT_FALSE(IsWindowVisible(Search().Handle()));
    EXPECT_EQ(Ask(SearchControl(txtTitle)).Name, u"标题");
    EXPECT_EQ(Ask(SearchControl(txtTitle)).Value, u"静夜");
    OpenSearch();

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
