#include "TangLoader.h"

#include "LineEnds.h"
#include "Module1.h"
#include "Unicode.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::u16string_view CrLf = u"\r\n";
constexpr char16_t Ellipsis = u'\u2026';

std::u16string_view StripSpaces(std::u16string_view line) {
    const size_t first = line.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

// The units from `start` to `end`, narrowed so that a character outside the Basic Multilingual
// Plane is either kept whole or dropped whole, never split into a lone half.
std::u16string_view WholeCharacters(std::u16string_view line, size_t start, size_t end) {
    if (start > 0 && start < line.size() && IsLowSurrogate(line[start]) &&
        IsHighSurrogate(line[start - 1])) {
        ++start;
    }
    if (end > 0 && end < line.size() && IsLowSurrogate(line[end]) &&
        IsHighSurrogate(line[end - 1])) {
        --end;
    }
    return start < end ? std::u16string_view(line.data() + start, end - start)
                       : std::u16string_view{};
}

// `count` characters from the 1-based position `first`; a count below one, or a start beyond
// the end, gives the empty text, so that a line too short for its kind yields nothing.
std::u16string_view Mid(std::u16string_view line, ptrdiff_t first, ptrdiff_t count) {
    const auto start = static_cast<size_t>(first - 1);
    if (count <= 0 || start >= line.size()) {
        return {};
    }
    return WholeCharacters(line, start, std::min(line.size(), start + static_cast<size_t>(count)));
}

std::u16string_view MidToEnd(std::u16string_view line, ptrdiff_t first) {
    return WholeCharacters(line, static_cast<size_t>(first - 1), line.size());
}

bool EndsWithDoubleSlash(std::u16string_view line) {
    return line.ends_with(u"//");
}

// A line's text on its way into a field: at most MaxLineLength units of it, and whether it
// was cut, in which case an ellipsis follows it wherever it is stored.
struct Piece {
    std::u16string_view Text;
    bool Cut = false;

    size_t Size() const { return Text.size() + (Cut ? 1 : 0); }
    void AppendTo(std::u16string& out) const {
        out.append(Text);
        if (Cut) {
            out += Ellipsis;
        }
    }
};

Piece Clip(std::u16string_view text) {
    if (text.size() <= static_cast<size_t>(MaxLineLength)) {
        return {text, false};
    }
    return {WholeCharacters(text, 0, static_cast<size_t>(MaxLineLength)), true};
}

// Lines collected for a field and joined once, when the field is stored: until then they stay
// where they are in the anthology's text, so each character is copied only once. A field takes
// at most MaxFieldLength units; the lines beyond are left out and an ellipsis line stands in
// their place.
class PendingLines {
public:
    // False when the field is full and the line was left out.
    bool Add(const Piece& line) {
        if (full_ || size_ + line.Size() + CrLf.size() > static_cast<size_t>(MaxFieldLength)) {
            full_ = true;
            return false;
        }
        if (line.Cut) { // rare: noted apart, so that the common line costs no more than a view
            cutLines_.push_back(lines_.size());
        }
        lines_.push_back(line.Text);
        size_ += line.Size() + CrLf.size();
        return true;
    }
    bool Empty() const { return lines_.empty(); }

    // The lines, each followed by CR LF, then `tail` (itself subject to the field's limit);
    // nothing is pending afterwards. Returns whether the tail was left out.
    bool Take(std::u16string& field, const Piece& tail = {}) {
        const bool tailLeftOut =
            !tail.Text.empty() &&
            (full_ || size_ + tail.Size() > static_cast<size_t>(MaxFieldLength));
        field.clear();
        field.reserve(size_ + tail.Size() + CrLf.size() + 1);
        size_t nextCut = 0;
        for (size_t i = 0; i < lines_.size(); ++i) {
            field.append(lines_[i]);
            if (nextCut < cutLines_.size() && cutLines_[nextCut] == i) {
                field += Ellipsis;
                ++nextCut;
            }
            field.append(CrLf);
        }
        if (full_ || tailLeftOut) {
            field.append(1, Ellipsis).append(CrLf);
        } else {
            tail.AppendTo(field);
        }
        lines_.clear();
        cutLines_.clear();
        size_ = 0;
        full_ = false;
        return tailLeftOut;
    }

private:
    std::vector<std::u16string_view> lines_;
    std::vector<size_t> cutLines_; // positions in lines_ of the lines that were cut
    size_t size_ = 0;
    bool full_ = false;
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
    const LongLines& Long() const { return long_; }

private:
    TangRecord* Current() { return tangs_.empty() ? nullptr : &tangs_.back(); }

    // The line's text for a one-line field, cut if it is too long.
    void SetOneLineField(std::u16string& field, std::u16string_view text) {
        const Piece piece = Clip(text);
        field.clear();
        piece.AppendTo(field);
        long_.Cut += piece.Cut ? 1 : 0;
    }

    void Collect(PendingLines& lines, std::u16string_view text) {
        const Piece piece = Clip(text);
        if (!lines.Add(piece)) {
            ++long_.LeftOut;
        } else if (piece.Cut) {
            ++long_.Cut;
        }
    }

    void Store(PendingLines& lines, std::u16string& field, std::u16string_view tail = {}) {
        const Piece piece = Clip(tail);
        if (lines.Take(field, piece)) {
            ++long_.LeftOut;
        } else if (piece.Cut) {
            ++long_.Cut;
        }
    }

    void Heading(std::u16string_view line) {
        const size_t bracket = line.find(u']');
        SetOneLineField(heading_, bracket == std::u16string_view::npos
                                      ? line.substr(1)
                                      : line.substr(1, bracket - 1));
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
        SetOneLineField(record.Title, Mid(line, 2, static_cast<ptrdiff_t>(line.size()) - 2));
    }

    void Author(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        SetOneLineField(record->Author, Mid(line, 2, static_cast<ptrdiff_t>(line.size()) - 2));
        sink_.AddAuthor(record->Author);
    }

    void NotesLine(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        if (record->Content.empty()) {
            Store(verses_, record->Content);
        }
        if (!notes_.Empty()) {
            Store(notes_, record->Notes); // closes the open block; the line's own text is dropped
            return;
        }
        const auto length = static_cast<ptrdiff_t>(line.size());
        if (!EndsWithDoubleSlash(line)) {
            Collect(notes_, MidToEnd(line, 3));
            return;
        }
        Collect(notes_, Mid(line, 3, length - 4));
        Store(notes_, record->Notes);
    }

    void TextLine(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        if (record->Content.empty()) {
            Collect(verses_, line);
        } else if (EndsWithDoubleSlash(line)) {
            Store(notes_, record->Notes, line.substr(0, line.size() - 2));
        } else if (!line.empty()) {
            Collect(notes_, line);
        }
    }

    std::vector<TangRecord>& tangs_;
    TangSink& sink_;
    std::u16string heading_;
    PendingLines verses_;
    PendingLines notes_;
    bool full_ = false;
    int poemsLeftOut_ = 0;
    LongLines long_;
};

} // namespace

int ParseTangs(std::u16string_view text, std::vector<TangRecord>& tangs, TangSink& sink,
               LongLines* longLines) {
    TangParser parser(tangs, sink);
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        size_t next = 0;
        const size_t lineEnd = FindLineEnd(text, lineStart, next);
        parser.Line(text.substr(lineStart, lineEnd - lineStart));
        lineStart = next;
    }
    if (longLines != nullptr) {
        *longLines = parser.Long();
    }
    return parser.PoemsLeftOut();
}
