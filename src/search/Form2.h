#pragma once

#include "Accessibility.h"
#include "Controls.h"
#include "Form.h"
#include "HiddenOwner.h"
#include "Module1.h"
#include "PickLists.h"
#include "SearchLayout.h"
#include "SearchResults.h"

#include <cstdint>
#include <functional>

// The search window: finds poems by author, metrical form, title and verse, and opens a found
// poem in the reader. Closing it only hides it while the reader lives.
class Form2 final : public ui::Form {
public:
    // Shows the poem of table index `Index` in the reader and brings the reader to the front.
    using OpenPoem = std::function<void(int16_t Index)>;

    // `searched` runs after every search, once the result list holds its results.
    Form2(Module1& shared, OpenPoem openPoem, std::function<void()> searched);

    // Creates the window hidden, with "不限定" in both pick lists.
    void Load();
    // Shows the window, or brings it forward, with the focus in the author box and its text
    // selected, so that typing replaces it.
    void ShowWithFocusOnAuthor();

    ui::ComboBox Authors() const { return ui::ComboBox(Control(cboAuthor)); }
    ui::ComboBox Rhymes() const { return ui::ComboBox(Control(cboRhyme)); }
    ui::ListBox Results() const { return ui::ListBox(Control(lstTang)); }
    // The author and metrical-form lists, which the loader fills.
    PickLists& Lists() { return pickLists_; }
    // The last search and the poems its result list holds.
    const SearchResults& LastResults() const { return results_; }
    // Selects the result list's entry at `position` and opens it as a double-click would.
    void OpenResult(size_t position);

    void cmdSearch_Click();
    void cmdCancel_Click() { Unload(); }
    void lstTang_DblClick();

private:
    void OnCommand(int id, int notification) override;
    void Form_Unload(bool& cancel) override;
    int FirstFocus() const override { return lstTang; }

    Module1& module_;
    OpenPoem openPoem_;
    std::function<void()> searched_;
    SearchResults results_;
    ui::HiddenOwner owner_;
    PickLists pickLists_;
    ui::AccessibleNames accessibleNames_;
};
