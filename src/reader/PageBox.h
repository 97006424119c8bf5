#pragma once

#include "PageLook.h"
#include "PageText.h"

#include <cstdint>
#include <string>
#include <windows.h>

#include <richedit.h>

// The reader's page box over the system's rich-edit control, offering just what the page
// needs: the whole text, the font size, and the selection's alignment, colour and text.
class PageBox {
public:
    // Loads the rich-edit library from the system folder only, so that a DLL of the same name
    // beside the program is never used. Returns the window class to create the box with.
    static const wchar_t* WindowClass();

    explicit PageBox(HWND box);

    class Font {
    public:
        explicit Font(HWND box) : box_(box) {}
        // Every character of the box, and all text added later, is drawn at this size.
        void SetSize(int16_t points) const;

    private:
        HWND box_;
    };

    // Each setter returns false when the box did not take the whole text, as when memory ran out.
    bool SetText(const std::u16string& text) const;
    Font GetFont() const { return Font(box_); }
    void SetSelAlignment(ParagraphAlignment alignment) const;
    void SetSelColor(uint32_t colour) const;
    // Colour, weight and size of the text inserted next.
    void SetSelLook(const RunLook& look) const;
    // The size of the box's text, in 1/20 point.
    int TextSizeTwips() const;
    bool SetSelText(const std::u16string& text) const;

private:
    HWND box_;
};

// The selection of the page box `box`; with nothing selected, both ends at the caret.
CHARRANGE PageSelection(HWND box);
