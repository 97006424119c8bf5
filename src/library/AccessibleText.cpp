#include "AccessibleText.h"

#include <vector>

namespace {

constexpr char16_t LineBreak[] = u"\r\n";
constexpr char16_t Comma = u'，';

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    for (;;) {
        const size_t end = text.find(LineBreak);
        lines.push_back(text.substr(0, end));
        if (end == std::u16string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 2);
    }
}

} // namespace

std::u16string ShortenedName(std::u16string_view text, size_t limit) {
    if (text.size() <= limit) {
        return std::u16string(text);
    }
    if (limit == 0) {
        return {};
    }
    size_t kept = limit - 1; // room for the "…"
    if (kept > 0 && IsHighSurrogate(text[kept - 1]) && IsLowSurrogate(text[kept])) {
        --kept; // the pair goes whole or not at all
    }
    return std::u16string(text.substr(0, kept)) + u'…';
}

std::u16string PageName(const TangRecord& record) {
    std::u16string name = ShortenedName(record.Title);
    if (!record.Author.empty()) {
        name += name.empty() ? u"" : u" ";
        name += ShortenedName(record.Author);
    }
    return name;
}

std::u16string LabelName(std::u16string_view caption) {
    std::u16string name;
    for (const std::u16string_view line : Lines(caption)) {
        if (!name.empty() && !line.empty()) {
            name += Comma;
        }
        name += line;
    }
    if (!name.empty() && name.back() == u'：') {
        name.pop_back();
    }
    return name;
}

std::u16string ReadInColumns(std::u16string_view rows) {
    std::vector<std::u16string> columns;
    for (const std::u16string_view row : Lines(rows)) {
        // Every other unit is a column's character; the units between are the blanks.
        for (size_t at = 0, column = 0; at < row.size(); at += 2, ++column) {
            if (columns.size() <= column) {
                columns.resize(column + 1);
            }
            columns[column] += row[at];
        }
    }
    std::u16string text;
    for (const std::u16string& column : columns) {
        if (!text.empty()) {
            text += Comma;
        }
        text += column;
    }
    return text;
}
