#pragma once

// The texts of the program's messages and the names both windows share, which the tests compare
// with; captions, tooltips and menu items stand in the layout and command tables.
namespace texts {

inline constexpr char16_t ProgramName[] = u"鹭溪吟窗";
inline constexpr char16_t AnthologyTitle[] = u"青简雅韵集";
inline constexpr char16_t NoRestriction[] = u"不限定";

inline constexpr char16_t FirstPoemMessage[] = u"已经是第一首唐诗了！";
inline constexpr char16_t LastPoemMessage[] = u"已经到了最后一首唐诗了！";
inline constexpr char16_t FirstResultMessage[] = u"已经是第一个查询结果了！";
inline constexpr char16_t LastResultMessage[] = u"已经到了最后一个查询结果了！";

// Why ts.txt could not be read, where the system's own words would not tell the user.
inline constexpr char16_t OutOfMemoryReason[] = u"内存不足，无法读入整个文件。";
inline constexpr char16_t FileTooLargeReason[] = u"文件太大（超过 2 GB）。";

// When memory runs out in the middle of something the user asked for.
inline constexpr char16_t MemoryShortMessage[] =
    u"内存不足，刚才的操作没能完成。可以关闭其他程序后再试。";

// When the page is longer than a picture on the clipboard may be.
inline constexpr char16_t PictureCutMessage[] = u"这首唐诗的页面太长，图片只含它的前一部分。";

// When the page cannot be read aloud: what is missing, and where Windows adds it.
inline constexpr char16_t NoChineseVoiceMessage[] =
    u"这台电脑上没有会说中文的语音，无法朗读。\r\n"
    u"可以在 设置 → 时间和语言 → 语音 中添加中文（简体）语音包，然后再试。";
inline constexpr char16_t SpeechFailedMessage[] =
    u"系统的语音没能朗读这首唐诗。\r\n"
    u"可以在 设置 → 时间和语言 → 语音 中检查或重新添加中文（简体）语音包，然后再试。";

inline constexpr char16_t AboutText[] = u"鹭溪青简雅韵集\r\n"
                                        u"\r\n"
                                        u"luxi@example.org\r\n"
                                        u"\r\n"
                                        u"网址：https://www.example.org/luxi";

} // namespace texts
