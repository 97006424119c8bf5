#include "AccessibleFacts.h"
#include "MessageBoxCatcher.h"
#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"
#include "SearchLayout.h"
#include "Utf8Bytes.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

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

} // namespace

TEST_F(Accessibility, EveryControlOfBothWindowsTellsItsNameRoleAndText) {
    ExpectEveryName(0);
    // The texts on the windows stay what a sighted user sees.
    EXPECT_EQ(ui::WindowText(ReaderControl(cmdMoveFirst)), u"|<");
    EXPECT_EQ(ui::WindowText(ReaderControl(cmdMoveLast)), u">|");
    EXPECT_EQ(ui::WindowText(ReaderControl(Command2)), u"查询功能");
    // Tooltips become descriptions, unless they would say the name again.
    EXPECT_EQ(Ask(ReaderControl(cmdMoveLast)).Description.value_or(u""), u"");
    EXPECT_EQ(Ask(SearchControl(lstTang)).Description, u"双击唐诗标题显示");
    // The page reads as a document whose value is its text; the fields read their text.
    const AccessibleFacts page = Ask(ReaderControl(RichText1));
    ASSERT_TRUE(page.Value.has_value());
    EXPECT_EQ(page.Value, PageText());
    EXPECT_NE(page.Value->find(u"A"), std::u16string::npos);
    EXPECT_EQ(Ask(ReaderControl(cboTang)).Value, ListEntry(0));
    TypeText(SearchControl(txtTitle), u"静夜");
    TypeText(SearchControl(cboAuthor), u"李白");
    EXPECT_EQ(Ask(SearchControl(txtTitle)).Value, u"静夜");
    EXPECT_EQ(Ask(SearchControl(cboAuthor)).Value, u"李白");
    EXPECT_EQ(Ask(SearchControl(txtContent)).Value, u"");
}

namespace {

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
TEST_F(Accessibility, NamesStayRightAndANewPoemRenamesThePageAndAnnouncesTheCaption) {
    TypeText(SearchControl(txtContent), u"B");
    Click(SearchControl(cmdCancel));
    ASSERT_FALSE(IsWindowVisible(Search().Handle()));
    EXPECT_EQ(Ask(SearchControl(txtContent)).Name, u"诗句");
    EXPECT_EQ(Ask(SearchControl(txtContent)).Value, u"B");
    Click(SearchControl(cmdSearch)); // the hidden window still searches when asked
    OpenSearch();
    EXPECT_EQ(Ask(SearchControl(txtContent)).Value, u"B");

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

TEST_F(Accessibility, AnEmptyAnthologyReportsAnEmptyPageNotTheLastOne) {
    Restart();
    const std::string nothing;
    {
        const MessageBoxCatcher catcher; // the file holds no poem, and the user is told
        Start(&nothing);
        ASSERT_EQ(catcher.Boxes().size(), 1u);
    }
    const AccessibleFacts page = Ask(ReaderControl(RichText1));
    EXPECT_EQ(page.Role, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(page.Name, u"");
    EXPECT_EQ(page.Value, u"");
    EXPECT_EQ(Ask(ReaderControl(lblInfo)).Name, u"青简雅韵集");
    EXPECT_EQ(Ask(ReaderControl(cboTang)).Value, u"点击这里直接选择要查看的唐诗");
    EXPECT_EQ(Ask(ReaderControl(cmdMoveNext)).Name, u"下一首");
}

TEST_F(Accessibility, AVeryLongTitleIsShortenedBetweenCharacters) {
    Restart();
    // 3999 units of characters outside the basic plane, each a surrogate pair, after one
    // ordinary character: every cut between units falls inside a pair but for the first.
    const std::u8string title = u8"静" + Repeated(u8"\U00020000", 1999);
    StartWithUtf8(u8"<" + title + u8">\r\n(李白)\r\nA\r\n//N//\r\n");
    const std::u16string name = Ask(ReaderControl(RichText1)).Name.value_or(u"");
    ASSERT_GT(name.size(), 10u);
    EXPECT_LT(name.size(), 400u);
    EXPECT_EQ(name.substr(name.size() - 4), u"… 李白");
    for (size_t i = 0; i + 1 < name.size(); ++i) {
        const bool high = name[i] >= 0xD800 && name[i] <= 0xDBFF;
        const bool low = name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF;
        ASSERT_EQ(high, low) << "a surrogate pair split at " << i;
    }
    EXPECT_EQ(Utf16(title).substr(0, name.size() - 4), name.substr(0, name.size() - 4));
}

namespace {

// Runs the probe beside this program on `windows` and answers its calls meanwhile, as a
// program must while a screen reader asks it. Returns its report, line by line.
std::vector<std::string> ProbeFromAnotherProcess(const std::vector<HWND>& windows) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(self).parent_path();
    const std::filesystem::path report =
        std::filesystem::temp_directory_path() / "tang-accessible-probe.txt";
    std::filesystem::remove(report);
    std::wstring command =
        L"\"" + (folder / L"AccessibleProbe.exe").wstring() + L"\" \"" + report.wstring() + L"\"";
    for (HWND window : windows) {
        std::wostringstream hex;
        hex << L' ' << std::hex << reinterpret_cast<uintptr_t>(window);
        command += hex.str();
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION probe{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &probe)) {
        ADD_FAILURE() << "the probe did not start";
        return {};
    }
    const DWORD started = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &probe.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount() - started < 60000) {
        ui::DispatchPendingMessages();
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(probe.hProcess, &exitCode);
    CloseHandle(probe.hThread);
    CloseHandle(probe.hProcess);
    EXPECT_EQ(exitCode, 0u);
    std::vector<std::string> lines;
    std::ifstream in(report, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST_F(Accessibility, AnotherProcessIsToldTheSameAsThisOne) {
    const std::vector<std::string> lines =
        ProbeFromAnotherProcess({reader->Handle(), Search().Handle()});
    std::map<int, std::string> controls;
    size_t windows = 0;
    size_t namedChildren = 0;
    for (const std::string& line : lines) {
        if (line.rfind("control\t", 0) == 0) {
            const size_t tab = line.find('\t', 8);
            controls[std::stoi(line.substr(8, tab - 8))] = line.substr(tab + 1);
        } else if (line == "window\t" + std::to_string(ROLE_SYSTEM_CLIENT) + "\t" +
                               Utf8Bytes(u"鹭溪吟窗")) {
            ++windows;
        } else if (line.rfind("child\t", 0) == 0 && line.find(Utf8Bytes(u"第一首")) != line.npos) {
            ++namedChildren;
        }
    }
    EXPECT_EQ(windows, 2u);
    EXPECT_EQ(namedChildren, 1u) << "the reader's children are listed with their names";
    for (const auto& [form, control] : EveryControl(0)) {
        const auto found = controls.find(control.Id);
        ASSERT_NE(found, controls.end()) << control.Id;
        const std::string expected = std::to_string(control.Role) + "\t" + Utf8Bytes(control.Name);
        EXPECT_EQ(found->second.substr(0, expected.size()), expected) << control.Id;
    }
    const std::string page = controls[RichText1];
    std::u16string text = PageText();
    for (char16_t& c : text) {
        c = c == u'\r' || c == u'\n' ? u' ' : c;
    }
    EXPECT_EQ(page.substr(page.rfind('\t') + 1), Utf8Bytes(text));
}
