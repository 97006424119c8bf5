#include "MessageBoxCatcher.h"
#include "Painted.h"
#include "ReaderFixture.h"

#include "MessageLoop.h"
#include "PageText.h"
#include "PinyinPage.h"
#include "ProgramTexts.h"
#include "ReaderIds.h"
#include "SearchLayout.h"
#include "VerticalPage.h"
#include "Voice.h"

#include <algorithm>
#include <richedit.h>

namespace {

// On the page of poem 0, where a line break counts one: 静夜思 0-2, 李白 4-5, then the verses
// 床前明月光， at 8-13 and 疑是地上霜。 at 15-20.
const std::u8string Anthology =
    std::u8string(u8"<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
                  u8"//注：床，井栏。//\r\n") +
    u8"<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//（）//\r\n"
    u8"<长>\r\n(某)\r\n" +
    Repeated(u8"一二三四五六七，\r\n", 300) + u8"//N//\r\n";
// On the long poem's page, verse `k` starts at 5 + 9 k.
constexpr long LongVerseAt(long k) {
    return 5 + 9 * k;
}

// Stands in for the system's voice: keeps what it is asked to say and to stop, and answers as
// the test sets it to. The test tells the reader of its progress, as its message loop would.
struct Recording {
    std::vector<std::vector<std::u16string>> Asked;
    int Stops = 0;
    ui::SpeakOutcome Answer = ui::SpeakOutcome::Speaking;
    ui::VoiceEvents Told;
};

class RecordingVoice final : public ui::Voice {
public:
    RecordingVoice(Recording& recording, ui::VoiceEvents told) : recording_(recording) {
        recording_.Told = std::move(told);
    }
    ui::SpeakOutcome Speak(const std::vector<std::u16string>& texts) override {
        recording_.Asked.push_back(texts);
        return recording_.Answer;
    }
    void Stop() override { ++recording_.Stops; }

private:
    Recording& recording_;
};

class ReadAloud : public ReaderFixture {
protected:
    void SetUp() override {
        StartWithUtf8(Anthology);
        reader->UseVoice([this](ui::VoiceEvents told) {
            return std::make_unique<RecordingVoice>(voice, std::move(told));
        });
        SetFocus(Box());
    }
    HWND Box() const { return ReaderControl(RichText1); }
    void Reach(size_t line) {
        voice.Told.Reading(line);
        ui::DispatchPendingMessages();
    }
    std::vector<long> ReadAt(std::initializer_list<long> positions) const {
        return CharactersOn(Box(), positions, ReadingColour);
    }
    bool ReadingChecked() {
        const MenuSeen menu = RightClickMenu(Box());
        const auto item = std::ranges::find(menu.Items, u"朗读(&T)\tCtrl+Shift+U");
        EXPECT_NE(item, menu.Items.end());
        return item != menu.Items.end() && menu.Checked[item - menu.Items.begin()];
    }
    // Starts reading with the key, and checks that a way of stopping stopped it.
    void StartReading() {
        PressChord('U', true, true);
        ASSERT_TRUE(ReadingChecked());
        Reach(2);
        ASSERT_FALSE(ReadAt({8}).empty());
    }
    void ExpectStoppedBy(const char* way, int stopsBefore) {
        EXPECT_GT(voice.Stops, stopsBefore) << way;
        EXPECT_TRUE(ReadAt({0, 8, 15}).empty()) << way << ": the mark has gone";
        EXPECT_FALSE(ReadingChecked()) << way;
    }

    Recording voice;
};

} // namespace

// The voice is given the title, the author and each verse without their punctuation's signs,
// and the line it has reached is marked in every view until it has read the last.
TEST_F(ReadAloud, TheVoiceGetsThePoemLineByLineAndItsLineIsMarkedInEveryView) {
    EXPECT_FALSE(ReadingChecked());
    PressChord('U', true, true);
    ASSERT_EQ(voice.Asked.size(), 1u);
    EXPECT_EQ(voice.Asked[0],
              (std::vector<std::u16string>{u"静夜思", u"李白", u"床前明月光，", u"疑是地上霜。"}));
    EXPECT_TRUE(ReadingChecked());
    EXPECT_TRUE(ReadAt({0, 8, 15}).empty()) << "nothing is marked before the voice begins";

    Reach(0);
    EXPECT_EQ(ReadAt({0, 2, 4, 8}), (std::vector<long>{0, 2}));
    Reach(2);
    EXPECT_EQ(ReadAt({0, 7, 8, 13, 15}), (std::vector<long>{8, 13}));

    // In the views that draw the page themselves, the cell at `position` on the line's colour.
    const auto readIn = [](PageView& view, uint32_t position) {
        const Painted painted(view.Handle());
        const RECT cell = view.CellRect(position).value();
        return painted.Bounds(cell, [](COLORREF c) { return c == ReadingColour; }).right >
               cell.left;
    };
    reader->RunCommand(mnuVertical);
    VerticalPage& vertical = *VerticalPage::FromWindow(
        FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr));
    EXPECT_TRUE(readIn(vertical, 10));
    EXPECT_FALSE(readIn(vertical, 16));
    Reach(3);
    EXPECT_FALSE(readIn(vertical, 10)) << "the mark follows the voice";
    EXPECT_TRUE(readIn(vertical, 16));
    reader->RunCommand(mnuPinyin);
    PinyinPage& pinyin = *PinyinPage::FromWindow(
        FindWindowExW(reader->Handle(), nullptr, PinyinPage::ClassName, nullptr));
    EXPECT_TRUE(readIn(pinyin, 16));
    EXPECT_FALSE(readIn(pinyin, 10));
    reader->RunCommand(mnuPinyin);
    EXPECT_EQ(ReadAt({8, 15, 20}), (std::vector<long>{15, 20}));

    voice.Told.Finished();
    ui::DispatchPendingMessages();
    EXPECT_TRUE(ReadAt({0, 8, 15, 20}).empty());
    EXPECT_FALSE(ReadingChecked());

    reader->RunCommand(mnuReadNotes);
    ASSERT_EQ(voice.Asked.size(), 2u);
    EXPECT_EQ(voice.Asked[1], std::vector<std::u16string>{u"注，床，井栏。"});
}

