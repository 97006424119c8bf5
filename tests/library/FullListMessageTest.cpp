#include "FullListMessage.h"

#include <gtest/gtest.h>

TEST(FullListMessage, SaysWhatIsNotListedAndHowToFindItAnyway) {
    EXPECT_EQ(PoemListFullMessage(19680, 32767),
              u"唐诗列表已满：共 32767 首唐诗，只列出了前 19680 首，其后的 13087 首没有列出。"
              u"可用翻页按钮或查询窗口找到它们。");
    EXPECT_EQ(ResultListFullMessage(0, 7),
              u"查询结果列表已满：找到 7 首唐诗，只列出了前 0 首，其后的 7 首没有列出。"
              u"请缩小查询范围。");
    // The pick lists say what is missing and how to search for it anyway.
    EXPECT_EQ(PickListsFullMessage(0, 0), u"");
    EXPECT_EQ(PickListsFullMessage(3, 0),
              u"格律列表已满：有 3 个格律没有列出，可在格律框中直接输入后查询。");
    EXPECT_EQ(PickListsFullMessage(2, 5),
              u"格律列表已满：有 2 个格律没有列出，可在格律框中直接输入后查询。\r\n\r\n"
              u"作者列表已满：有 5 位作者没有列出，可在作者框中直接输入后查询。");
}
