// Times the vertical page on a poem at every limit of the loader (a title and an author of
// 4000 characters, verse and notes lines of 16000, verses and notes of 20000 each), with the real
// windows, and prints the medians: turning the page, scrolling to its last column, and stepping to
// the next poem while it is turned (and, to compare, stepping from a short poem to one at every
// limit while it is not).
#include "MessageLoop.h"
#include "Form1.h"
#include "Module1.h"
#include "ReaderLayout.h"
#include "PoemsAtEveryLimit.h"
#include "PressAndPaint.h"
#include "ReaderIds.h"
#include "Timing.h"
#include "VerticalPage.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main() {
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-vertical-benchmark";
    fs::create_directories(folder);
    WritePoemsAtEveryLimit(folder / "ts.txt");

    std::vector<double> turns, ends, nexts, horizontalNexts;
    for (int round = 0; round < Rounds; ++round) {
        Module1 shared;
        Form1 reader(shared, folder / "ts.txt", [] {});
        reader.Form_Load();
        reader.Show();
        ui::DispatchPendingMessages();
        HWND box = reader.Control(RichText1);
        HWND page = FindWindowExW(reader.Handle(), nullptr, VerticalPage::ClassName, nullptr);
        horizontalNexts.push_back(Seconds([&] { PressAndPaint(box, 0, reader, cmdMoveNext); }));
        turns.push_back(Seconds([&] { PressAndPaint(box, 0, reader, mnuVertical); }));
        if (!IsWindowVisible(page)) {
            std::printf("F8 did not turn the page\n");
            return 1;
        }
        ends.push_back(Seconds([&] { PressAndPaint(page, VK_END, reader); }));
        nexts.push_back(Seconds([&] { PressAndPaint(page, 0, reader, cmdMoveNext); }));
    }
    fs::remove_all(folder);

    std::printf("The vertical page on a poem at every limit, median of %d rounds:\n", Rounds);
    std::printf("  turning the page (F8, laid out and painted)   %8.1f ms   goal 1000 ms\n",
                Median(turns) * 1000);
    std::printf("  scrolling to the last column (End)            %8.1f ms   goal 1000 ms\n",
                Median(ends) * 1000);
    std::printf("  the next such poem while turned               %8.1f ms   goal 1000 ms\n",
                Median(nexts) * 1000);
    std::printf("  the same on the horizontal page, to compare   %8.1f ms\n",
                Median(horizontalNexts) * 1000);
    return 0;
}
