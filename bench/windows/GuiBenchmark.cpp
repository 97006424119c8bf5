// Times the reader's whole start-up and a search that lists every poem, on the largest
// anthology the program accepts, with the real windows, and prints the medians.
#include "AnthologyGenerator.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "TangLoader.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Rounds = 5;

double Seconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

class NoSink final : public TangSink {
public:
    void AddRhyme(const std::u16string&) override {}
    void AddAuthor(const std::u16string&) override {}
    void ForgetAll() override {}
};

} // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const fs::path folder = fs::temp_directory_path() / "tang-gui-benchmark";
    fs::create_directories(folder);
    AnthologyShape shape;
    shape.Poems = MaxTangs;
    std::ofstream(folder / "ts.txt", std::ios::binary) << GenerateAnthology(shape);

    std::vector<double> loads, startups, searches;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<TangRecord> tangs;
        NoSink sink;
        loads.push_back(Seconds([&] { LoadTangsFile(folder / "ts.txt", tangs, sink); }));

        Module1 shared;
        Form1 reader(shared, folder / "ts.txt", [] {});
        startups.push_back(Seconds([&] { reader.Form_Load(); }));
        reader.Show();
        reader.Command2_Click();
        ui::DispatchPendingMessages();
        searches.push_back(Seconds([&] { reader.SearchWindow().cmdSearch_Click(); }));
        if (reader.SearchWindow().Results().ListCount() != MaxTangs) {
            std::printf("the search listed %d poems, not %d\n",
                        reader.SearchWindow().Results().ListCount(), MaxTangs);
            return 1;
        }
        ui::DispatchPendingMessages();
    }
    fs::remove_all(folder);

    std::printf("GUI benchmarks on %d poems, median of %d rounds:\n", MaxTangs, Rounds);
    std::printf("  library load alone (LoadTangsFile)   %8.1f ms\n", Median(loads) * 1000);
    std::printf("  reader start-up (Form_Load)          %8.1f ms   goal 1000 ms\n",
                Median(startups) * 1000);
    std::printf("  search listing every poem            %8.1f ms   goal  300 ms\n",
                Median(searches) * 1000);
    return 0;
}
