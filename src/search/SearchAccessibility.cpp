#include "SearchAccessibility.h"

#include "SearchLayout.h"

namespace {

constexpr ui::ControlName SearchNames[] = {
    {Frame1, ROLE_SYSTEM_GROUPING},
    {lstTang, ROLE_SYSTEM_LIST, nullptr, Frame1}, // the group's caption stands above it
    {cboAuthor, ROLE_SYSTEM_COMBOBOX, nullptr, SearchLabel1},
    {cboRhyme, ROLE_SYSTEM_COMBOBOX, nullptr, SearchLabel2},
    {txtTitle, ROLE_SYSTEM_TEXT, nullptr, SearchLabel4},
    {txtContent, ROLE_SYSTEM_TEXT, nullptr, SearchLabel5},
    {cmdSearch, ROLE_SYSTEM_PUSHBUTTON},
    {cmdCancel, ROLE_SYSTEM_PUSHBUTTON},
    {SearchLabel1, ROLE_SYSTEM_STATICTEXT},
    {SearchLabel2, ROLE_SYSTEM_STATICTEXT},
    {SearchLabel4, ROLE_SYSTEM_STATICTEXT},
    {SearchLabel5, ROLE_SYSTEM_STATICTEXT},
    {SearchLabel3, ROLE_SYSTEM_STATICTEXT},
};

} // namespace

void NameSearchControls(ui::AccessibleNames& given, const ui::Form& search) {
    ui::GiveNames(given, search, SearchNames);
}
