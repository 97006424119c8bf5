#include "ReaderFixture.h"

#include "AnthologyText.h"
#include "Controls.h"
#include "DialogKeys.h"
#include "ReaderLayout.h"

#include <fstream>
#include <richedit.h>

namespace fs = std::filesystem;

std::u16string Utf16(const std::u8string& text) {
    return DecodeUtf8(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
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
    Pump();
}

void ReaderFixture::StartWithUtf8(const std::u8string& text) {
    const std::string bytes = "\xEF\xBB\xBF" + std::string(text.begin(), text.end());
    Start(&bytes);
}

void ReaderFixture::TearDown() {
    reader.reset();
    Pump();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

void ReaderFixture::Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!ui::TranslateDialogKeys(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void ReaderFixture::Click(HWND control) {
    SendMessageW(control, BM_CLICK, 0, 0);
    Pump();
}

std::u16string ReaderFixture::PageText() const {
    HWND box = ReaderControl(RichText1);
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_USECRLF | GTL_PRECISE, 1200};
    const auto size = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::u16string text(static_cast<size_t>(size) + 1, u'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(char16_t));
    request.flags = GT_USECRLF;
    request.codepage = 1200;
    const auto copied = SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::u16string ReaderFixture::ListEntry(int index) const {
    return ui::ComboBox(ReaderControl(cboTang)).List(index);
}
