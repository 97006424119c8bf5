// The loader against the bare decoding of the same bytes, and the four kinds of search over a
// full table of 32767 poems.
#include "AnthologyGenerator.h"
#include "AnthologyText.h"
#include "PickListSink.h"
#include "Module1.h"
#include "Pinyin.h"
#include "TangLoader.h"
#include "TangSearch.h"

#include <benchmark/benchmark.h>

#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string& AnthologyBytes() {
    static const std::string bytes =
        GenerateAnthology(AnthologyShape{.Poems = MaxTangs, .Authors = 2000});
    return bytes;
}

// The whole file converted by one iconv call into a buffer allocated for it: what any loader
// has to do at the least.
void BM_Decode(benchmark::State& state) {
    const std::string& bytes = AnthologyBytes();
    const iconv_t converter = iconv_open("UTF-16LE", "CP936");
    size_t units = 0;
    for (auto _ : state) {
        const auto text = std::make_unique_for_overwrite<char16_t[]>(bytes.size());
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char* out = reinterpret_cast<char*>(text.get());
        size_t outLeft = bytes.size() * sizeof(char16_t);
        if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
            state.SkipWithError("iconv did not convert the generated anthology from CP936");
            break;
        }
        units = bytes.size() - outLeft / sizeof(char16_t);
        benchmark::DoNotOptimize(text.get());
        benchmark::ClobberMemory();
    }
    iconv_close(converter);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["units"] = static_cast<double>(units);
}

// The whole load of the same bytes (`decode`), or only its parsing half from the decoded text,
// with a sink that does what the search window's pick lists do.
void Load(benchmark::State& state, bool decode) {
    const std::string& bytes = AnthologyBytes();
    const std::u16string decoded = decode ? std::u16string() : DecodeAnthologyBytes(bytes);
    size_t poems = 0;
    for (auto _ : state) {
        std::vector<TangRecord> tangs;
        PickListSink sink;
        if (decode) {
            ParseTangs(DecodeAnthologyBytes(bytes), tangs, sink); // the text is released at once,
        } else {                                                  // as the loader releases it
            ParseTangs(decoded, tangs, sink);
        }
        poems = tangs.size();
        benchmark::DoNotOptimize(tangs.data());
        // The reader keeps its table until it closes: freeing it is no part of a load. The
        // allocator merges the blocks of a freed table lazily, at the next large request: left
        // alone, that work would be charged to the next load.
        state.PauseTiming();
        tangs = std::vector<TangRecord>();
        sink = PickListSink();
        void* block = std::malloc(1024 * 1024);
        benchmark::DoNotOptimize(block);
        std::free(block);
        state.ResumeTiming();
    }
    if (poems != static_cast<size_t>(MaxTangs)) {
        state.SkipWithError("the anthology did not load in full");
    }
    if (decode) {
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
        state.counters["poems"] = static_cast<double>(poems);
    }
}

// The decoding half of the load alone.
void BM_DecodeAnthologyBytes(benchmark::State& state) {
    const std::string& bytes = AnthologyBytes();
    for (auto _ : state) {
        const std::u16string text = DecodeAnthologyBytes(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

// The four kinds of search over the loaded table: every poem; two characters from the middle
// of a verse of a poem halfway through the table; an exact author; a form and the first
// character of a title under it.
const char* const Searches[] = {"BM_SearchAll", "BM_SearchVerse", "BM_SearchAuthor",
                                "BM_SearchFormAndTitle"};

void Search(benchmark::State& state, size_t kind) {
    static const std::vector<TangRecord> tangs = [] {
        std::vector<TangRecord> loaded;
        PickListSink sink;
        ParseTangs(DecodeAnthologyBytes(AnthologyBytes()), loaded, sink);
        return loaded;
    }();
    const TangRecord& middle = tangs[tangs.size() / 2];
    const TangRecord& late = tangs[tangs.size() - 10];
    const SearchCriteria criteria[] = {{},
                                       {u"", u"", u"", middle.Content.substr(2, 2)},
                                       {tangs[1000].Author, u"", u"", u""},
                                       {u"", late.Rhyme, late.Title.substr(0, 1), u""}};
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<int16_t> indexes = SearchTangs(tangs, criteria[kind]);
        found = indexes.size();
        benchmark::DoNotOptimize(indexes.data());
    }
    if (found == 0) {
        state.SkipWithError("the criteria found no poem, so the search proves nothing");
    }
    state.counters["found"] = static_cast<double>(found);
}

// The readings of a verse text of `state.range(0)` characters as one line, as long as a line
// of a page may be (20,000) and as long as the longest page (60,000): the verses of 长恨歌's
// opening over and over, with their punctuation.
void BM_ReadingsOf(benchmark::State& state) {
    const std::u16string_view verses =
        u"汉皇重色思倾国，御宇多年求不得。杨家有女初长成，养在深闺人未识。"
        u"天生丽质难自弃，一朝选在君王侧。回眸一笑百媚生，六宫粉黛无颜色。";
    const auto length = static_cast<size_t>(state.range(0));
    std::u16string line;
    while (line.size() < length) {
        line += verses.substr(0, std::min(verses.size(), length - line.size()));
    }
    size_t readings = 0;
    for (auto _ : state) {
        const std::vector<CharacterReading> read = ReadingsOf(line);
        readings = read.size();
        benchmark::DoNotOptimize(read.data());
    }
    if (readings != static_cast<size_t>(std::count_if(line.begin(), line.end(), [](char16_t c) {
            return c != u'，' && c != u'。';
        }))) {
        state.SkipWithError("not every character of the verses was read");
    }
    state.counters["characters"] = static_cast<double>(line.size());
}

// Medians of several runs, in milliseconds, so that one disturbed run on a shared machine does
// not decide.
[[maybe_unused]] const bool Registered = [] {
    using benchmark::RegisterBenchmark;
    std::vector<benchmark::internal::Benchmark*> families = {
        RegisterBenchmark("BM_Decode", BM_Decode), RegisterBenchmark("BM_LoadTangs", Load, true),
        RegisterBenchmark("BM_DecodeAnthologyBytes", BM_DecodeAnthologyBytes),
        RegisterBenchmark("BM_ParseTangs", Load, false)};
    for (size_t kind = 0; kind < std::size(Searches); ++kind) {
        families.push_back(RegisterBenchmark(Searches[kind], Search, kind));
    }
    families.push_back(RegisterBenchmark("BM_ReadingsOf", BM_ReadingsOf)->Arg(20000)->Arg(60000));
    for (benchmark::internal::Benchmark* family : families) {
        family->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
