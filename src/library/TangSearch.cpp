#include "TangSearch.h"

#include "ProgramTexts.h"

#include <optional>
#include <string_view>

namespace {

// The whole-string criterion for author or form, or nothing when it places no restriction.
std::optional<std::u16string_view> Restriction(const std::u16string& criterion) {
    if (criterion.empty() || criterion == texts::NoRestriction) {
        return std::nullopt;
    }
    return criterion;
}

// The title and verse test: the criterion occurs in the field, and an empty one occurs in every
// field but an empty one.
bool Occurs(std::u16string_view criterion, std::u16string_view field) {
    return criterion.empty() ? !field.empty() : field.find(criterion) != std::u16string_view::npos;
}

} // namespace

std::vector<int16_t> SearchTangs(const std::vector<TangRecord>& tangs,
                                 const SearchCriteria& criteria) {
    const auto rhyme = Restriction(criteria.Rhyme);
    const auto author = Restriction(criteria.Author);

    std::vector<int16_t> found;
    const size_t count = tangs.size();
    for (size_t i = 0; i < count; ++i) {
        const TangRecord& record = tangs[i];
        // The tests run in this order and a record's testing stops at the first that fails.
        if ((!rhyme || record.Rhyme == *rhyme) && (!author || record.Author == *author) &&
            Occurs(criteria.Title, record.Title) && Occurs(criteria.Content, record.Content)) {
            found.push_back(static_cast<int16_t>(i));
        }
    }
    return found;
}
