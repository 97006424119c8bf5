// Times the reader's whole start-up, the searches on the largest anthology the program accepts,
// a step to the next poem and to the next of every poem as results, how long a page with one
// long notes line takes to show, and the longest page with and without a search's marks, with
// the real windows, and prints the medians. The floor of the search that lists every poem is a
// plain list box of the same size given the same entries and values, with its redrawing off, as
// fast as the system fills a list.
#include "AnthologyGenerator.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "PoemsAtEveryLimit.h"
#include "ReaderIds.h"
#include "TangLoader.h"
#include "TangSearch.h"
#include "Timing.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Each search figure times this many searches, so that one is well above the timer's grain.
constexpr int SearchesTimed = 20;
// Lengths of the single notes line whose page is timed.
constexpr size_t NoteLengths[] = {4000, 8000, 12000, 16000, 20000};

// Fills a plain list box, a child of the search window, with the entries and values the search
// gave, and times only the filling.
double FillPlainList(HWND parent, const std::vector<std::u16string>& entries) {
    RECT area{};
    GetClientRect(parent, &area);
    HWND list = CreateWindowExW(0, L"LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0,
                                area.right / 2, area.bottom, parent, nullptr, nullptr, nullptr);
    const double seconds = Seconds([&] {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        for (size_t i = 0; i < entries.size(); ++i) {
            const auto at =
                SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i].c_str()));
            SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        UpdateWindow(list);
    });
    DestroyWindow(list);
    return seconds;
}

class NoSink final : public TangSink {
public:
    void AddRhyme(const std::u16string&) override {}
    void AddAuthor(const std::u16string&) override {}
    void ForgetAll() override {}
};

// Seconds one search with these criteria takes, averaged over SearchesTimed searches; fails
// when it finds nothing, since then it would time nothing worth knowing.
double SearchSeconds(const std::vector<TangRecord>& tangs, const SearchCriteria& criteria) {
    size_t found = 0;
    const double seconds = Seconds([&] {
        for (int i = 0; i < SearchesTimed; ++i) {
            found += SearchTangs(tangs, criteria).size();
        }
    });
    if (found == 0) {
        std::printf("a timed search found nothing\n");
        std::exit(1);
    }
    return seconds / SearchesTimed;
}

// A commentary of `units` characters kept on one line, as the loader stores a one-line note:
// varied ideographs with a comma and a full stop now and then, so that the page lays it out
// as it would real prose.
std::u16string OneLineNote(size_t units) {
    std::u16string note(units, u'，');
    for (size_t i = 0; i < units; ++i) {
        note[i] = i % 24 == 23 ? u'。'
                  : i % 8 == 7 ? u'，'
                               : static_cast<char16_t>(u'\u4E00' + i * 7919 % 0x4000);
    }
    return note + u"\r\n";
}

// Seconds from ShowTang until the page holding the note is painted, for each note length.
std::vector<std::vector<double>> TimeLongNotes(const fs::path& folder) {
    std::ofstream(folder / "one.txt", std::ios::binary) << "<T>\r\n(A)\r\nV\r\n//N//\r\n";
    Module1 shared;
    Form1 reader(shared, folder / "one.txt", [] {});
    reader.Form_Load();
    reader.Show();
    ui::DispatchPendingMessages();
    std::vector<std::vector<double>> times(std::size(NoteLengths));
    for (int round = 0; round < Rounds; ++round) {
        for (size_t i = 0; i < std::size(NoteLengths); ++i) {
            // From a short page, as when the user steps to the poem from its neighbour.
            shared.Tangs[0].Notes = u"N\r\n";
            reader.ShowTang(0);
            ui::DispatchPendingMessages();
            shared.Tangs[0].Notes = OneLineNote(NoteLengths[i]);
            times[i].push_back(Seconds([&] {
                reader.ShowTang(0);
                RedrawWindow(reader.Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            }));
            ui::DispatchPendingMessages();
        }
    }
    return times;
}

// Seconds one step by the command `id` takes in the reader in front, from the poem halfway
// through the table until the page is painted, averaged over StepsTimed steps.
constexpr int StepsTimed = 20;
double StepSeconds(Form1& reader, Module1& shared, int id) {
    reader.Show();
    shared.CurrentIndex = static_cast<int16_t>(shared.Tangs.size() / 2);
    reader.ShowTang(shared.CurrentIndex);
    ui::DispatchPendingMessages();
    const int16_t from = shared.CurrentIndex;
    const double seconds = Seconds([&] {
        for (int i = 0; i < StepsTimed; ++i) {
            reader.RunCommand(id);
            UpdateWindow(reader.Control(RichText1));
        }
    });
    if (shared.CurrentIndex != from + StepsTimed) {
        std::printf("a timed step did not reach the next poem\n");
        std::exit(1);
    }
    return seconds / StepsTimed;
}

// Seconds from ShowTang until the longest page the loader allows is painted, without and with
// a search's marks on it: the verse piece 明月 stands every 50 characters of its verses.
struct MarkedPageTimes {
    std::vector<double> Unmarked, Marked;
    size_t Marks = 0;
};
MarkedPageTimes TimeMarkedPage(const fs::path& folder) {
    std::u16string verses(MaxTextLineLength, u'静');
    for (size_t i = 0; i < verses.size(); ++i) {
        verses[i] = i % 50 == 10   ? u'明'
                    : i % 50 == 11 ? u'月'
                                   : static_cast<char16_t>(u'\u4E00' + i * 7919 % 0x4000);
    }
    WritePoemsAtEveryLimit(folder / "limits.txt", verses);
    Module1 shared;
    Form1 reader(shared, folder / "limits.txt", [] {});
    reader.Form_Load();
    reader.Show();
    ui::DispatchPendingMessages();
    const auto showLongest = [&] {
        reader.ShowTang(0);
        ui::DispatchPendingMessages();
        return Seconds([&] {
            reader.ShowTang(1);
            UpdateWindow(reader.Control(RichText1));
        });
    };
    MarkedPageTimes times;
    for (int round = 0; round < Rounds; ++round) {
        times.Unmarked.push_back(showLongest());
    }
    Form2& search = reader.SearchWindow();
    SetWindowTextW(search.Control(txtContent), L"明月");
    search.cmdSearch_Click();
    times.Marks =
        search.LastResults().MarksOn(1, shared.Tangs[1], PageRuns(shared.Tangs[1])).size();
    if (times.Marks < 100) {
        std::printf("the longest page is not marked\n");
        std::exit(1);
    }
    for (int round = 0; round < Rounds; ++round) {
        times.Marked.push_back(showLongest());
    }
    return times;
}

} // namespace

