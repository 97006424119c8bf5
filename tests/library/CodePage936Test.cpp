// The private-use characters of code page 936. This file runs natively (iconv and the
// library's own numbering) and in the Windows test program, where the decoder is
// MultiByteToWideChar: there it checks the numbering against Windows itself.
#include "CodePage936.h"
#include "GbkPrivateUse.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(CodePage936, EveryWellFormedPairIsOneCharacterAndThePrivateUseOnesAreNumberedAsWindowsDoes) {
    CodePage936Decoder decoder;
    std::set<char16_t> privateUse;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; trail += trail == 0x7E ? 2 : 1) { // not 7F
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            std::u16string text;
            ASSERT_TRUE(decoder.AppendStrict(pair, text) && text.size() == 1)
                << std::hex << lead << ' ' << trail;
            const bool isPrivateUse = text[0] >= 0xE000 && text[0] <= 0xF8FF;
            EXPECT_EQ(
                GbkPrivateUseCharacter(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail)),
                isPrivateUse ? text[0] : 0)
                << std::hex << lead << ' ' << trail;
            if (isPrivateUse) {
                EXPECT_TRUE(privateUse.insert(text[0]).second)
                    << "given twice: " << static_cast<unsigned>(text[0]);
            }
        }
    }
    ASSERT_EQ(privateUse.size(), 0xE865u - 0xE000u) << "numbered without gaps";
    EXPECT_EQ(*privateUse.begin(), 0xE000);
    // Pairs outside the code page have no private-use character.
    EXPECT_EQ(GbkPrivateUseCharacter(0xAA, 0x7F) + GbkPrivateUseCharacter(0xFE, 0xFF), 0);
    EXPECT_EQ(GbkPrivateUseCharacter(0xFF, 0xA1) + GbkPrivateUseCharacter(0x80, 0xA1), 0);
}
