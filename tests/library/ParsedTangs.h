#pragma once

// Runs the parser on a text and compares whole records, for the loader's tests.
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

using Texts = std::vector<std::u16string>;

struct Parsed {
    std::vector<TangRecord> Tangs;
    RecordingSink Sink;
    LongLines Long;
    int LeftOut = 0;
};

inline Parsed Parse(std::u16string_view text) {
    Parsed parsed;
    parsed.LeftOut = ParseTangs(text, parsed.Tangs, parsed.Sink, &parsed.Long);
    return parsed;
}

// The lines, each followed by the line end, as they stand in the file.
inline std::u16string Lines(std::initializer_list<std::u16string_view> lines,
                            std::u16string_view end = u"\r\n") {
    std::u16string text;
    for (const auto line : lines) {
        text.append(line).append(end);
    }
    return text;
}

inline void ExpectTangs(const std::vector<TangRecord>& tangs, const std::vector<TangRecord>& want) {
    const auto fields = [](const TangRecord& r) {
        return std::tie(r.Rhyme, r.Title, r.Author, r.Content, r.Notes);
    };
    ASSERT_EQ(tangs.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(fields(tangs[i]), fields(want[i])) << "record " << i;
    }
}
