// The line rules of ts.txt: each line's kind, and what it does to the table and its fields.
#include "TangLoader.h"

#include "LineEnds.h"
#include "LinePieces.h"
#include "Module1.h"
#include "PendingLines.h"
#include "Unicode.h"

#include <cstddef>
#include <string>

namespace {

bool EndsWithDoubleSlash(std::u16string_view line) {
    return line.ends_with(u"//");
}

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

    // The line's text for a heading, a title or an author, cut if it is too long for a list.
    void SetOneLineField(std::u16string& field, std::u16string_view text) {
        const Piece piece = Clip(text, MaxLineLength);
        field.clear();
        piece.AppendTo(field);
        long_.Cut += piece.Cut ? 1 : 0;
    }

    static Piece TextPiece(std::u16string_view text) { return Clip(text, MaxTextLineLength); }

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
        verses_.CarryOver();
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
            verses_.Take(record->Content, long_);
        }
        if (!notes_.Empty()) {
            notes_.Take(record->Notes, long_); // closes the open block; the line's text is dropped
            return;
        }
        const auto length = static_cast<ptrdiff_t>(line.size());
        if (!EndsWithDoubleSlash(line)) {
            notes_.Add(TextPiece(MidToEnd(line, 3)));
            return;
        }
        notes_.Add(TextPiece(Mid(line, 3, length - 4)));
        notes_.Take(record->Notes, long_);
    }

    void TextLine(std::u16string_view line) {
        TangRecord* record = Current();
        if (record == nullptr) {
            return;
        }
        if (record->Content.empty()) {
            verses_.Add(TextPiece(line));
        } else if (EndsWithDoubleSlash(line)) {
            notes_.Take(record->Notes, long_, TextPiece(line.substr(0, line.size() - 2)));
        } else if (!line.empty()) {
            notes_.Add(TextPiece(line));
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
