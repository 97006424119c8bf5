#pragma once

// The line rules of ts.txt, stated as plainly as possible, for the loader's fuzz target to hold
// the loader against: what any text must parse into, line by line.
#include "Module1.h"
#include "TangLoader.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::u16string_view CrLf = u"\r\n";

inline bool IsHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

struct SinkCalls {
    std::vector<std::u16string> Rhymes;
    std::vector<std::u16string> Authors;
};

struct Parsed {
    std::vector<TangRecord> Tangs;
    SinkCalls Calls;
    int LeftOut = 0;
};

// A text taken from a line by dropping units at its ends drops whole characters.
inline std::u16string_view Whole(std::u16string_view text, bool cutAtStart, bool cutAtEnd) {
    if (cutAtStart && !text.empty() && IsLow(text.front())) {
        text.remove_prefix(1);
    }
    if (cutAtEnd && !text.empty() && IsHigh(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

inline std::u16string_view Inner(std::u16string_view line) {
    return line.size() >= 3 ? Whole(line.substr(1, line.size() - 2), false, true)
                            : std::u16string_view{};
}

// At most `limit` units of a line's text, then an ellipsis if it was longer: MaxLineLength for
// headings, titles and authors, MaxTextLineLength for verse and notes lines.
inline std::u16string Fit(std::u16string_view text, size_t limit = MaxLineLength) {
    if (text.size() <= limit) {
        return std::u16string(text);
    }
    return std::u16string(Whole(text.substr(0, limit), false, true)) + u"…";
}
inline std::u16string FitText(std::u16string_view text) {
    return Fit(text, MaxTextLineLength);
}

// The lines of a verse or notes field, each with CR LF, while they fit into MaxFieldLength.
struct FieldModel {
    std::u16string Text;
    bool Full = false;

    void Add(std::u16string_view line) {
        const std::u16string fitted = FitText(line);
        if (Full || Text.size() + fitted.size() + 2 > static_cast<size_t>(MaxFieldLength)) {
            Full = true;
        } else {
            Text.append(fitted).append(CrLf);
        }
    }
    bool Empty() const { return Text.empty(); }
    std::u16string Take(std::u16string_view tail = {}) {
        const std::u16string fitted = FitText(tail);
        Full = Full ||
               (!tail.empty() && Text.size() + fitted.size() > static_cast<size_t>(MaxFieldLength));
        std::u16string field = Full ? Text + u"…\r\n" : Text + fitted;
        Text.clear();
        Full = false;
        return field;
    }
};

// The line rules of ts.txt, stated as plainly as possible.
inline Parsed ParseModel(std::u16string_view text) {
    Parsed model;
    std::u16string heading;
    FieldModel verses;
    FieldModel notes;
    bool full = false;
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t lineEnd = std::min(text.find_first_of(u"\r\n", lineStart), text.size());
        std::u16string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = text.substr(lineEnd).starts_with(CrLf) ? lineEnd + 2 : lineEnd + 1;
        while (line.starts_with(u' ')) {
            line.remove_prefix(1);
        }
        while (line.ends_with(u' ')) {
            line.remove_suffix(1);
        }
        const char16_t kind = line.empty() ? u'\0' : line.front();
        if (full) {
            model.LeftOut += kind == u'<' ? 1 : 0;
            continue;
        }
        if (kind == u'[') {
            heading = Fit(line.substr(1, line.find(u']') - 1));
            model.Calls.Rhymes.push_back(heading);
            continue;
        }
        if (kind == u'<') {
            if (model.Tangs.size() == static_cast<size_t>(MaxTangs)) {
                full = true;
                model.LeftOut = 1;
            } else {
                model.Tangs.push_back({heading, Fit(Inner(line)), u"", u"", u""});
            }
            continue;
        }
        if (model.Tangs.empty()) {
            continue; // authors, notes and verses before the first poem go nowhere
        }
        TangRecord& record = model.Tangs.back();
        if (kind == u'(') {
            record.Author = Fit(Inner(line));
            model.Calls.Authors.push_back(record.Author);
        } else if (kind == u'/') {
            if (record.Content.empty()) {
                record.Content = verses.Take();
            }
            if (!notes.Empty()) {
                record.Notes = notes.Take();
            } else if (line.ends_with(u"//")) {
                notes.Add(line.size() >= 4 ? Whole(line.substr(2, line.size() - 4), true, true)
                                           : std::u16string_view{});
                record.Notes = notes.Take();
            } else {
                notes.Add(line.size() > 2 ? Whole(line.substr(2), true, false)
                                          : std::u16string_view{});
            }
        } else if (record.Content.empty()) {
            verses.Add(line);
        } else if (line.ends_with(u"//")) {
            record.Notes = notes.Take(line.substr(0, line.size() - 2));
        } else if (!line.empty()) {
            notes.Add(line);
        }
    }
    return model;
}
