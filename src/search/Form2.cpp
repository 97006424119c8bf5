#include "Form2.h"

#include "Accessibility.h"
#include "FullListMessage.h"
#include "ListedText.h"
#include "MessageBox.h"
#include "PageText.h"
#include "RedrawPaused.h"
#include "ProgramTexts.h"
#include "SearchAccessibility.h"
#include "TangSearch.h"

#include <optional>

Form2::Form2(Module1& shared, OpenPoem openPoem, std::function<void()> searched)
    : ui::Form(SearchLayout()), module_(shared), openPoem_(std::move(openPoem)),
      searched_(std::move(searched)) {}

void Form2::Load() {
    owner_.Create();
    ui::Form::Load(owner_.Handle());
    NameSearchControls(accessibleNames_, *this);
    pickLists_.Attach(Authors(), Rhymes());
}

void Form2::ShowWithFocusOnAuthor() {
    Show();
    HWND author = Control(cboAuthor);
    SetFocus(author);
    SendMessageW(author, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void Form2::cmdSearch_Click() {
    const SearchCriteria criteria{Authors().Text(), Rhymes().Text(),
                                  ui::WindowText(Control(txtTitle)),
                                  ui::WindowText(Control(txtContent))};
    std::vector<int16_t> found = SearchTangs(module_.Tangs, criteria);

    const ui::ListBox results = Results();
    size_t listed = 0;
    {
        const ui::ListBeingFilled filling(results.Handle());
        results.Clear();
        results.ReserveItems(found.size(), ResultListStorage(module_.Tangs, found));
        for (; listed < found.size(); ++listed) {
            const int16_t index = found[listed];
            const int entry =
                results.AddItem(SearchResultEntry(module_.Tangs[static_cast<size_t>(index)]));
            if (entry < 0) {
                break; // the list is full
            }
            if (!results.SetItemData(entry, index)) {
                results.RemoveItem(entry); // an entry that opens no poem is not listed
                break;
            }
        }
    }
    const size_t foundCount = found.size();
    found.resize(listed); // a poem beyond a full list is no result the reader can step to
    results_ = SearchResults(criteria, std::move(found));
    if (searched_) {
        searched_();
    }
    if (listed < foundCount) {
        ui::ShowInformation(Handle(), ResultListFullMessage(listed, foundCount),
                            texts::ProgramName);
    }
}

// The reader's page is drawn first, and the list's moved selection once the reader is idle.
void Form2::OpenResult(size_t position) {
    {
        std::optional<ui::RedrawPaused> paused;
        if (IsWindowVisible(Results().Handle())) {
            paused.emplace(Results().Handle());
        }
        Results().SetListIndex(static_cast<int>(position));
    }
    lstTang_DblClick();
}

void Form2::lstTang_DblClick() {
    const ui::ListBox results = Results();
    const int selected = results.ListIndex();
    if (selected < 0) {
        return; // nothing to open, as on an empty list
    }
    module_.CurrentIndex = static_cast<int16_t>(results.ItemData(selected));
    openPoem_(module_.CurrentIndex);
}

void Form2::OnCommand(int id, int notification) {
    if (id == lstTang && notification == LBN_DBLCLK) {
        lstTang_DblClick();
    } else if (id == cmdSearch && notification == BN_CLICKED) {
        cmdSearch_Click();
    } else if (id == cmdCancel && notification == BN_CLICKED) {
        cmdCancel_Click();
    }
}

void Form2::Form_Unload(bool& cancel) {
    // While the reader lives, closing only hides the window.
    cancel = !module_.IsClosing;
}
