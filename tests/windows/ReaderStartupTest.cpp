#include "ReaderFixture.h"

#include "Controls.h"
#include "ReaderLayout.h"

namespace {

const std::u8string ThreePoems =
    u8"[五言绝句]\r\n<静夜思>\r\n(李白)\r\n床前明月光，\r\n疑是地上霜。\r\n"
    u8"//N1//\r\n<春晓>\r\n(孟浩然)\r\n春眠不觉晓，\r\n//N2\r\nN3//\r\n"
    u8"[七言绝句]\r\n<早发白帝城>\r\n(李白)\r\n朝辞白帝彩云间，\r\n//N4//\r\n";

class ReaderStartup : public ReaderFixture {};

} // namespace

TEST_F(ReaderStartup, FillsTheListSelectsTheFirstPoemAndShowsIt) {
    StartWithUtf8(ThreePoems);
    const ui::ComboBox list(ReaderControl(cboTang));
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(ListEntry(0), Utf16(u8"(001) 静夜思 [李白]"));
    EXPECT_EQ(ListEntry(2), Utf16(u8"(003) 早发白帝城 [李白]"));
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.Text(), ListEntry(0));
    EXPECT_EQ(ui::WindowText(ReaderControl(lblInfo)), Utf16(u8"青简雅韵集 第1首"));
    EXPECT_EQ(PageText(),
              Utf16(u8"静夜思\r\n李白\r\n\r\n床前明月光，\r\n疑是地上霜。\r\n\r\nN1\r\n"));
    EXPECT_EQ(shared.CurrentIndex, 0);
    for (int id : {cmdMoveFirst, cmdMovePrev, cmdMoveNext, cmdMoveLast, Command1, Command2,
                   Command3, cboTang, RichText1}) {
        EXPECT_TRUE(IsWindowEnabled(ReaderControl(id))) << id;
    }
    EXPECT_TRUE(IsWindowEnabled(reader->Handle()));
    EXPECT_TRUE(IsWindowVisible(reader->Handle()));
    EXPECT_FALSE(IsWindowVisible(reader->SearchWindow().Handle()));
}
