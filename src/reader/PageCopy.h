#pragma once

#include "ContextMenu.h"

#include <vector>
#include <windows.h>

// Lets the user copy from the read-only page box: Ctrl+A selects the whole page, Ctrl+C (and
// Ctrl+Insert) copies the selection as plain Unicode text with CR LF line breaks, and a right
// click opens a menu with "复制(&C)" (greyed without a selection) and "全选(&A)".
void OfferCopy(HWND box);

// The menu also offers "竖排" (checked while the box is hidden, the vertical page standing in
// for it), as does F8: either sends this notification to the box's parent in a WM_COMMAND.
constexpr WORD PageVerticalChosen = 0x7F01;

// More entries for the page's menu, after 复制 and 全选.
class PageMenuExtension {
public:
    // Adds its entries, with Ids from 100 up.
    virtual void AppendChoices(std::vector<ui::MenuChoice>& choices) const = 0;
    // Runs the entry of `id`, one of those it added.
    virtual void Choose(UINT id) = 0;

protected:
    ~PageMenuExtension() = default;
};

// Adds `more` to the page's menu (nullptr: only 复制 and 全选 again).
void ExtendPageMenu(HWND box, PageMenuExtension* more);
