#pragma once

#include <concepts>
#include <string>
#include <string_view>

// The pieces the program's messages are made of.

template <std::integral Number> std::u16string ToDecimal(Number number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

// Adds `paragraph` to `message`, with an empty line between the two; an empty paragraph adds
// nothing.
inline void AppendParagraph(std::u16string& message, std::u16string_view paragraph) {
    if (paragraph.empty()) {
        return;
    }
    if (!message.empty()) {
        message += u"\r\n\r\n";
    }
    message += paragraph;
}
