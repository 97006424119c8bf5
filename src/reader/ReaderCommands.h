#pragma once

#include "ReaderIds.h"

#include <array>
#include <span>
#include <string>
#include <vector>
#include <windows.h>

class Form1;

// The modifier keys held with a key.
struct Modifiers {
    bool Ctrl = false;
    bool Shift = false;
    bool Alt = false;
};

Modifiers HeldModifiers(); // from the keyboard state of the message being handled

// Whether a key runs its command with Shift held.
enum class ShiftKey : uint8_t { Up, Either, Held };

// A key that runs a command: the key with Ctrl, with Alt or with neither, and with Shift as
// ShiftKey says.
struct KeyChord {
    UINT Key = 0; // a virtual-key code; 0: no key
    bool Ctrl = false;
    bool Alt = false;
    ShiftKey Shift = ShiftKey::Up;
    const wchar_t* Name = nullptr; // as the menu names it; the menu shows the first named key
};

// Where a command's keys work.
enum class KeysWork {
    Anywhere,  // whichever control of the reader has the focus
    OnThePage, // only on the page, which leaves them to the other controls' own use
};

// What a command needs to run. Without it the menu greys the command, its keys do nothing and
// its button does nothing.
enum class CommandNeeds {
    Nothing,
    APoem,
    ASelection,
    Reading,    // the page being read aloud
    NotesToSay, // a poem whose notes have words to read aloud
};

// One command of the reader: every way of reaching it, and the handler that runs it.
struct ReaderCommand {
    ReaderId Id;             // for a button's command, the button's own id
    const wchar_t* MenuText; // on the page's menu, with its access key; nullptr: not on it
    int MenuGroup;           // the menu puts a separator between two groups
    std::array<KeyChord, 2> Keys;
    KeysWork Where;
    const wchar_t* Name; // a button's tooltip and what a screen reader calls it; nullptr: none
    CommandNeeds Needs;
    void (Form1::*Handler)();
};

// Every command, in the order of the page's menu.
std::span<const ReaderCommand> ReaderCommands();

// The command of `id`; nullptr for an id that runs none.
const ReaderCommand* FindCommand(int id);

// The command `key` gives with `held`, pressed on the page or on another of the reader's
// controls; nullptr when the reader leaves the key to its controls.
const ReaderCommand* CommandForKey(UINT key, Modifiers held, bool onThePage);

// The page's menu, in order: its commands, and nullptr for a separator between two groups.
std::vector<const ReaderCommand*> PageMenu();

// The command's menu item: its text, a tab and the name of its key.
std::wstring MenuItemText(const ReaderCommand& command);

// A button's name, as its tooltip shows it and a screen reader speaks it.
const wchar_t* ButtonName(ReaderId button);
