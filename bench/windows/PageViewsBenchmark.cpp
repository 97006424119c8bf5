// Times the page's two other views, 竖排 and 拼音, on a poem at every limit of the loader (a
// title and an author of 4000 characters, verse and notes lines of 16000, verses and notes of
// 20000 each), with the real windows, and prints the medians: switching to the view, scrolling
// to its end, and stepping to the next such poem while it is on, against the same step on the
// horizontal page.
#include "Form1.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "PinyinPage.h"
#include "PoemsAtEveryLimit.h"
#include "PressAndPaint.h"
#include "ReaderIds.h"
#include "ReaderLayout.h"
#include "Timing.h"
#include "VerticalPage.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct ViewFigures {
    std::vector<double> Switches, Ends, Nexts, HorizontalNexts;
};

// The rounds of one view, shown by `command`, whose window is of `className`; false when the
// command did not show it.
bool TimeView(const fs::path& file, const wchar_t* className, int command, ViewFigures& figures) {
    for (int round = 0; round < Rounds; ++round) {
        Module1 shared;
        Form1 reader(shared, file, [] {});
        reader.Form_Load();
        reader.Show();
        ui::DispatchPendingMessages();
        HWND box = reader.Control(RichText1);
        HWND view = FindWindowExW(reader.Handle(), nullptr, className, nullptr);
        figures.HorizontalNexts.push_back(
            Seconds([&] { PressAndPaint(box, 0, reader, cmdMoveNext); }));
        figures.Switches.push_back(Seconds([&] { PressAndPaint(box, 0, reader, command); }));
        if (!IsWindowVisible(view)) {
            return false;
        }
        figures.Ends.push_back(Seconds([&] { PressAndPaint(view, VK_END, reader); }));
        figures.Nexts.push_back(Seconds([&] { PressAndPaint(view, 0, reader, cmdMoveNext); }));
    }
    return true;
}

void Print(const char* view, const char* key, const ViewFigures& figures, int switchGoal) {
    std::printf("%s on a poem at every limit, median of %d rounds:\n", view, Rounds);
    std::printf("  switching to it (%s, laid out and painted)  %8.1f ms   goal %d ms\n", key,
                Median(figures.Switches) * 1000, switchGoal);
    std::printf("  scrolling to its end (End)                  %8.1f ms   goal 1000 ms\n",
                Median(figures.Ends) * 1000);
    std::printf("  the next such poem while it is on           %8.1f ms   goal: as below\n",
                Median(figures.Nexts) * 1000);
    std::printf("  the same on the horizontal page             %8.1f ms\n",
                Median(figures.HorizontalNexts) * 1000);
}

} // namespace

int main() {
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-views-benchmark";
    fs::create_directories(folder);
    WritePoemsAtEveryLimit(folder / "vertical.txt");
    // The readings are chosen from the words around each character: verses of many words.
    std::u16string verse;
    while (verse.size() < 16000) {
        verse += u"少小离家老大回乡音无改鬓毛衰儿童相见不相识笑问客从何处来";
    }
    verse.resize(16000);
    WritePoemsAtEveryLimit(folder / "pinyin.txt", verse);

    ViewFigures vertical, pinyin;
    const bool shown =
        TimeView(folder / "vertical.txt", VerticalPage::ClassName, mnuVertical, vertical) &&
        TimeView(folder / "pinyin.txt", PinyinPage::ClassName, mnuPinyin, pinyin);
    fs::remove_all(folder);
    if (!shown) {
        std::printf("a view did not come when asked for\n");
        return 1;
    }
    Print("The vertical page (竖排)", "F8", vertical, 1000);
    Print("The page with its readings (拼音)", "F7", pinyin, 150);
    return 0;
}