// While a long poem is read the reader answers as ever, and the page follows the voice.
TEST_F(ReadAloud, ALongPoemScrollsAlongAsItIsReadAndTheReaderAnswersMeanwhile) {
    PressChord(VK_END, false, false, true);
    ExpectShowing(2);
    PressChord('U', true, true);
    ASSERT_EQ(voice.Asked.back().size(), 302u);
    Reach(301);
    EXPECT_GT(SendMessageW(Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 250);
    EXPECT_EQ(ReadAt({LongVerseAt(298), LongVerseAt(299)}), std::vector<long>{LongVerseAt(299)});

    PressChord(VK_OEM_PLUS, true);
    SendMessageW(Box(), EM_SETSEL, LongVerseAt(299), LongVerseAt(299) + 2);
    PressChord('C', true);
    EXPECT_EQ(ClipboardUnicode(), u"一二");
    SendMessageW(Box(), EM_SETSEL, 0, 0);
    EXPECT_TRUE(ReadingChecked()) << "zooming and copying leave it reading";

    PressKey(VK_F8);
    VerticalPage& vertical = *VerticalPage::FromWindow(
        FindWindowExW(reader->Handle(), nullptr, VerticalPage::ClassName, nullptr));
    ASSERT_TRUE(vertical.IsOn());
    Reach(300);
    const RECT cell = vertical.CellRect(LongVerseAt(298)).value();
    RECT client{};
    GetClientRect(vertical.Handle(), &client);
    EXPECT_TRUE(cell.left >= 0 && cell.right <= client.right) << "the columns follow too";
}

// The same command, Escape on the page, another poem, a search result and closing the window
// each silence the voice at once.
TEST_F(ReadAloud, EveryWayOfStoppingSilencesTheVoice) {
    StartReading();
    int stops = voice.Stops;
    PressChord('U', true, true);
    ExpectStoppedBy("the command again", stops);

    StartReading();
    stops = voice.Stops;
    PressKey(VK_ESCAPE);
    ExpectStoppedBy("Escape on the page", stops);

    StartReading();
    stops = voice.Stops;
    PressChord(VK_NEXT, true);
    ExpectShowing(1);
    ExpectStoppedBy("the next poem", stops);
    const MenuSeen menu = RightClickMenu(Box());
    const auto notes = std::ranges::find(menu.Items, u"朗读注释");
    ASSERT_NE(notes, menu.Items.end());
    EXPECT_TRUE(menu.Greyed[notes - menu.Items.begin()]) << "notes with nothing to say";

    Click(ReaderControl(cmdMovePrev));
    OpenSearch();
    SetWindowTextW(SearchControl(txtContent), L"明月");
    Click(SearchControl(cmdSearch));
    SetFocus(Box());
    StartReading();
    stops = voice.Stops;
    Search().OpenResult(0);
    ExpectShowing(0);
    ExpectStoppedBy("a result opened, even of the poem read", stops);

    StartReading();
    stops = voice.Stops;
    reader->RunCommand(Command3);
    EXPECT_GT(voice.Stops, stops) << "closing the window";
    EXPECT_TRUE(programEnded);
}

// Without a voice that speaks Chinese, or when the voice refuses, the user is told once what to
// install, and the reader goes on; the real system voice under this test's system is one of
// those cases or reads.
TEST_F(ReadAloud, WithoutAVoiceTheUserIsToldOnceWhatToInstall) {
    const MessageBoxCatcher catcher;
    for (const ui::SpeakOutcome answer :
         {ui::SpeakOutcome::NoChineseVoice, ui::SpeakOutcome::Failed}) {
        voice.Answer = answer;
        PressChord('U', true, true);
        ui::DispatchPendingMessages();
        EXPECT_FALSE(ReadingChecked());
    }
    ASSERT_EQ(catcher.Boxes().size(), 2u);
    EXPECT_EQ(catcher.Boxes()[0].Text, texts::NoChineseVoiceMessage);
    EXPECT_EQ(catcher.Boxes()[1].Text, texts::SpeechFailedMessage);
    for (const auto& box : catcher.Boxes()) {
        EXPECT_NE(box.Text.find(u"语音包"), std::u16string::npos);
        EXPECT_NE(box.Text.find(u"设置 → 时间和语言 → 语音"), std::u16string::npos);
        EXPECT_TRUE(box.InformationAndOk);
        EXPECT_EQ(box.Caption, texts::ProgramName);
    }

    reader->UseVoice({}); // the system's own
    PressChord('U', true, true);
    ui::DispatchPendingMessages();
    if (catcher.Boxes().size() == 2) { // this system's voice reads Chinese
        EXPECT_TRUE(ReadingChecked());
        PressChord('U', true, true);
        return;
    }
    ASSERT_EQ(catcher.Boxes().size(), 3u);
    // Wine's speech finds a voice of no language and then refuses to speak with it.
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    if (wine) {
        EXPECT_EQ(catcher.Boxes()[2].Text, texts::SpeechFailedMessage);
    } else {
        EXPECT_TRUE(catcher.Boxes()[2].Text == texts::NoChineseVoiceMessage ||
                    catcher.Boxes()[2].Text == texts::SpeechFailedMessage);
    }
    EXPECT_FALSE(ReadingChecked());
    Click(ReaderControl(cmdMoveNext));
    ExpectShowing(1);
}
