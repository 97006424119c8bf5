#include "FullListMessage.h"

#include "MessageParagraphs.h"

#include <string>

namespace {

// "只列出了前 M 首，其后的 K 首没有列出"
std::u16string ListedAndNot(size_t listed, size_t total) {
    return u"只列出了前 " + ToDecimal(listed) + u" 首，其后的 " + ToDecimal(total - listed) +
           u" 首没有列出";
}

} // namespace

std::u16string PoemListFullMessage(size_t listed, size_t total) {
    return u"唐诗列表已满：共 " + ToDecimal(total) + u" 首唐诗，" + ListedAndNot(listed, total) +
           u"。可用翻页按钮或查询窗口找到它们。";
}

std::u16string ResultListFullMessage(size_t listed, size_t total) {
    return u"查询结果列表已满：找到 " + ToDecimal(total) + u" 首唐诗，" +
           ListedAndNot(listed, total) + u"。请缩小查询范围。";
}

std::u16string PickListsFullMessage(size_t formsNotListed, size_t authorsNotListed) {
    std::u16string message;
    if (formsNotListed > 0) {
        message = u"格律列表已满：有 " + ToDecimal(formsNotListed) +
                  u" 个格律没有列出，可在格律框中直接输入后查询。";
    }
    if (authorsNotListed > 0) {
        AppendParagraph(message, u"作者列表已满：有 " + ToDecimal(authorsNotListed) +
                                     u" 位作者没有列出，可在作者框中直接输入后查询。");
    }
    return message;
}

std::u16string AuthorListCappedMessage(size_t listed) {
    return u"作者列表已满：只列出了 " + ToDecimal(listed) +
           u" 位作者，其余的作者没有列出，可在作者框中直接输入后查询。";
}
