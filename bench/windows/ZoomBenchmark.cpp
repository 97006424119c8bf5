// Times the page's zoom on a poem at every limit of the loader, with the real windows: showing
// the poem at 100 % and at 400 %, one zoom step, and five steps pressed faster than the page can
// follow them; and the process's peak working set once the poem is shown at the size asked.
//
//   TangReaderZoomBenchmark.exe PERCENT      (100 or 400; each percent in its own process, so
//                                             that each peak is its own)
#include "Form1.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "PoemsAtEveryLimit.h"
#include "ReaderIds.h"
#include "TextZoom.h"
#include "Timing.h"

#include <psapi.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The size the box draws its first character at, in twips: the title's, 240 at 100 %.
LONG TitleTwips(HWND box) {
    SendMessageW(box, EM_SETSEL, 0, 1);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(box, EM_SETSEL, 0, 0);
    return format.yHeight;
}

// Handles every message waiting, then has the box painted: it is laid out by then.
void HandleAndPaint(HWND box) {
    ui::DispatchPendingMessages();
    UpdateWindow(box);
}

// Stops the benchmark when the box does not draw the title at `percent`.
void ExpectShownAt(HWND box, int percent) {
    if (TitleTwips(box) != ZoomedTwips(240, percent)) {
        std::printf("the page is not shown at %d %%\n", percent);
        std::exit(1);
    }
}

// Ctrl+= or Ctrl+-, as the keyboard queues them.
void PressZoomKey(HWND box, UINT key) {
    BYTE keys[256]{};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(box, WM_KEYDOWN, key, 1);
    PostMessageW(box, WM_KEYUP, key, 0xC0000001);
}

double PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    const int percent = argc > 1 ? std::atoi(argv[1]) : 100;
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-zoom-benchmark";
    fs::create_directories(folder);
    WritePoemsAtEveryLimit(folder / "ts.txt");

    Module1 shared;
    Form1 reader(shared, folder / "ts.txt", [] {});
    reader.Form_Load(); // shows the short poem first
    reader.Show();
    ui::DispatchPendingMessages();
    HWND box = reader.Control(RichText1);
    while (reader.Zoom().Percent() < percent) {
        reader.RunCommand(mnuZoomIn);
    }
    HandleAndPaint(box);
    const double show = Seconds([&] {
        reader.RunCommand(cmdMoveNext);
        HandleAndPaint(box);
    });
    ExpectShownAt(box, percent);
    const double peak = PeakMegabytes();
    // From the normal size a step in, from the largest a step out.
    const int direction = percent < LargestZoom ? 1 : -1;
    const double step = Seconds([&] {
        reader.RunCommand(direction > 0 ? mnuZoomIn : mnuZoomOut);
        HandleAndPaint(box);
    });
    ExpectShownAt(box, ZoomBy(percent, direction));
    const int stepped = reader.Zoom().Percent();
    const double five = Seconds([&] {
        for (int press = 0; press < 5; ++press) {
            PressZoomKey(box, direction > 0 ? VK_OEM_PLUS : VK_OEM_MINUS);
        }
        HandleAndPaint(box);
    });
    ExpectShownAt(box, ZoomBy(stepped, 5 * direction));
    fs::remove_all(folder);

    std::printf("The page at every limit, shown at %d %%:\n", percent);
    std::printf("  showing the poem                     %8.0f ms\n", show * 1000);
    std::printf("  peak working set once shown          %8.0f MiB\n", peak);
    std::printf("  one step (to %d %%)                  %8.0f ms\n", stepped, step * 1000);
    std::printf("  five more pressed at once (to %d %%)  %8.0f ms\n", reader.Zoom().Percent(),
                five * 1000);
    return 0;
}
