#include "Form.h"

#include "ButtonPainter.h"
#include "DialogKeys.h"
#include "Dpi.h"
#include "Fonts.h"
#include "GroupBoxPainter.h"
#include "LabelPainter.h"

#include <algorithm>
#include <cwchar>
#include <commctrl.h>

namespace ui {

namespace {

constexpr int ComboListHeight = 200; // pixels of the dropped list below the edit field

bool TakesWindow(ControlKind kind) {
    return kind != ControlKind::Rectangle;
}

// Controls are created in Tab order, which is the order the dialog manager walks.
std::vector<const ControlSpec*> InTabOrder(const FormLayout& layout) {
    std::vector<const ControlSpec*> descriptions;
    for (size_t i = 0; i < layout.ControlCount; ++i) {
        descriptions.push_back(&layout.Controls[i]);
    }
    std::stable_sort(descriptions.begin(), descriptions.end(),
                     [](const ControlSpec* a, const ControlSpec* b) {
                         const int left = a->TabIndex < 0 ? 1 << 30 : a->TabIndex;
                         const int right = b->TabIndex < 0 ? 1 << 30 : b->TabIndex;
                         return left < right;
                     });
    return descriptions;
}

struct ClassAndStyle {
    const wchar_t* ClassName;
    DWORD Style;
    DWORD ExStyle;
};

ClassAndStyle WindowClassFor(const ControlSpec& description) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (description.Kind) {
    case ControlKind::Label:
        return {L"STATIC", child | SS_OWNERDRAW | SS_NOPREFIX, 0};
    case ControlKind::Button:
        return {L"BUTTON", child | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", child | WS_CLIPSIBLINGS | BS_GROUPBOX, 0};
    case ControlKind::ComboDropDown:
        return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    case ControlKind::TextBox:
        return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Custom:
        return {description.ClassName, child | WS_TABSTOP, 0};
    case ControlKind::Rectangle:
        break;
    }
    return {L"STATIC", child, 0};
}

bool HasCaption(HWND window, const wchar_t* caption) {
    wchar_t text[256]{};
    GetWindowTextW(window, text, 256);
    return wcscmp(text, caption) == 0;
}

} // namespace

void BeginWindowDrag(HWND window) {
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

int ButtonMask(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
           ((wParam & MK_MBUTTON) ? 4 : 0);
}

Form::Form(const FormLayout& layout) : layout_(layout) {}

// The window goes first, while the fonts, brushes and pictures its controls use still exist.
Form::~Form() {
    if (IsLoaded()) {
        Destroy();
    }
}

void Form::Load(HWND owner) {
    const WindowSpec& window = layout_.Window;
    dpi_ = DpiOf(nullptr);
    background_.reset(CreateSolidBrush(window.Background.Resolve()));
    CreateWindowFor(window.ExStyle, window.Caption, window.Style, WindowBounds(), owner);
    if (Handle() == nullptr) {
        return;
    }
    dpi_ = DpiOf(Handle());
    if (window.IconId != 0) {
        const auto load = [](int id, int size) {
            return UniqueIcon(static_cast<HICON>(LoadImageW(
                ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        };
        icon_ = load(window.IconId, GetSystemMetrics(SM_CXICON));
        smallIcon_ = load(window.IconId, GetSystemMetrics(SM_CXSMICON));
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
    CreateControls();
    CreateTooltips();
    ApplyLayout();
}

void Form::Show() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    if (!shownOnce_) {
        shownOnce_ = true;
        SetFocus(Control(FirstFocus()));
    }
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void Form::Unload() {
    if (!IsLoaded()) {
        return;
    }
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        Hide();
    } else {
        Destroy();
    }
}

HWND Form::Control(int id) const {
    for (const Placed& placed : controls_) {
        if (placed.Description->Id == id) {
            return placed.Window;
        }
    }
    return nullptr;
}

void Form::SetLabelCaption(int id, const std::u16string& caption) {
    for (const Placed& placed : controls_) {
        if (placed.Description->Id == id) {
            SetWindowTextW(placed.Window, reinterpret_cast<const wchar_t*>(caption.c_str()));
            FitLabel(placed);
            InvalidateRect(placed.Window, nullptr, TRUE);
            return;
        }
    }
}

void Form::Form_MouseDown(int button) {
    if (button == 1) { // the left button alone; any other combination does nothing
        BeginWindowDrag(Handle());
    }
}

void Form::CreateControls() {
    for (const ControlSpec* description : InTabOrder(layout_)) {
        Placed placed;
        placed.Description = description;
        if (TakesWindow(description->Kind)) {
            const ClassAndStyle kind = WindowClassFor(*description);
            const wchar_t* text = description->Caption;
            if (description->Kind == ControlKind::Button && description->PictureId != 0 &&
                description->Tooltip) {
                text = description->Tooltip; // a picture button's accessible name is its tooltip
            }
            placed.Window =
                CreateWindowExW(kind.ExStyle | description->ExtraExStyle, kind.ClassName, text,
                                kind.Style | description->ExtraStyle, 0, 0, 0, 0, Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(description->Id)),
                                ProgramInstance(), nullptr);
            if (description->Kind == ControlKind::ComboDropDown ||
                description->Kind == ControlKind::Custom) {
                SetWindowTextW(placed.Window, description->Caption);
            }
            if (description->Kind == ControlKind::GroupBox) {
                SetWindowSubclass(placed.Window, PaintGroupBox, 0,
                                  reinterpret_cast<DWORD_PTR>(background_.get()));
            }
            if (description->Kind == ControlKind::TextBox) {
                SendMessageW(placed.Window, EM_SETLIMITTEXT, 0, 0);
            }
        }
        if (description->Back.IsSet()) {
            placed.Back.reset(CreateSolidBrush(description->Back.Resolve()));
        }
        if (description->PictureId != 0) {
            placed.Picture.reset(static_cast<HBITMAP>(
                LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(description->PictureId),
                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        }
        controls_.push_back(std::move(placed));
    }
    // A group box paints its frame over whatever lies below it, so it goes to the bottom.
    for (const Placed& placed : controls_) {
        if (placed.Description->Kind == ControlKind::GroupBox) {
            SetWindowPos(placed.Window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void Form::CreateTooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               ProgramInstance(), nullptr);
    for (const Placed& placed : controls_) {
        if (placed.Description->Tooltip == nullptr || placed.Window == nullptr) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(placed.Window);
        tool.lpszText = const_cast<wchar_t*>(placed.Description->Tooltip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    RelayMouseToTooltip(Handle(), tooltip_);
}

RECT Form::WindowBounds() const {
    const WindowSpec& window = layout_.Window;
    const RECT client{0, 0, TwipsToPixels(window.ClientWidth, dpi_),
                      TwipsToPixels(window.ClientHeight, dpi_)};
    RECT outer = OuterRect(client, window.Style, window.ExStyle, dpi_);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const int top = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    return {left, top, left + width, top + height};
}

RECT Form::ControlRect(const ControlSpec& description) const {
    int left = TwipsToPixels(description.Left, dpi_);
    int top = TwipsToPixels(description.Top, dpi_);
    // Controls inside a group box are placed relative to the box's outer corner.
    for (int container = description.Container; container != 0;) {
        const ControlSpec* outer = nullptr;
        for (size_t i = 0; i < layout_.ControlCount; ++i) {
            if (layout_.Controls[i].Id == container) {
                outer = &layout_.Controls[i];
            }
        }
        if (outer == nullptr) {
            break;
        }
        left += TwipsToPixels(outer->Left, dpi_);
        top += TwipsToPixels(outer->Top, dpi_);
        container = outer->Container;
    }
    return {left, top, left + TwipsToPixels(description.Width, dpi_),
            top + TwipsToPixels(description.Height, dpi_)};
}

void Form::ApplyLayout() {
    defaultFont_ = CreateFontAt(layout_.Window.DefaultFont, dpi_);
    for (Placed& placed : controls_) {
        const ControlSpec& description = *placed.Description;
        if (placed.Window == nullptr) {
            continue;
        }
        placed.Font =
            description.Font.Face != nullptr ? CreateFontAt(description.Font, dpi_) : UniqueFont();
        SendMessageW(placed.Window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(placed)), TRUE);
        const RECT rect = ControlRect(description);
        const int height = rect.bottom - rect.top;
        const bool combo = description.Kind == ControlKind::ComboDropDown;
        SetWindowPos(placed.Window, nullptr, rect.left, rect.top, rect.right - rect.left,
                     combo ? height + TwipsToPixels(ComboListHeight * 15, dpi_) : height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (combo) {
            ResizeComboField(placed, height);
        }
        if (description.Kind == ControlKind::Label && GetWindowTextLengthW(placed.Window) > 0 &&
            !HasCaption(placed.Window, description.Caption)) {
            FitLabel(placed); // a caption set at run time keeps its fitted size
        }
    }
}

void Form::ResizeComboField(const Placed& placed, int height) const {
    // The closed combo box takes its height from its edit field; set that so that the whole
    // box is as tall as the layout says. Systems disagree on how the field height they are
    // given relates to the one they report, so adjust by what is still missing.
    auto field = SendMessageW(placed.Window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
        RECT outer{};
        GetWindowRect(placed.Window, &outer);
        const auto missing = height - (outer.bottom - outer.top);
        if (missing == 0) {
            return;
        }
        field += missing;
        SendMessageW(placed.Window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void Form::FitLabel(const Placed& placed) const {
    const SIZE size = MeasureLabel(placed.Window, FontOf(placed));
    RECT bounds{};
    GetWindowRect(placed.Window, &bounds);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    // Grows and shrinks to the right; the old area is repainted with the window background.
    InvalidateRect(Handle(), &bounds, TRUE);
    SetWindowPos(placed.Window, nullptr, 0, 0, size.cx, std::max<LONG>(size.cy, 1),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const Form::Placed* Form::Find(HWND window) const {
    for (const Placed& placed : controls_) {
        if (placed.Window == window && window != nullptr) {
            return &placed;
        }
    }
    return nullptr;
}

HFONT Form::FontOf(const Placed& placed) const {
    return placed.Font ? placed.Font.get() : defaultFont_.get();
}

LRESULT Form::ColourControl(HDC dc, HWND window, UINT message) {
    const Placed* placed = Find(window);
    if (placed == nullptr) {
        placed = Find(GetParent(window)); // the edit field inside a combo box
    }
    if (placed == nullptr) {
        return DefWindowProcW(Handle(), message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(window));
    }
    const ControlSpec& description = *placed->Description;
    if (description.Kind == ControlKind::Label || description.Kind == ControlKind::GroupBox) {
        // Transparent: the window's own background shows around the letters.
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, layout_.Window.Background.Resolve());
        SetTextColor(dc, description.Fore.IsSet() ? description.Fore.Resolve()
                                                  : GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(background_.get());
    }
    if (placed->Back) {
        SetBkColor(dc, description.Back.Resolve());
        SetTextColor(dc, description.Fore.IsSet() ? description.Fore.Resolve()
                                                  : GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(placed->Back.get());
    }
    return DefWindowProcW(Handle(), message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(window));
}

void Form::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    const UniqueHandle<HPEN, DeleteGdiObject> pen(
        CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
    HGDIOBJ oldPen = SelectObject(dc, pen.get());
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (size_t i = 0; i < layout_.ControlCount; ++i) {
        const ControlSpec& description = layout_.Controls[i];
        if (description.Kind == ControlKind::Rectangle) {
            const RECT rect = ControlRect(description);
            Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    EndPaint(Handle(), &paint);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) { // from a control; Enter and Escape send IDOK and IDCANCEL, unused
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const Placed* placed = Find(item.hwndItem);
        if (placed != nullptr && placed->Description->Kind == ControlKind::Label) {
            const ControlSpec& description = *placed->Description;
            PaintLabel(item, FontOf(*placed),
                       description.Fore.IsSet() ? description.Fore.Resolve()
                                                : GetSysColor(COLOR_BTNTEXT),
                       background_.get());
            return TRUE;
        }
        if (placed != nullptr) {
            const COLORREF face = placed->Description->Back.IsSet()
                                      ? placed->Description->Back.Resolve()
                                      : GetSysColor(COLOR_BTNFACE);
            PaintButton(item, face, placed->Picture.get(), FontOf(*placed));
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                             message);
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Form_MouseDown(ButtonMask(wParam));
        return 0;
    case WM_ACTIVATE:
        // Keep the focus where the user left it when the window comes back to the front.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(Handle(), focus)) {
                lastFocus_ = focus;
            }
        } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ApplyLayout();
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    }
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DESTROY:
        RelayMouseToTooltip(Handle(), nullptr);
        OnDestroyed();
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
