#include "VerticalPainter.h"

#include <algorithm>
#include <cwchar>

namespace {

ui::UniqueFont CreateCellFont(const wchar_t* face, BYTE charset, int cell, int escapement,
                              bool bold) {
    LOGFONTW font{};
    font.lfHeight = -cell; // the em, the height of an ideograph's cell
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = charset;
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfOutPrecision = OUT_TT_PRECIS; // an outline face turns cleanly
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return ui::UniqueFont(CreateFontIndirectW(&font));
}

TEXTMETRICW MetricsOf(HDC dc, HFONT font) {
    TEXTMETRICW metrics{};
    const ui::Selected selected(dc, font);
    GetTextMetricsW(dc, &metrics);
    return metrics;
}

} // namespace

VerticalFonts::VerticalFonts(const wchar_t* face, BYTE charset, int cell)
    : upright_(CreateCellFont(face, charset, cell, 0, false)),
      sideways_(CreateCellFont(face, charset, cell, 2700, false)), // a quarter turn clockwise
      boldUpright_(CreateCellFont(face, charset, cell, 0, true)),
      boldSideways_(CreateCellFont(face, charset, cell, 2700, true)) {}

// The metrics of the plain faces place the bold ones too, so that every run sits on one line.
CellPainter::CellPainter(HDC dc, const VerticalFonts& fonts, int cell,
                         const std::array<RunInk, 4>& inks, bool systemHighlight)
    : dc_(dc), fonts_(fonts), cell_(cell), inks_(inks), systemHighlight_(systemHighlight),
      markBrush_(CreateSolidBrush(MarkColour)), readingBrush_(CreateSolidBrush(ReadingColour)),
      upright_(MetricsOf(dc, fonts.Upright(false))),
      sideways_(MetricsOf(dc, fonts.Sideways(false))), saved_(dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE);
}

void CellPainter::Draw(const VerticalLayout& layout, const VerticalCell& cell, int left, int top,
                       bool selected, MarkKind mark) const {
    const int extent = HalfCellsOf(cell.Form.Form) * cell_ / 2;
    const bool marked = mark != MarkKind::None;
    const bool highlighted = selected || (marked && systemHighlight_);
    if (highlighted || marked) {
        const RECT box{left - 1, top, left + cell_ + 1, top + extent};
        if (highlighted) {
            FillRect(dc_, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        } else {
            FillRect(dc_, &box, (mark == MarkKind::Reading ? readingBrush_ : markBrush_).get());
        }
    }
    const RunInk& ink = inks_[cell.Run];
    SetTextColor(dc_, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink.Colour);
    bold_ = ink.Bold;
    const auto* text = reinterpret_cast<const wchar_t*>(layout.Text.data() + cell.Index);
    switch (cell.Form.Form) {
    case CellForm::Upright:
        Upright(text, cell.Units, left, top);
        break;
    case CellForm::UpperRight:
        UpperRight(*text, left, top);
        break;
    case CellForm::Replaced:
        if (cell.Form.Shown != 0 && HasGlyph(static_cast<wchar_t>(cell.Form.Shown))) {
            const wchar_t shown = static_cast<wchar_t>(cell.Form.Shown);
            Upright(&shown, 1, left, top);
        } else {
            Sideways(text, cell.Units, left, top, extent);
        }
        break;
    case CellForm::Sideways:
        Sideways(text, cell.Units, left, top, extent);
        break;
    }
}

// Centred across the cell, with the font's ascent and descent centred along it.
void CellPainter::Upright(const wchar_t* text, int length, int left, int top) const {
    SelectObject(dc_, fonts_.Upright(bold_));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text, length, &size);
    const int baseline =
        top + (cell_ - upright_.tmAscent - upright_.tmDescent) / 2 + upright_.tmAscent;
    TextOutW(dc_, left + (cell_ - size.cx) / 2, baseline, text, length);
}

// The mark's ink goes into the upper right corner of the cell, wherever the font puts it.
void CellPainter::UpperRight(wchar_t mark, int left, int top) const {
    SelectObject(dc_, fonts_.Upright(bold_));
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineW(dc_, mark, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR ||
        glyph.gmBlackBoxX == 0) {
        Upright(&mark, 1, left, top);
        return;
    }
    const int pad = std::max(1, cell_ / 8);
    const int x =
        left + cell_ - pad - static_cast<int>(glyph.gmBlackBoxX) - glyph.gmptGlyphOrigin.x;
    const int baseline = top + pad + glyph.gmptGlyphOrigin.y;
    TextOutW(dc_, x, baseline, &mark, 1);
}

// Turned a quarter clockwise, the glyph's top towards the right: its ascent and descent centred
// across the column, its advance centred along its `extent`.
void CellPainter::Sideways(const wchar_t* text, int length, int left, int top, int extent) const {
    SelectObject(dc_, fonts_.Sideways(bold_));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text, length, &size);
    const int baseline = left + cell_ / 2 - (sideways_.tmAscent - sideways_.tmDescent) / 2;
    TextOutW(dc_, baseline, top + (extent - size.cx) / 2, text, length);
}

bool CellPainter::HasGlyph(wchar_t character) const {
    SelectObject(dc_, fonts_.Upright(bold_));
    WORD index = 0xFFFF;
    return GetGlyphIndicesW(dc_, &character, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 &&
           index != 0xFFFF;
}
