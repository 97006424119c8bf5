#include "Painted.h"
#include "ReaderFixture.h"

#include "ReaderLayout.h"

#include <vector>

namespace {

constexpr COLORREF Grey = RGB(173, 173, 173);

// Two rows of what `button` paints through its middle, left to right.
std::vector<std::pair<COLORREF, COLORREF>> MiddleRows(HWND button) {
    const Painted painted(button, PRF_CLIENT);
    std::vector<std::pair<COLORREF, COLORREF>> rows;
    const LONG y = painted.Client().bottom / 2;
    for (LONG x = 0; x < painted.Client().right / 2; ++x) {
        rows.emplace_back(painted.At(x, y), painted.At(x, y + 1));
    }
    return rows;
}

// How many pixels wide the edge at the button's left side is: up to the first of the face.
int EdgeWidth(const std::vector<std::pair<COLORREF, COLORREF>>& rows) {
    int x = 0;
    while (x < static_cast<int>(rows.size()) && rows[x].first != Grey) {
        ++x;
    }
    return x;
}

// The columns from `from` up to `to` where something unlike the face is drawn, short of the
// caption: the focus rectangle's left side, whose dots may alternate between the two rows.
std::vector<int> MarkedColumns(const std::vector<std::pair<COLORREF, COLORREF>>& rows, int from,
                               int to) {
    std::vector<int> marked;
    for (int x = from; x < to && x < static_cast<int>(rows.size()); ++x) {
        if (rows[x].first != Grey || rows[x].second != Grey) {
            marked.push_back(x);
        }
    }
    return marked;
}

class FocusAndEdges : public ReaderFixture {
protected:
    void SetUp() override { StartWithUtf8(ThreePoems); }
};

} // namespace

TEST_F(FocusAndEdges, EdgesAndTheFocusRectangleGrowWithTheDpi) {
    HWND button = ReaderControl(cmdMoveFirst);
    for (const int dpi : {96, 144, 192}) {
        MoveToDpi(dpi);
        const int line = MulDiv(1, dpi, 96);
        SetFocus(ReaderControl(RichText1));
        EXPECT_EQ(EdgeWidth(MiddleRows(button)), 2 * line) << "raised at " << dpi;
        SendMessageW(button, BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(EdgeWidth(MiddleRows(button)), 2 * line) << "pressed at " << dpi;
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
        SetFocus(button);
        const std::vector<int> focus = MarkedColumns(MiddleRows(button), 2 * line, 7 * line);
        std::vector<int> expected;
        for (int x = 4 * line; x < 5 * line; ++x) {
            expected.push_back(x);
        }
        EXPECT_EQ(focus, expected) << "the focus rectangle at " << dpi;
    }
}
