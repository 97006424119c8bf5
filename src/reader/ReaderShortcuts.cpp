#include "ReaderShortcuts.h"

#include "Form1.h"
#include "Form2.h"
#include "PagePrinting.h"
#include "RandomPoem.h"
#include "SearchLayout.h"

#include <windowsx.h>

namespace {

constexpr UINT FirstMenuId = 100;

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

bool OpensContextMenu(UINT key, Modifiers held) {
    return (key == VK_APPS && !held.Ctrl && !held.Alt) ||
           (key == VK_F10 && held.Shift && !held.Ctrl && !held.Alt);
}

} // namespace

ReaderShortcuts::ReaderShortcuts(Form1& reader, Module1& shared, HWND page)
    : reader_(reader), shared_(shared), page_(page), zoom_(page), random_(SeededGenerator()) {
    ExtendPageMenu(page_, this);
}

ReaderShortcuts::~ReaderShortcuts() {
    if (IsWindow(page_)) {
        ExtendPageMenu(page_, nullptr);
    }
}

bool ReaderShortcuts::Available(ReaderCommand command) const {
    return command == ReaderCommand::About || command == ReaderCommand::Search ||
           !shared_.Tangs.empty();
}

void ReaderShortcuts::Run(ReaderCommand command) {
    if (!Available(command)) {
        return;
    }
    switch (command) {
    case ReaderCommand::PreviousPoem:
        reader_.cmdMovePrev_Click();
        break;
    case ReaderCommand::NextPoem:
        reader_.cmdMoveNext_Click();
        break;
    case ReaderCommand::FirstPoem:
        reader_.cmdMoveFirst_Click();
        break;
    case ReaderCommand::LastPoem:
        reader_.cmdMoveLast_Click();
        break;
    case ReaderCommand::RandomPoem:
        ShowRandomPoem();
        break;
    case ReaderCommand::ZoomIn:
        zoom_.ZoomBy(1);
        break;
    case ReaderCommand::ZoomOut:
        zoom_.ZoomBy(-1);
        break;
    case ReaderCommand::ZoomReset:
        zoom_.Reset();
        break;
    case ReaderCommand::Search:
        OpenSearch();
        break;
    case ReaderCommand::Print:
        PrintPage(reader_.Handle(), shared_.Tangs.at(static_cast<size_t>(shared_.CurrentIndex)),
                  shared_.CurrentIndex);
        break;
    case ReaderCommand::About:
        reader_.Command1_Click();
        break;
    }
}

void ReaderShortcuts::ShowRandomPoem() {
    const int16_t chosen =
        ChooseRandomPoem(shared_.CurrentIndex, static_cast<int>(shared_.Tangs.size()), random_);
    if (chosen >= 0) {
        shared_.CurrentIndex = chosen;
        reader_.ShowTang(shared_.CurrentIndex);
    }
}

// As the search button, then the focus goes to the author box, the first criterion, with its
// text selected so that typing replaces it.
void ReaderShortcuts::OpenSearch() {
    reader_.Command2_Click();
    HWND author = reader_.SearchWindow().Control(cboAuthor);
    SetFocus(author);
    SendMessageW(author, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool ReaderShortcuts::OnKey(const MSG& message) {
    if (message.message == WM_MOUSEWHEEL) {
        // Ctrl + wheel over the page sizes the page, whichever control has the focus.
        const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        if ((GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) != 0 && message.hwnd != page_ &&
            WindowFromPoint(at) == page_) {
            SendMessageW(page_, WM_MOUSEWHEEL, message.wParam, message.lParam);
            return true;
        }
        return false;
    }
    const auto key = static_cast<UINT>(message.wParam);
    const Modifiers held = HeldModifiers();
    if (message.hwnd == page_ && OpensContextMenu(key, held)) {
        // Once, on the press; the release, which some systems answer with a menu too, is kept.
        if (message.message != WM_KEYUP) {
            SendMessageW(page_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(page_), -1);
        }
        return true;
    }
    if (message.message == WM_KEYUP) {
        return false;
    }
    const std::optional<ReaderCommand> command = CommandForKey(key, held);
    if (!command) {
        return false;
    }
    Run(*command);
    return true;
}

void ReaderShortcuts::AppendChoices(std::vector<ui::MenuChoice>& choices) const {
    for (const ReaderMenuEntry* entry = ReaderMenuBegin(); entry != ReaderMenuEnd(); ++entry) {
        if (!entry->Command) {
            choices.push_back({0, nullptr, false});
            continue;
        }
        choices.push_back({FirstMenuId + static_cast<UINT>(*entry->Command), entry->Text,
                           Available(*entry->Command)});
    }
}

void ReaderShortcuts::Choose(UINT id) {
    if (id >= FirstMenuId) {
        Run(static_cast<ReaderCommand>(id - FirstMenuId));
    }
}
