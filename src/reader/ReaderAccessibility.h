#pragma once

#include "FormAccessibility.h"

#include <functional>
#include <string>

// The page's other views, each in the box's place, with the focus, while it is shown.
struct PageViews {
    HWND Vertical;                              // the page set vertically: the box's text
    HWND Pinyin;                                // the page with its readings
    std::function<std::u16string()> PinyinText; // what the readings view shows, as text
};

// Names the reader window's controls for screen readers. The page is a read-only document
// named by `pageName`, the poem on it, and its text is its value; so are its other views, each
// with the text it shows.
void NameReaderControls(ui::AccessibleNames& given, const ui::Form& reader,
                        const std::function<std::u16string()>& pageName, PageViews views);
