#include "PageText.h"

#include "ProgramTexts.h"

#include <string>
#include <string_view>

namespace {

constexpr std::u16string_view CrLf = u"\r\n";

bool ContainsCrLf(const std::u16string& text) {
    return text.find(CrLf) != std::u16string::npos;
}

std::u16string Decimal(int number, size_t minimumDigits) {
    const std::string digits = std::to_string(number);
    std::u16string text(minimumDigits > digits.size() ? minimumDigits - digits.size() : 0, u'0');
    text.append(digits.begin(), digits.end());
    return text;
}

std::u16string WithBreaks(const std::u16string& text, size_t breaks) {
    std::u16string run = text;
    for (size_t i = 0; i < breaks; ++i) {
        run.append(CrLf);
    }
    return run;
}

// "T [A]", the title and the author as lists show them.
void AppendSearchResultEntry(std::u16string& entry, const TangRecord& record) {
    AppendListed(entry, record.Title);
    entry += u" [";
    AppendListed(entry, record.Author);
    entry += u']';
}

} // namespace

std::array<PageRun, 4> PageRuns(const TangRecord& record) {
    // Each field has its own rule for the line breaks that follow it.
    const size_t titleBreaks = ContainsCrLf(record.Title) ? 0 : 1;
    const size_t authorBreaks = ContainsCrLf(record.Author) ? 1 : 2;
    const size_t contentBreaks = record.Content.starts_with(CrLf) ? 0 : 1;
    const size_t notesBreaks = ContainsCrLf(record.Notes) ? 0 : 1;
    return {{
        {WithBreaks(record.Title, titleBreaks), TitleColour, ParagraphAlignment::Centre},
        {WithBreaks(record.Author, authorBreaks), AuthorColour, ParagraphAlignment::Centre},
        {WithBreaks(record.Content, contentBreaks), ContentColour, ParagraphAlignment::Centre},
        {WithBreaks(record.Notes, notesBreaks), NotesColour, ParagraphAlignment::Left},
    }};
}

std::u16string PageCaption(int16_t index) {
    return std::u16string(texts::AnthologyTitle) + u" 第" + Decimal(index + 1, 1) + u"首";
}

std::u16string PoemListEntry(int16_t index, const TangRecord& record) {
    std::u16string entry;
    entry.reserve(PoemListEntryLength(index, record));
    AppendPoemListEntry(entry, index, record);
    return entry;
}

void AppendPoemListEntry(std::u16string& entry, int16_t index, const TangRecord& record) {
    entry += u'(';
    entry += Decimal(index + 1, 3);
    entry += u") ";
    AppendSearchResultEntry(entry, record);
}

std::u16string SearchResultEntry(const TangRecord& record) {
    std::u16string entry;
    entry.reserve(SearchResultEntryLength(record));
    AppendSearchResultEntry(entry, record);
    return entry;
}
