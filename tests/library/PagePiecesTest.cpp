#include "PagePieces.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

// The pieces themselves, cut where PieceLengths says.
std::vector<std::u16string> Pieces(const std::u16string& text, size_t longest) {
    std::vector<std::u16string> pieces;
    size_t at = 0;
    for (const size_t length : PieceLengths(text, longest)) {
        pieces.push_back(text.substr(at, length));
        at += length;
    }
    return pieces;
}

} // namespace

TEST(PagePieces, CutsEveryLongestUnitsAndCoversTheWholeText) {
    EXPECT_TRUE(PieceLengths(u"", 4).empty());
    EXPECT_EQ(PieceLengths(u"静夜思", 4), std::vector<size_t>{3});
    EXPECT_EQ(PieceLengths(u"床前明月光疑是地上霜", 4), (std::vector<size_t>{4, 4, 2}));
    const std::u16string line(16000, u'静');
    const std::vector<size_t> lengths = PieceLengths(line);
    EXPECT_EQ(std::accumulate(lengths.begin(), lengths.end(), size_t{0}), line.size());
    EXPECT_EQ(lengths.size(), line.size() / PagePieceLength);
}

// A character beyond the Basic Multilingual Plane is two units, and a line break two more
// that the box takes as one: neither is ever split between two pieces.
TEST(PagePieces, KeepsSurrogatePairsAndLineBreaksWhole) {
    const std::u16string ancient = u"\U00020000";
    EXPECT_EQ(Pieces(u"abc" + ancient + u"d", 4),
              (std::vector<std::u16string>{u"abc", ancient + u"d"}));
    EXPECT_EQ(Pieces(u"月光\r\n霜", 3), (std::vector<std::u16string>{u"月光", u"\r\n霜"}));
    EXPECT_EQ(Pieces(ancient + ancient + ancient, 3),
              (std::vector<std::u16string>{ancient, ancient, ancient}));
    EXPECT_EQ(Pieces(u"\r\n\r\n\r\n", 3), (std::vector<std::u16string>{u"\r\n", u"\r\n", u"\r\n"}));
    EXPECT_EQ(Pieces(u"ab\rc", 3), (std::vector<std::u16string>{u"ab\r", u"c"}))
        << "a lone carriage return is a character of its own";
    EXPECT_EQ(Pieces(ancient, 1), std::vector<std::u16string>{ancient}) << "at least a character";
}
