// Times the vertical page on a poem at every limit of the loader (a title and an author of
// 4000 characters, verse and notes lines of 16000, verses and notes of 20000 each), with the real
// windows, and prints the medians: turning the page, scrolling to its last column, and stepping to
// the next poem while it is turned (and, to compare, while it is not).
#include "MessageLoop.h"
#include "Form1.h"
#include "Module1.h"
#include "ReaderLayout.h"
#include "Timing.h"
#include "VerticalPage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Two poems at every limit, in UTF-8 with its byte-order mark.
std::string PoemsAtEveryLimit() {
    const auto repeated = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "\xE9\x9D\x99"; // 静
        }
        return text;
    };
    const std::string name = repeated(4000);
    const std::string line = repeated(16000);
    std::string text = "\xEF\xBB\xBF";
    for (const char* title : {"A", "B"}) {
        text += std::string("<") + title + name + ">\r\n(" + name + ")\r\n";
        text += line + "\r\n" + line + "\r\n";
        text += "//" + line + "\r\n" + line + "//\r\n";
    }
    return text;
}

// Sends a key to `window` and waits until everything it caused is painted.
void PressAndPaint(HWND window, UINT key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    ui::DispatchPendingMessages();
    UpdateWindow(window);
}

} // namespace

int main() {
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-vertical-benchmark";
    fs::create_directories(folder);
    std::ofstream(folder / "ts.txt", std::ios::binary) << PoemsAtEveryLimit();

    std::vector<double> turns, ends, nexts, horizontalNexts;
    for (int round = 0; round < Rounds; ++round) {
        Module1 shared;
        Form1 reader(shared, folder / "ts.txt", [] {});
        reader.Form_Load();
        reader.Show();
        ui::DispatchPendingMessages();
        HWND box = reader.Control(RichText1);
        HWND page = FindWindowExW(reader.Handle(), nullptr, VerticalPage::ClassName, nullptr);
        horizontalNexts.push_back(Seconds([&] {
            reader.cmdMoveNext_Click();
            ui::DispatchPendingMessages();
            UpdateWindow(box);
        }));
        reader.cmdMovePrev_Click();
        turns.push_back(Seconds([&] { PressAndPaint(box, VK_F8); }));
        if (!IsWindowVisible(page)) {
            std::printf("F8 did not turn the page\n");
            return 1;
        }
        ends.push_back(Seconds([&] { PressAndPaint(page, VK_END); }));
        nexts.push_back(Seconds([&] {
            reader.cmdMoveNext_Click();
            ui::DispatchPendingMessages();
            UpdateWindow(page);
        }));
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
