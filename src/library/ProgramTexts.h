#pragma once

// Texts the program shows, in one place so that both windows and the tests agree on them.
namespace texts {

inline constexpr char16_t ProgramName[] = u"鹭溪吟窗";
inline constexpr char16_t AnthologyTitle[] = u"青简雅韵集";
inline constexpr char16_t NoRestriction[] = u"不限定";

inline constexpr char16_t FirstPoemMessage[] = u"已经是第一首唐诗了！";
inline constexpr char16_t LastPoemMessage[] = u"已经到了最后一首唐诗了！";

inline constexpr char16_t ContactAddress[] = u"luxi@example.org";
inline constexpr char16_t WebAddress[] = u"https://www.example.org/luxi";
inline constexpr char16_t AboutText[] = u"鹭溪青简雅韵集\r\n"
                                        u"\r\n"
                                        u"luxi@example.org\r\n"
                                        u"\r\n"
                                        u"网址：https://www.example.org/luxi";

} // namespace texts
