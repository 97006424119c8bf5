// The loader against the bare decoding of the same bytes, and the four kinds of search over a
// full table of 32767 poems.
#include "AnthologyGenerator.h"
#include "AnthologyText.h"
#include "PickListSink.h"
#include "Module1.h"
#include "TangLoader.h"
#include "TangSearch.h"

#include <benchmark/benchmark.h>

#include <iconv.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string& AnthologyBytes() {
    static const std::string bytes = [] {
        AnthologyShape shape;
        shape.Poems = MaxTangs;
        shape.Authors = 2000;
        return GenerateAnthology(shape);
    }();
    return bytes;
}

// The whole file converted by one iconv call into a buffer allocated for it: what any loader
// has to do at the least.
void BM_Decode(benchmark::State& state) {
    const std::string& bytes = AnthologyBytes();
    const iconv_t converter = iconv_open("UTF-16LE", "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        state.SkipWithError("iconv has no CP936 converter");
        return;
    }
    size_t units = 0;
    for (auto _ : state) {
        const auto text = std::make_unique_for_overwrite<char16_t[]>(bytes.size());
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char* out = reinterpret_cast<char*>(text.get());
        size_t outLeft = bytes.size() * sizeof(char16_t);
        if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
            state.SkipWithError("the generated anthology is not valid CP936");
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

// The allocator merges the blocks of a freed table lazily, at the next large request: left
// alone, that work for the previous table would be charged to the next load.
void SettleAllocator() {
    void* block = std::malloc(1024 * 1024);
    benchmark::DoNotOptimize(block);
    std::free(block);
}

// The reader keeps its table until it closes: freeing it is no part of a load.
void ForgetLoadUntimed(benchmark::State& state, std::vector<TangRecord>& tangs,
                       PickListSink& sink) {
    state.PauseTiming();
    tangs = std::vector<TangRecord>();
    sink = PickListSink();
    SettleAllocator();
    state.ResumeTiming();
}

void BM_LoadTangs(benchmark::State& state) {
    const std::string& bytes = AnthologyBytes();
    size_t poems = 0;
    for (auto _ : state) {
        std::vector<TangRecord> tangs;
        PickListSink sink;
        {
            const std::u16string text = DecodeAnthologyBytes(bytes);
            ParseTangs(text, tangs, sink);
        } // the decoded text is released, as the loader releases it
        poems = tangs.size();
        benchmark::DoNotOptimize(tangs.data());
        ForgetLoadUntimed(state, tangs, sink);
    }
    if (poems != static_cast<size_t>(MaxTangs)) {
        state.SkipWithError("the anthology did not load in full");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["poems"] = static_cast<double>(poems);
}

// The two halves of BM_LoadTangs on their own, to show where the load's time goes.
void BM_DecodeAnthologyBytes(benchmark::State& state) {
    const std::string& bytes = AnthologyBytes();
    for (auto _ : state) {
        const std::u16string text = DecodeAnthologyBytes(bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_ParseTangs(benchmark::State& state) {
    const std::u16string text = DecodeAnthologyBytes(AnthologyBytes());
    size_t poems = 0;
    for (auto _ : state) {
        std::vector<TangRecord> tangs;
        PickListSink sink;
        ParseTangs(text, tangs, sink);
        poems = tangs.size();
        benchmark::DoNotOptimize(tangs.data());
        ForgetLoadUntimed(state, tangs, sink);
    }
    if (poems != static_cast<size_t>(MaxTangs)) {
        state.SkipWithError("the anthology did not load in full");
    }
}

const std::vector<TangRecord>& LoadedTangs() {
    static const std::vector<TangRecord> tangs = [] {
        std::vector<TangRecord> loaded;
        PickListSink sink;
        ParseTangs(DecodeAnthologyBytes(AnthologyBytes()), loaded, sink);
        return loaded;
    }();
    return tangs;
}

void RunSearch(benchmark::State& state, const SearchCriteria& criteria) {
    const std::vector<TangRecord>& tangs = LoadedTangs();
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<int16_t> indexes = SearchTangs(tangs, criteria);
        found = indexes.size();
        benchmark::DoNotOptimize(indexes.data());
    }
    if (found == 0) {
        state.SkipWithError("the criteria found no poem, so the search proves nothing");
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchAll(benchmark::State& state) {
    RunSearch(state, SearchCriteria{});
}

// Two characters from the middle of a verse of a poem halfway through the table.
void BM_SearchVerse(benchmark::State& state) {
    const TangRecord& poem = LoadedTangs()[LoadedTangs().size() / 2];
    RunSearch(state, SearchCriteria{u"", u"", u"", poem.Content.substr(2, 2)});
}

void BM_SearchAuthor(benchmark::State& state) {
    RunSearch(state, SearchCriteria{LoadedTangs()[1000].Author, u"", u"", u""});
}

// A form and the first character of a title under that form.
void BM_SearchFormAndTitle(benchmark::State& state) {
    const TangRecord& poem = LoadedTangs()[LoadedTangs().size() - 10];
    RunSearch(state, SearchCriteria{u"", poem.Rhyme, poem.Title.substr(0, 1), u""});
}

// Medians of several runs, in milliseconds, so that one disturbed run on a shared machine does
// not decide.
void Medians(benchmark::internal::Benchmark* family) {
    family->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_Decode)->Apply(Medians);
BENCHMARK(BM_LoadTangs)->Apply(Medians);
BENCHMARK(BM_DecodeAnthologyBytes)->Apply(Medians);
BENCHMARK(BM_ParseTangs)->Apply(Medians);
BENCHMARK(BM_SearchAll)->Apply(Medians);
BENCHMARK(BM_SearchVerse)->Apply(Medians);
BENCHMARK(BM_SearchAuthor)->Apply(Medians);
BENCHMARK(BM_SearchFormAndTitle)->Apply(Medians);

} // namespace

BENCHMARK_MAIN();
