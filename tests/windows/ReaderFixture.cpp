#include "ReaderFixture.h"

#include "AnthologyText.h"
#include "Controls.h"
#include "MessageLoop.h"
#include "PageText.h"
#include "ReaderLayout.h"

#include <fstream>
#include <richedit.h>

namespace fs = std::filesystem;

std::u16string Utf16(const std::u8string& text) {
    return DecodeUtf8(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

std::u8string Repeated(std::u8string_view text, int count) {
    std::u8string repeated;
    for (int i = 0; i < count; ++i) {
        repeated += text;
    }
    return repeated;
}

void ReaderFixture::Start(const std::string* bytes) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = fs::temp_directory_path() /
             (std::string("tang-gui-") + test->test_suite_name() + "-" + test->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (bytes != nullptr) {
        std::ofstream(folder / "ts.txt", std::ios::binary) << *bytes;
    }
    reader = std::make_unique<Form1>(shared, folder / "ts.txt", [this] { programEnded = true; });
    reader->Form_Load();
    reader->Show();
    reader->ReportLoadProblems();
    ui::DispatchPendingMessages();
}

void ReaderFixture::StartWithUtf8(const std::u8string& text) {
    const std::string bytes = "\xEF\xBB\xBF" + std::string(text.begin(), text.end());
    Start(&bytes);
}

void ReaderFixture::OpenSearch() {
    reader->Command2_Click();
    ui::DispatchPendingMessages();
}

void ReaderFixture::TearDown() {
    reader.reset();
    ui::DispatchPendingMessages();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

void ReaderFixture::Click(HWND control) {
    SendMessageW(control, BM_CLICK, 0, 0);
    ui::DispatchPendingMessages();
}

std::u16string ReaderFixture::PageText() const {
    return ui::WindowText(ReaderControl(RichText1));
}

std::u16string ReaderFixture::RunsOf(int index) const {
    std::u16string text;
    for (const PageRun& run : PageRuns(shared.Tangs.at(static_cast<size_t>(index)))) {
        text += run.Text;
    }
    return text;
}

ReaderFixture::PageFormat ReaderFixture::PageFormatAt(long position) const {
    HWND page = ReaderControl(RichText1);
    SendMessageW(page, EM_SETSEL, position, position + 1);
    CHARFORMAT2W character{};
    character.cbSize = sizeof character;
    SendMessageW(page, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&character));
    PARAFORMAT2 paragraph{};
    paragraph.cbSize = sizeof paragraph;
    SendMessageW(page, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    SendMessageW(page, EM_SETSEL, 0, 0);
    return {(character.dwEffects & CFE_AUTOCOLOR) != 0, character.crTextColor,
            (character.dwEffects & CFE_BOLD) != 0, character.yHeight, paragraph.wAlignment};
}

int ReaderFixture::PageZoom() const {
    UpdateWindow(ReaderControl(RichText1)); // the box lays a new zoom out when it is painted
    return static_cast<int>(PageFormatAt(0).Size * 100 / 240);
}

void ReaderFixture::MoveToDpi(int dpi) {
    RECT window{};
    GetWindowRect(reader->Handle(), &window);
    RECT suggested{window.left, window.top, window.left + 483 * dpi / 96 + 20,
                   window.top + 441 * dpi / 96 + 40};
    SendMessageW(reader->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    ui::DispatchPendingMessages();
    ASSERT_EQ(reader->Dpi(), dpi);
}

std::u16string ReaderFixture::Caption() const {
    return ui::WindowText(ReaderControl(lblInfo));
}

void ReaderFixture::ExpectShowing(int index) const {
    EXPECT_EQ(shared.CurrentIndex, index);
    EXPECT_EQ(ui::ComboBox(ReaderControl(cboTang)).ListIndex(), index);
    EXPECT_EQ(Caption(), u"青简雅韵集 第" + ToDecimal(index + 1) + u"首");
    const std::u16string& title = shared.Tangs.at(static_cast<size_t>(index)).Title;
    EXPECT_EQ(PageText().substr(0, title.size()), title);
}

std::vector<ReaderFixture::Result> ReaderFixture::Results() const {
    const ui::ListBox list = Search().Results();
    std::vector<Result> entries;
    for (int i = 0; i < list.ListCount(); ++i) {
        entries.push_back({list.List(i), list.ItemData(i)});
    }
    return entries;
}

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void TypeText(HWND control, const std::u16string& text) {
    HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr); // a combo box's edit field
    HWND target = edit != nullptr ? edit : control;
    for (const char16_t character : text) {
        SendMessageW(target, WM_CHAR, character, 1);
    }
    ui::DispatchPendingMessages();
}

void ExpectTabOrder(const ui::Form& form, const std::vector<int>& ids) {
    SetFocus(form.Control(ids.front()));
    for (size_t step = 0; step < ids.size(); ++step) {
        HWND control = form.Control(ids[step]);
        EXPECT_TRUE(GetFocus() == control || GetParent(GetFocus()) == control) << "step " << step;
        PressKey(VK_TAB);
    }
}
