#include "TangLoader.h"

#include "AnthologyText.h"
#include "FileBytes.h"
#include "Module1.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
#include <emmintrin.h>
#endif

namespace {

constexpr std::u16string_view CrLf = u"\r\n";

std::u16string_view StripSpaces(std::u16string_view line) {
    const size_t first = line.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

// `count` characters from the 1-based position `first`; a count below one, or a start beyond
// the end, gives the empty text, so that a line too short for its kind yields nothing.
std::u16string_view Mid(std::u16string_view line, ptrdiff_t first, ptrdiff_t count) {
    const auto start = static_cast<size_t>(first - 1);
    if (count <= 0 || start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<size_t>(count));
}

std::u16string_view MidToEnd(std::u16string_view line, ptrdiff_t first) {
    const auto start = static_cast<size_t>(first - 1);
    return start >= line.size() ? std::u16string_view{} : line.substr(start);
}

// Position of the first LF at or after `from`, or the size of the text when there is none.
// With SSE2, eight units are tested at once: looking for line ends is much of the loader's own
// work.
size_t FindLineFeed(std::u16string_view text, size_t from) {
    const size_t size = text.size();
    size_t at = from;
#if defined(__SSE2__) && !defined(TANG_PORTABLE_ONLY)
    const char16_t* const data = text.data();
    const __m128i lineFeeds = _mm_set1_epi16(static_cast<short>(u'\n'));
    for (; size - at >= 8; at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(units, lineFeeds));
        if (found != 0) {
            return at + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(found))) / 2;
        }
    }
#endif
    const size_t found = text.find(u'\n', at);
    return found == std::u16string_view::npos ? size : found;
}

bool EndsWithDoubleSlash(std::u16string_view line) {
    return line.ends_with(u"//");
}

// Lines collected for a field and joined once, when the field is stored: until then they stay
// where they are in the anthology's text, so each character is copied only once.
class PendingLines {
public:
    void Add(std::u16string_view line) {
        lines_.push_back(line);
        size_ += line.size() + CrLf.size();
    }
    bool Empty() const { return lines_.empty(); }

    // The lines, each followed by CR LF, then `tail`; nothing is pending afterwards.
    std::u16string Take(std::u16string_view tail = {}) {
        std::u16string text;
        text.reserve(size_ + tail.size());
        for (const std::u16string_view line : lines_) {
            text.append(line).append(CrLf);
        }
        text.append(tail);
        lines_.clear();
        size_ = 0;
        return text;
    }

private:
    std::vector<std::u16string_view> lines_;
    size_t size_ = 0;
};

class TangParser {
public:
    TangParser(std::vector<TangRecord>& tangs, TangSink& sink) : tangs_(tangs), sink_(sink) {}

    void Line(std::u16string_view rawLine) {
        const std::u16string_view line = StripSpaces(rawLine);
        const char16_t kind = line.empty() ? u'\0' : line.front();
        if (full_) {
            poemsLeftOut_ += kind == u'<' ? 1 : 0;
            return;
        }
        switch (kind) {
        case u'[':
            Heading(line);
            break;
        case u'<':
            Poem(line);
            break;
        case u'(':
            Author(line);
            break;
        case u'/':
            NotesLine(line);
            break;
        default:
            TextLine(line);
            break;
        }
    }

    int PoemsLeftOut() const { return poemsLeftOut_; }

private:
    TangRecord* Current() { return tangs_.empty() ? nullptr : &tangs_.back(); }

    void Heading(std::u16string_view line) {
        const size_t bracket = line.find(u']');
        heading_ =
            bracket == std::u16string_view::npos ? line.substr(1) : line.substr(1, bracket - 1);
        sink_.AddRhyme(heading_);
    }

    void Poem(std::u16string_view line) {
        if (tangs_.size() == static_cast<size_t>(MaxTangs)) {
            full_ = true;
            poemsLeftOut_ = 1;
            return;
        }
        TangRecord& record = tangs_.emplace_back();
        record.Rhyme = heading_;
        record.Title = Mid(line, 2, static_cast<ptrdiff_t>(line.size()) - 2);
    }

    void Author(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        record->Author = Mid(line, 2, static_cast<ptrdiff_t>(line.size()) - 2);
        sink_.AddAuthor(record->Author);
    }

    void NotesLine(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        if (record->Content.empty()) {
            record->Content = verses_.Take();
        }
        if (!notes_.Empty()) {
            record->Notes = notes_.Take(); // closes the open block; the line's own text is dropped
            return;
        }
        const auto length = static_cast<ptrdiff_t>(line.size());
        if (!EndsWithDoubleSlash(line)) {
            notes_.Add(MidToEnd(line, 3));
            return;
        }
        notes_.Add(Mid(line, 3, length - 4));
        record->Notes = notes_.Take();
    }

    void TextLine(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        if (record->Content.empty()) {
            verses_.Add(line);
        } else if (EndsWithDoubleSlash(line)) {
            record->Notes = notes_.Take(line.substr(0, line.size() - 2));
        } else if (!line.empty()) {
            notes_.Add(line);
        }
    }

    std::vector<TangRecord>& tangs_;
    TangSink& sink_;
    std::u16string heading_;
    PendingLines verses_;
    PendingLines notes_;
    bool full_ = false;
    int poemsLeftOut_ = 0;
};

std::u16string ToDecimal(long long number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

int ParseTangs(std::u16string_view text, std::vector<TangRecord>& tangs, TangSink& sink) {
    TangParser parser(tangs, sink);
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t lineEnd = FindLineFeed(text, lineStart);
        const size_t next = lineEnd == text.size() ? lineEnd : lineEnd + 1;
        std::u16string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (line.ends_with(u'\r')) {
            line.remove_suffix(1);
        }
        parser.Line(line);
        lineStart = next;
    }
    return parser.PoemsLeftOut();
}

LoadResult LoadTangsFile(const std::filesystem::path& path, std::vector<TangRecord>& tangs,
                         TangSink& sink) {
    LoadResult result;
    result.Path = path.u16string();
    try {
        std::u16string text;
        {
            FileBytes file = ReadFileBytes(path);
            if (!file.Read) {
                result.Failure = std::move(file.Failure);
                return result;
            }
            text = DecodeAnthologyBytes(file.Bytes);
        } // the raw bytes are released before the table is built
        result.FileRead = true;
        result.PoemsLeftOut = ParseTangs(text, tangs, sink);
    } catch (const std::bad_alloc&) {
        tangs = std::vector<TangRecord>();
        sink.ForgetAll();
        result.FileRead = false;
        result.PoemsLeftOut = 0;
        result.Failure = u"内存不足，无法读入整个文件。";
    }
    return result;
}

std::u16string LoadMessage(const LoadResult& result, size_t poemCount) {
    if (!result.FileRead) {
        return u"无法读取唐诗文件：\r\n" + result.Path + u"\r\n\r\n" + result.Failure +
               u"\r\n\r\n程序将以空的诗集启动。";
    }
    if (poemCount == 0) {
        return u"唐诗文件中没有找到任何唐诗：\r\n" + result.Path;
    }
    if (result.PoemsLeftOut > 0) {
        return u"唐诗文件中的唐诗超过 " + ToDecimal(MaxTangs) + u" 首，其后的 " +
               ToDecimal(result.PoemsLeftOut) + u" 首没有读入。";
    }
    return {};
}
