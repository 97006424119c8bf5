#pragma once

#include "TangLoader.h"

#include <string>

// One poem in the anthology's format that reaches every cap of the loader: a title and an
// author longer than a line may be, and more verse and notes lines than a field takes, each
// with its line end exactly a thousandth of the field, so that both fields fill to the unit.
inline std::u16string PoemAtEveryCap() {
    const std::u16string longLine(static_cast<size_t>(MaxLineLength) + 1000, u'静');
    const std::u16string fieldLine(static_cast<size_t>(MaxFieldLength) / 1000 - 2, u'静');
    const size_t linesPerField = 1000 + 3;
    std::u16string text = u"<" + longLine + u">\r\n(" + longLine + u")\r\n";
    for (size_t i = 0; i < linesPerField; ++i) {
        text += fieldLine + u"\r\n";
    }
    text += u"//";
    for (size_t i = 0; i < linesPerField; ++i) {
        text += fieldLine + u"\r\n";
    }
    return text + u"end//\r\n";
}
