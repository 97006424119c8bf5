#include "PrintFailure.h"

#include <gtest/gtest.h>

TEST(PrintFailure, TheMessageNamesThePrinterAndGivesOnlyAReasonThatExplains) {
    // Out of paper is the printer's state: the system's words say it.
    EXPECT_EQ(PrintFailedMessage(u"TangPDF", PrintStep::Printing, 28,
                                 u"The printer is out of paper.\r\n"),
              u"无法打印：打印机“TangPDF”在打印时出错，这首诗没有打印出来。\r\n\r\n"
              u"The printer is out of paper.（错误代码 28）");
    // An invalid handle is the spooler's own affair, not why the printer refused the job.
    EXPECT_EQ(PrintFailedMessage(u"办公室", PrintStep::Accepting, 6, u"Invalid handle."),
              u"无法打印：打印机“办公室”没有接受这首诗的打印任务。\r\n\r\n"
              u"系统没有说明原因。（错误代码 6）");
    // A reason the system has no words for is not left empty.
    EXPECT_NE(PrintFailedMessage(u"P", PrintStep::Accepting, 1801, u"").find(u"系统没有说明原因"),
              std::u16string::npos);
    for (const uint32_t reason : {5u, 28u, 61u, 1722u, 1801u, 3012u}) {
        EXPECT_TRUE(ExplainsAPrintFailure(reason)) << reason;
    }
    for (const uint32_t inner : {0u, 6u, 87u, 122u}) {
        EXPECT_FALSE(ExplainsAPrintFailure(inner)) << inner;
    }
}
