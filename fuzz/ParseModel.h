#pragma once

// The line rules of ts.txt, stated as plainly as possible, for the loader's fuzz target to hold
// the loader against: what any text must parse into, line by line.
#include "Module1.h"
#include "TangLoader.h"
#include "Unicode.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// A text taken from a line by dropping units at its ends drops whole characters.
inline std::u16string_view Whole(std::u16string_view text, bool cutAtStart, bool cutAtEnd) {
    text.remove_prefix(cutAtStart && !text.empty() && IsLowSurrogate(text.front()) ? 1 : 0);
    text.remove_suffix(cutAtEnd && !text.empty() && IsHighSurrogate(text.back()) ? 1 : 0);
    return text;
}

// The text between the first and the last character of a line that is not empty.
inline std::u16string_view Inner(std::u16string_view line) {
    return Whole(line.substr(1, std::max<size_t>(line.size(), 2) - 2), false, true);
}

// At most `limit` units of a line's text, then an ellipsis if it was longer: MaxLineLength for
// headings, titles and authors, MaxTextLineLength for verse and notes lines.
inline std::u16string Fit(std::u16string_view text, size_t limit = MaxLineLength) {
    return text.size() <= limit ? std::u16string(text)
                                : std::u16string(Whole(text.substr(0, limit), false, true)) + u"…";
}

// The lines of a verse or notes field, each with CR LF, while they fit into MaxFieldLength.
struct Field {
    std::u16string Text;
    bool Full = false;

    void Add(std::u16string_view line, std::u16string_view end = u"\r\n") {
        const std::u16string fitted = Fit(line, MaxTextLineLength).append(end);
        Full = Full || Text.size() + fitted.size() > static_cast<size_t>(MaxFieldLength);
        Text += Full ? u"" : fitted;
    }
    std::u16string Take(std::u16string_view tail = {}) {
        Add(tail, u""); // an empty tail fits always
        const std::u16string field = Full ? Text + u"…\r\n" : Text;
        *this = {};
        return field;
    }
};

// As ParseTangs: appends the records to `tangs`, reports headings and authors to `sink`, and
// returns the count of poems left out.
inline int ParseModel(std::u16string_view text, std::vector<TangRecord>& tangs, TangSink& sink) {
    std::u16string heading;
    Field verses, notes;
    int leftOut = 0;
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t lineEnd = std::min(text.find_first_of(u"\r\n", lineStart), text.size());
        std::u16string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = text.substr(lineEnd).starts_with(u"\r\n") ? lineEnd + 2 : lineEnd + 1;
        // Without the spaces at both ends.
        line.remove_prefix(std::min(line.find_first_not_of(u' '), line.size()));
        line.remove_suffix(line.size() - (line.find_last_not_of(u' ') + 1));
        const char16_t kind = line.empty() ? u'\0' : line.front();
        if (leftOut > 0 || (kind == u'<' && tangs.size() == static_cast<size_t>(MaxTangs))) {
            leftOut += kind == u'<' ? 1 : 0; // nothing is read from the refused poem line on
        } else if (kind == u'[') {
            heading = Fit(line.substr(1, line.find(u']') - 1));
            sink.AddRhyme(heading);
        } else if (kind == u'<') {
            tangs.push_back({heading, Fit(Inner(line)), u"", u"", u""});
        } else if (tangs.empty()) {
            continue; // authors, notes and verses before the first poem go nowhere
        } else if (TangRecord& record = tangs.back(); kind == u'(') {
            record.Author = Fit(Inner(line));
            sink.AddAuthor(record.Author);
        } else if (kind == u'/') {
            record.Content += verses.Take(); // empty once the verses were stored
            const bool open = !notes.Text.empty(), closes = line.ends_with(u"//");
            if (!open) { // the text between the slashes, "//" and "///" have none
                const size_t end = line.size() - (closes ? 2 : 0);
                notes.Add(end > 2 ? Whole(line.substr(2, end - 2), true, closes) : u"");
            }
            record.Notes = open || closes ? notes.Take() : record.Notes;
        } else if (record.Content.empty()) {
            verses.Add(line);
        } else if (line.ends_with(u"//")) {
            record.Notes = notes.Take(line.substr(0, line.size() - 2));
        } else if (!line.empty()) {
            notes.Add(line);
        }
    }
    return leftOut;
}
