// The reader's commands: the one place that runs them, whether a button, a key or the page's
// menu gave them, and their handlers.
#include "Form1.h"

#include "ContextMenu.h"
#include "Clipboard.h"
#include "Form2.h"
#include "PagePicture.h"
#include "PagePrinting.h"
#include "PageSelection.h"
#include "PoemOfTheDay.h"
#include "ProgramTexts.h"
#include "RandomPoem.h"
#include "ReaderCommands.h"

#include <algorithm>
#include <new>
#include <windowsx.h>

namespace {

// Different at every start: the time in the processor's finest count, mixed with the system's
// random source.
std::mt19937 SeededGenerator() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    std::random_device device;
    std::seed_seq seed{static_cast<unsigned>(now.LowPart), static_cast<unsigned>(now.HighPart),
                       device(), static_cast<unsigned>(GetCurrentProcessId())};
    return std::mt19937(seed);
}

int64_t TodayOnThisComputer() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DayNumber(now.wYear, now.wMonth, now.wDay);
}

bool OpensContextMenu(UINT key, Modifiers held) {
    return (key == VK_APPS && !held.Ctrl && !held.Alt) ||
           (key == VK_F10 && held.Shift && !held.Ctrl && !held.Alt);
}

} // namespace

void Form1::RunCommand(int id) {
    const ReaderCommand* command = FindCommand(id);
    if (command != nullptr && CanRun(*command)) {
        GoingOnFromTheShownPoem([this, command] { (this->*command->Handler)(); });
    }
}

bool Form1::CanRun(const ReaderCommand& command) const {
    switch (command.Needs) {
    case CommandNeeds::Nothing:
        return true;
    case CommandNeeds::APoem:
        return !module_.Tangs.empty();
    case CommandNeeds::ASelection: {
        const CHARRANGE selected = PageSelection(page_->Handle());
        return selected.cpMax > selected.cpMin;
    }
    case CommandNeeds::Reading:
        return aloud_.Part().has_value();
    case CommandNeeds::NotesToSay:
        return shown_ >= 0 && shown_ <= HighestIndex(module_.Tangs) &&
               !SpokenText(module_.Tangs[static_cast<size_t>(shown_)].Notes).empty();
    }
    return false;
}

bool Form1::IsChecked(const ReaderCommand& command) const {
    switch (command.Id) {
    case mnuVertical:
        return vertical_->IsOn();
    case mnuPinyin:
        return pinyin_->IsOn();
    case mnuReadAloud:
        return aloud_.Part() == ReadAloudPart::Poem;
    case mnuReadNotes:
        return aloud_.Part() == ReadAloudPart::Notes;
    default:
        return false;
    }
}

// A command that ran out of memory on its way to another poem leaves the page on the poem it
// showed: the next step starts from there, and the list's entry, the caption and the page's
// name all name it. The user is told where the message came in.
void Form1::GoingOnFromTheShownPoem(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        module_.CurrentIndex = shown_;
        SelectListEntry(shown_);
        throw;
    }
}

void Form1::OnCommand(int id, int notification) {
    if (id == cboTang) {
        if (notification == CBN_SELCHANGE) {
            GoingOnFromTheShownPoem([this] { cboTang_Click(); });
        }
    } else if (notification == BN_CLICKED) {
        RunCommand(id);
    }
}

