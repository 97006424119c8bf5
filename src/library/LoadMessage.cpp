#include "MessageParagraphs.h"
#include "Module1.h"
#include "TangLoader.h"

#include <string>
#include <string_view>

namespace {

// "…超过 limit 字，只读入了每行的前 limit 字…" for `count` lines of the kind named.
std::u16string CutMessage(int count, std::u16string_view kind, int limit) {
    return u"唐诗文件中有 " + ToDecimal(count) + u" 行" + std::u16string(kind) + u"超过 " +
           ToDecimal(limit) + u" 字，只读入了每行的前 " + ToDecimal(limit) +
           u" 字，截断处以“…”标出。";
}

// What became of the lines that were too long for a page, or nothing when there were none.
std::u16string LongLinesMessage(const LongLines& lines) {
    std::u16string message;
    if (lines.Cut > 0) {
        message = CutMessage(lines.Cut, u"格律、标题或作者", MaxLineLength);
    }
    if (lines.TextCut > 0) {
        AppendParagraph(message, CutMessage(lines.TextCut, u"诗句或注释", MaxTextLineLength));
    }
    if (lines.LeftOut > 0) {
        AppendParagraph(message, u"唐诗文件中有 " + ToDecimal(lines.LeftOut) +
                                     u" 行没有读入：一首唐诗的诗句或注释最多读入 " +
                                     ToDecimal(MaxFieldLength) + u" 字，其余以“…”标出。");
    }
    if (lines.LeftOutCarried > 0) { // not the lines' length: poems without notes lines
        AppendParagraph(message, u"唐诗文件中有 " + ToDecimal(lines.LeftOutCarried) +
                                     u" 行诗句没有读入：有的唐诗没有注释行，其诗句并入了其后"
                                     u"第一首有注释行的唐诗，合起来超过 " +
                                     ToDecimal(MaxFieldLength) + u" 字，其余以“…”标出。");
    }
    return message;
}

// The characters that could not be read (the file is damaged, or in none of the encodings
// it is read in), or nothing when every character was read.
std::u16string UnreadableMessage(size_t unreadable) {
    if (unreadable == 0) {
        return {};
    }
    return u"唐诗文件中有 " + ToDecimal(unreadable) + u" 个字符无法识别，显示为“\uFFFD”。";
}

constexpr char16_t EmptyAnthology[] = u"程序将以空的诗集启动。";

} // namespace

std::u16string LoadMessage(const LoadResult& result, size_t poemCount) {
    if (!result.FileRead) {
        return u"无法读取唐诗文件：\r\n" + result.Path + u"\r\n\r\n" + result.Failure +
               u"\r\n\r\n" + EmptyAnthology;
    }
    std::u16string message;
    if (poemCount == 0) {
        message = u"唐诗文件中没有找到任何唐诗：\r\n" + result.Path;
    } else if (result.PoemsLeftOut > 0) {
        message = u"唐诗文件中的唐诗超过 " + ToDecimal(MaxTangs) + u" 首，其后的 " +
                  ToDecimal(result.PoemsLeftOut) + u" 首没有读入。";
    }
    AppendParagraph(message, UnreadableMessage(result.Unreadable));
    AppendParagraph(message, LongLinesMessage(result.Long));
    if (poemCount == 0) {
        AppendParagraph(message, EmptyAnthology);
    }
    return message;
}
