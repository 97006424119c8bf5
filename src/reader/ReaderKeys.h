#pragma once

#include <optional>
#include <windows.h>

// What the reader's keys and its page menu can do, besides copying.
enum class ReaderCommand {
    PreviousPoem,
    NextPoem,
    FirstPoem,
    LastPoem,
    RandomPoem,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    Search,
    Print,
    About,
};

// The modifier keys held with a key.
struct Modifiers {
    bool Ctrl = false;
    bool Shift = false;
    bool Alt = false;
};

Modifiers HeldModifiers(); // from the keyboard state of the message being handled

// The command a key press gives in the reader, whichever control has the focus; nothing for a
// key the reader leaves to its controls.
std::optional<ReaderCommand> CommandForKey(UINT key, Modifiers held);

// One line of the page's menu after 复制 and 全选: a command with its key, or a separator.
struct ReaderMenuEntry {
    std::optional<ReaderCommand> Command; // none: a separator
    const wchar_t* Text = nullptr;        // the item's text, a tab, and its key
};

// The entries in menu order.
const ReaderMenuEntry* ReaderMenuBegin();
const ReaderMenuEntry* ReaderMenuEnd();