bool Form1::OnKey(const MSG& message) {
    HWND box = page_->Handle();
    if (message.message == WM_MOUSEWHEEL) {
        // Ctrl + wheel over the page, in either view, sizes the page, whichever control has
        // the focus.
        const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        HWND under = WindowFromPoint(at);
        const bool overThePage = IsPageWindow(under);
        if ((GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0 && overThePage &&
            message.hwnd != box) {
            SendMessageW(box, WM_MOUSEWHEEL, message.wParam, message.lParam);
            return true;
        }
        return false;
    }
    const auto key = static_cast<UINT>(message.wParam);
    const Modifiers held = HeldModifiers();
    if (message.hwnd == box && OpensContextMenu(key, held)) {
        // Once, on the press; the release, which some systems answer with a menu too, is kept.
        if (message.message != WM_KEYUP) {
            SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
        }
        return true;
    }
    if (message.message == WM_KEYUP) {
        return false;
    }
    const bool onThePage = IsPageWindow(message.hwnd);
    const ReaderCommand* command = CommandForKey(key, held, onThePage);
    if (command == nullptr || (command->Needs == CommandNeeds::Reading && !CanRun(*command))) {
        return false; // Escape is the page's own unless it stops the reading
    }
    RunCommand(command->Id);
    return true;
}

void Form1::ShowPageMenu(POINT at) {
    const std::vector<const ReaderCommand*> items = PageMenu();
    std::vector<std::wstring> texts;
    texts.reserve(items.size()); // the choices point into these
    std::vector<ui::MenuChoice> choices;
    for (const ReaderCommand* command : items) {
        if (command == nullptr) {
            choices.push_back({0, nullptr, false});
            continue;
        }
        texts.push_back(MenuItemText(*command));
        choices.push_back({static_cast<UINT>(command->Id), texts.back().c_str(), CanRun(*command),
                           IsChecked(*command)});
    }
    RunCommand(static_cast<int>(ui::ChooseFromMenu(page_->Handle(), at, choices)));
}

void Form1::Step(Move move) {
    const MoveOutcome outcome = Navigate(move, module_.CurrentIndex, HighestIndex(module_.Tangs));
    switch (outcome.What) {
    case MoveOutcome::Kind::ShowPoem:
        module_.CurrentIndex = outcome.Index;
        ShowTang(module_.CurrentIndex);
        break;
    case MoveOutcome::Kind::AlreadyFirst:
        Inform(texts::FirstPoemMessage);
        break;
    case MoveOutcome::Kind::AlreadyLast:
        Inform(texts::LastPoemMessage);
        break;
    case MoveOutcome::Kind::NothingToShow:
        break;
    }
}

void Form1::Command1_Click() {
    Inform(texts::AboutText);
}

void Form1::Command2_Click() {
    form2_->Show();
}

void Form1::mnuCopy_Click() {
    if (pinyin_->IsOn()) {
        pinyin_->Copy(); // with the readings the view shows
    } else {
        CopyPageSelection(page_->Handle());
    }
}

void Form1::mnuSelectAll_Click() {
    SelectWholePage(page_->Handle());
    for (const PageView* view : Views()) {
        view->Repaint();
    }
}

// The page as it is shown, but whole; a page too long for one picture gives its first part.
void Form1::mnuCopyPicture_Click() {
    PageView* shown = ShownView();
    const PagePicture picture = shown != nullptr ? PictureOfView(*shown) : PictureOfBox(*page_);
    if (picture.Bitmap && ui::PutPictureOnClipboard(Handle(), picture.Bitmap.get()) &&
        picture.Cut) {
        Inform(texts::PictureCutMessage);
    }
}

void Form1::mnuRandom_Click() {
    if (!random_) {
        random_ = SeededGenerator();
    }
    const int16_t chosen =
        ChooseRandomPoem(module_.CurrentIndex, static_cast<int>(module_.Tangs.size()), *random_);
    if (chosen >= 0) {
        module_.CurrentIndex = chosen;
        ShowTang(module_.CurrentIndex);
    }
}

void Form1::mnuPoemOfTheDay_Click() {
    const int64_t today = today_ ? today_() : TodayOnThisComputer();
    const int16_t chosen = PoemOfTheDay(today, static_cast<int>(module_.Tangs.size()));
    if (chosen >= 0) {
        module_.CurrentIndex = chosen;
        ShowTang(module_.CurrentIndex);
    }
}

// As a double-click on the result after or before the poem on the page; before any result,
// as the search command.
void Form1::StepThroughResults(bool forward) {
    const SearchResults& results = form2_->LastResults();
    if (results.Empty()) {
        mnuSearch_Click();
        return;
    }
    const int16_t shown = module_.CurrentIndex;
    const std::optional<size_t> next = forward ? results.After(shown) : results.Before(shown);
    if (!next) {
        Inform(forward ? texts::LastResultMessage : texts::FirstResultMessage);
        return;
    }
    form2_->OpenResult(*next);
}

// As the search button, with the focus in the author box, the first criterion.
void Form1::mnuSearch_Click() {
    form2_->ShowWithFocusOnAuthor();
}

PageView* Form1::ShownView() {
    for (PageView* view : Views()) {
        if (view->IsOn()) {
            return view;
        }
    }
    return nullptr;
}

bool Form1::IsPageWindow(HWND window) {
    return window == page_->Handle() || std::ranges::any_of(Views(), [window](PageView* view) {
               return view->Handle() == window;
           });
}

// The page shows one view at a time: turning one on turns the other off.
void Form1::SwitchView(PageView& view) {
    const bool on = !view.IsOn();
    for (PageView* other : Views()) {
        if (on && other != &view) {
            other->SetOn(false);
        }
    }
    view.SetOn(on);
}

void Form1::mnuPrint_Click() {
    PrintPage(Handle(), module_.Tangs.at(static_cast<size_t>(module_.CurrentIndex)),
              module_.CurrentIndex);
}
