#pragma once

#include "PageLook.h"
#include "PageText.h"
#include "Subclass.h"

#include <cstdint>
#include <functional>
#include <string>
#include <windows.h>

// What the page box tells the reader.
struct PageBoxEvents {
    std::function<void(POINT screen)> MenuWanted; // a right click, Shift+F10 or the menu key
    std::function<void(int delta)> CtrlWheel;     // the mouse wheel turned with Ctrl held
    std::function<void()> Placed;                 // moved, sized, or given another font
};

// The reader's page box over the system's rich-edit control, offering just what the page
// needs: the whole text, the font size, and the selection's alignment, colour and text. It is
// the one owner of the box's subclass, which keeps Tab for the dialog, copies as plain text,
// keeps the font size when the window kit sends the layout's font, and passes on the menu and
// the Ctrl + wheel.
class PageBox {
public:
    // Loads the rich-edit library from the system folder only, so that a DLL of the same name
    // beside the program is never used. Returns the window class to create the box with.
    static const wchar_t* WindowClass();

    PageBox(HWND box, PageBoxEvents events);
    PageBox(const PageBox&) = delete;
    PageBox& operator=(const PageBox&) = delete;

    HWND Handle() const { return box_; }

    class Font {
    public:
        explicit Font(PageBox& box) : box_(box) {}
        // Every character of the box, and all text added later, is drawn at this size, also
        // after the box is given another font.
        void SetSize(int16_t points) const;

    private:
        PageBox& box_;
    };

    // Each setter returns false when the box did not take the whole text, as when memory ran out.
    bool SetText(const std::u16string& text) const;
    Font GetFont() { return Font(*this); }
    void SetSelAlignment(ParagraphAlignment alignment) const;
    // Colour, weight and size of the text inserted next.
    void SetSelLook(const RunLook& look) const;
    bool SetSelText(const std::u16string& text) const;
    // The size of the box's text, in 1/20 point.
    int TextSizeTwips() const { return sizeTwips_; }

private:
    static LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplySize() const;

    HWND box_;
    PageBoxEvents events_;
    int sizeTwips_;
    ui::Subclass subclass_;
};
