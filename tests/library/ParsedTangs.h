#pragma once

// Runs the parser on a text and compares whole records, for the loader's tests.
#include "RecordingSink.h"
#include "TangLoader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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
    ASSERT_EQ(tangs.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "record " << i);
        EXPECT_EQ(tangs[i].Rhyme, want[i].Rhyme);
        EXPECT_EQ(tangs[i].Title, want[i].Title);
        EXPECT_EQ(tangs[i].Author, want[i].Author);
        EXPECT_EQ(tangs[i].Content, want[i].Content);
        EXPECT_EQ(tangs[i].Notes, want[i].Notes);
    }
}
