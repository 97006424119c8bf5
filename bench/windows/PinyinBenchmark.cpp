// Times the 拼音 view on a poem at every limit of the loader (a title and an author of 4000
// characters, verse and notes lines of 16000, verses and notes of 20000 each, the verses a
// well-known poem over and over), with the real windows, and prints the medians: switching to
// the view, scrolling to its end, and stepping to the next poem while it is on, against the
// same step on the horizontal page.
#include "Form1.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "PinyinPage.h"
#include "PoemsAtEveryLimit.h"
#include "PressAndPaint.h"
#include "ReaderIds.h"
#include "ReaderLayout.h"
#include "Timing.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main() {
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-pinyin-benchmark";
    fs::create_directories(folder);
    std::u16string verse;
    while (verse.size() < 16000) {
        verse += u"少小离家老大回乡音无改鬓毛衰儿童相见不相识笑问客从何处来";
    }
    verse.resize(16000);
    WritePoemsAtEveryLimit(folder / "ts.txt", verse);

    std::vector<double> switches, ends, nexts, horizontalNexts;
    for (int round = 0; round < Rounds; ++round) {
        Module1 shared;
        Form1 reader(shared, folder / "ts.txt", [] {});
        reader.Form_Load();
        reader.Show();
        ui::DispatchPendingMessages();
        HWND box = reader.Control(RichText1);
        HWND page = FindWindowExW(reader.Handle(), nullptr, PinyinPage::ClassName, nullptr);
        horizontalNexts.push_back(Seconds([&] { PressAndPaint(box, 0, reader, cmdMoveNext); }));
        switches.push_back(Seconds([&] { PressAndPaint(box, 0, reader, mnuPinyin); }));
        if (!IsWindowVisible(page)) {
            std::printf("F7 did not switch the view\n");
            return 1;
        }
        ends.push_back(Seconds([&] { PressAndPaint(page, VK_END, reader); }));
        nexts.push_back(Seconds([&] { PressAndPaint(page, 0, reader, cmdMoveNext); }));
    }
    fs::remove_all(folder);

    std::printf("The 拼音 view on a poem at every limit, median of %d rounds:\n", Rounds);
    std::printf("  switching to the view (F7, laid out and painted) %8.1f ms   goal 150 ms\n",
                Median(switches) * 1000);
    std::printf("  scrolling to its end (End)                       %8.1f ms\n",
                Median(ends) * 1000);
    std::printf("  the next such poem in the view                   %8.1f ms   goal <= below\n",
                Median(nexts) * 1000);
    std::printf("  the same on the horizontal page                  %8.1f ms\n",
                Median(horizontalNexts) * 1000);
    return 0;
}
