#pragma once

#include <windows.h>

// Declarative descriptions of windows and their controls. Positions and sizes are in twips
// (1/1440 inch) and become pixels with the window's actual DPI.
namespace ui {

struct Colour {
    enum class Source { None, Rgb, System };
    Source From = Source::None;
    COLORREF Value = 0; // an RGB value, or a COLOR_* index for a system colour

    COLORREF Resolve() const { return From == Source::System ? GetSysColor(Value) : Value; }
    bool IsSet() const { return From != Source::None; }
};

constexpr Colour RgbColour(BYTE red, BYTE green, BYTE blue) {
    return {Colour::Source::Rgb, RGB(red, green, blue)};
}
constexpr Colour SystemColour(int index) {
    return {Colour::Source::System, static_cast<COLORREF>(index)};
}

struct FontLayout {
    const wchar_t* Face = nullptr; // nullptr: the window's default font
    double Points = 0;
    int Weight = FW_NORMAL;
    BYTE Charset = GB2312_CHARSET;
};

enum class ControlKind {
    Label,         // transparent STATIC text, possibly several lines
    Button,        // owner-drawn push button: face colour, caption or picture
    GroupBox,      // container: controls listed inside it are placed relative to it
    Rectangle,     // outline drawn on the window background; not a window
    ComboDropDown, // editable drop-down combo box, unsorted
    ListBox,       // single-selection, unsorted
    TextBox,       // single-line edit with a sunken border
    Custom,        // a window class named by the table (the rich-edit page box)
};

struct ControlLayout {
    int Id;
    ControlKind Kind;
    int Container; // Id of the group box holding it, or 0 for the window itself
    int Left, Top, Width, Height;
    const wchar_t* Caption = L"";
    FontLayout Font{};
    Colour Fore{};
    Colour Back{};
    const wchar_t* Tooltip = nullptr;
    int TabIndex = -1;                  // -1: takes no Tab index
    int PictureId = 0;                  // bitmap resource drawn centred on a button
    const wchar_t* ClassName = nullptr; // for Custom controls
    DWORD ExtraStyle = 0;
    DWORD ExtraExStyle = 0;
};

struct WindowLayout {
    const wchar_t* Caption;
    int ClientWidth, ClientHeight;
    DWORD Style;
    DWORD ExStyle;
    Colour Background;
    int IconId;
    FontLayout DefaultFont;
};

struct FormLayout {
    WindowLayout Window;
    const ControlLayout* Controls;
    size_t ControlCount;
};

// Twips to pixels at `dpi`: at 96 DPI exactly twips / 15.
inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

} // namespace ui