int main() {
    StartCommonControls();
    const fs::path folder = fs::temp_directory_path() / "tang-gui-benchmark";
    fs::create_directories(folder);
    AnthologyShape shape;
    shape.Poems = MaxTangs;
    std::ofstream(folder / "ts.txt", std::ios::binary) << GenerateAnthology(shape);

    std::vector<double> loads, startups, searches, verseSearches, titleSearches, plainLists,
        nextPoems, nextResults, nextHiddenPoems, nextHiddenResults;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<TangRecord> tangs;
        NoSink sink;
        loads.push_back(Seconds([&] { LoadTangsFile(folder / "ts.txt", tangs, sink); }));

        // The same criteria as the native search benchmarks: two characters of a verse of the
        // poem halfway through the table, and two of a title near its end.
        const TangRecord& middle = tangs[tangs.size() / 2];
        verseSearches.push_back(SearchSeconds(tangs, {u"", u"", u"", middle.Content.substr(2, 2)}));
        const TangRecord& late = tangs[tangs.size() - 10];
        titleSearches.push_back(SearchSeconds(tangs, {u"", u"", late.Title.substr(0, 2), u""}));

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
        const ui::ListBox results = reader.SearchWindow().Results();
        std::vector<std::u16string> entries;
        for (int i = 0; i < results.ListCount(); ++i) {
            entries.push_back(results.List(i));
        }
        plainLists.push_back(FillPlainList(reader.SearchWindow().Handle(), entries));
        ui::DispatchPendingMessages();
        nextPoems.push_back(StepSeconds(reader, shared, cmdMoveNext));
        nextResults.push_back(StepSeconds(reader, shared, mnuNextResult));
        // A search window overlapping the reader makes every page cost more to paint.
        reader.SearchWindow().Hide();
        nextHiddenPoems.push_back(StepSeconds(reader, shared, cmdMoveNext));
        nextHiddenResults.push_back(StepSeconds(reader, shared, mnuNextResult));
    }
    const auto notes = TimeLongNotes(folder);
    const MarkedPageTimes page = TimeMarkedPage(folder);
    fs::remove_all(folder);

    std::printf("GUI benchmarks on %d poems, median of %d rounds:\n", MaxTangs, Rounds);
    std::printf("  library load alone (LoadTangsFile)   %8.1f ms\n", Median(loads) * 1000);
    std::printf("  reader start-up (Form_Load)          %8.1f ms   goal 1000 ms\n",
                Median(startups) * 1000);
    std::printf("  search listing every poem            %8.1f ms   goal  300 ms\n",
                Median(searches) * 1000);
    std::printf("  plain list box, same entries         %8.1f ms   (the search's floor)\n",
                Median(plainLists) * 1000);
    std::printf("  SearchTangs, 2 characters of a verse %8.3f ms\n", Median(verseSearches) * 1000);
    std::printf("  SearchTangs, 2 characters of a title %8.3f ms\n", Median(titleSearches) * 1000);
    std::printf("The reader in front, the search window shown beside it:\n");
    std::printf("  > to the next poem                   %8.2f ms\n", Median(nextPoems) * 1000);
    std::printf("  F3 to the next of 32767 results      %8.2f ms   goal: no longer than >\n",
                Median(nextResults) * 1000);
    std::printf("The same, the search window hidden:\n");
    std::printf("  > to the next poem, hidden           %8.2f ms\n", Median(nextHiddenPoems) * 1000);
    std::printf("  F3 to the next result, hidden        %8.2f ms   goal: no longer than >\n",
                Median(nextHiddenResults) * 1000);
    std::printf("The longest page, from ShowTang until painted:\n");
    std::printf("  without marks                        %8.1f ms\n", Median(page.Unmarked) * 1000);
    std::printf("  with %zu marks of a search           %8.1f ms   goal: 10 %% more at most\n",
                page.Marks, Median(page.Marked) * 1000);
    std::printf("Page with one notes line, from ShowTang until painted, median of %d rounds:\n",
                Rounds);
    for (size_t i = 0; i < std::size(NoteLengths); ++i) {
        std::printf("  %6zu units                         %8.1f ms   goal 1000 ms\n",
                    NoteLengths[i], Median(notes[i]) * 1000);
    }
    return 0;
}
