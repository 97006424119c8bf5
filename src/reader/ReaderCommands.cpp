#include "ReaderCommands.h"

#include "Form1.h"

#include <algorithm>

namespace {

using enum CommandNeeds;
using enum KeysWork;
using enum ShiftKey;

// Keys the page box, the poem list and the dialog keys leave unused: the page and the list's
// edit field move the caret on Ctrl+Home and Ctrl+End, so the first and last poem take
// Alt+Home and Alt+End. Ctrl++ is Ctrl+Shift+= on most keyboards.
constexpr ReaderCommand Commands[] = {
    {mnuCopy,
     L"复制(&C)",
     0,
     {{{'C', true}, {VK_INSERT, true}}},
     OnThePage,
     nullptr,
     ASelection,
     &Form1::mnuCopy_Click},
    {mnuSelectAll,
     L"全选(&A)",
     0,
     {{{'A', true}}},
     OnThePage,
     nullptr,
     Nothing,
     &Form1::mnuSelectAll_Click},
    // No key: Ctrl+Shift+C, the likeliest, opens the developer tools in browsers.
    {mnuCopyPicture,
     L"复制为图片(&M)",
     0,
     {},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuCopyPicture_Click},
    {cmdMovePrev,
     L"上一首(&U)",
     1,
     {{{VK_PRIOR, true, false, Up, L"Ctrl+PgUp"}}},
     Anywhere,
     L"上一首",
     APoem,
     &Form1::cmdMovePrev_Click},
    {cmdMoveNext,
     L"下一首(&N)",
     1,
     {{{VK_NEXT, true, false, Up, L"Ctrl+PgDn"}}},
     Anywhere,
     L"下一首",
     APoem,
     &Form1::cmdMoveNext_Click},
    {cmdMoveFirst,
     L"第一首(&F)",
     1,
     {{{VK_HOME, false, true, Up, L"Alt+Home"}}},
     Anywhere,
     L"第一首",
     APoem,
     &Form1::cmdMoveFirst_Click},
    {cmdMoveLast,
     L"第末首(&L)",
     1,
     {{{VK_END, false, true, Up, L"Alt+End"}}},
     Anywhere,
     L"第末首",
     APoem,
     &Form1::cmdMoveLast_Click},
    {mnuRandom,
     L"随机一首(&R)",
     1,
     {{{'R', true, false, Up, L"Ctrl+R"}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuRandom_Click},
    // Ctrl+; is today's date in spreadsheets, and nothing in viewers.
    {mnuPoemOfTheDay,
     L"今日一首(&D)",
     1,
     {{{VK_OEM_1, true, false, Up, L"Ctrl+;"}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuPoemOfTheDay_Click},
    {mnuZoomIn,
     L"放大(&I)",
     2,
     {{{VK_OEM_PLUS, true, false, Either, L"Ctrl+="}, {VK_ADD, true, false, Either}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuZoomIn_Click},
    {mnuZoomOut,
     L"缩小(&O)",
     2,
     {{{VK_OEM_MINUS, true, false, Up, L"Ctrl+-"}, {VK_SUBTRACT, true}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuZoomOut_Click},
    {mnuZoomReset,
     L"原始大小(&Z)",
     2,
     {{{'0', true, false, Up, L"Ctrl+0"}, {VK_NUMPAD0, true}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuZoomReset_Click},
    {mnuSearch,
     L"查询(&S)…",
     3,
     {{{'F', true, false, Up, L"Ctrl+F"}}},
     Anywhere,
     nullptr,
     Nothing,
     &Form1::mnuSearch_Click},
    // F3 and Shift+F3 find the next and the previous hit in every viewer.
    {mnuNextResult,
     L"下一个结果(&X)",
     3,
     {{{VK_F3, false, false, Up, L"F3"}}},
     Anywhere,
     nullptr,
     Nothing,
     &Form1::mnuNextResult_Click},
    {mnuPreviousResult,
     L"上一个结果",
     3,
     {{{VK_F3, false, false, Held, L"Shift+F3"}}},
     Anywhere,
     nullptr,
     Nothing,
     &Form1::mnuPreviousResult_Click},
    {mnuPrint,
     L"打印(&P)…",
     3,
     {{{'P', true, false, Up, L"Ctrl+P"}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuPrint_Click},
    {Command1,
     L"关于(&B)",
     3,
     {{{VK_F1, false, false, Up, L"F1"}}},
     Anywhere,
     L"关于",
     Nothing,
     &Form1::Command1_Click},
    // Ctrl+Shift+U reads aloud in a widely used browser.
    {mnuReadAloud,
     L"朗读(&T)",
     5,
     {{{'U', true, false, Held, L"Ctrl+Shift+U"}}},
     Anywhere,
     nullptr,
     APoem,
     &Form1::mnuReadAloud_Click},
    {mnuReadNotes, L"朗读注释", 5, {}, Anywhere, nullptr, NotesToSay, &Form1::mnuReadNotes_Click},
    {mnuStopReading,
     nullptr,
     0,
     {{{VK_ESCAPE}}},
     OnThePage,
     nullptr,
     Reading,
     &Form1::mnuStopReading_Click},
    // F7 beside F8, which turns the page 竖排.
    {mnuPinyin,
     L"拼音(&Y)",
     4,
     {{{VK_F7, false, false, Up, L"F7"}}},
     OnThePage,
     nullptr,
     Nothing,
     &Form1::mnuPinyin_Click},
    {mnuVertical,
     L"竖排(&V)",
     4,
     {{{VK_F8, false, false, Up, L"F8"}}},
     OnThePage,
     nullptr,
     Nothing,
     &Form1::mnuVertical_Click},
    {Command2, nullptr, 0, {}, Anywhere, L"查询功能", Nothing, &Form1::Command2_Click},
    {Command3, nullptr, 0, {}, Anywhere, L"退出青简雅韵集", Nothing, &Form1::Command3_Click},
};

bool Matches(const KeyChord& chord, UINT key, Modifiers held) {
    return chord.Key != 0 && chord.Key == key && chord.Ctrl == held.Ctrl && chord.Alt == held.Alt &&
           (chord.Shift == Either || held.Shift == (chord.Shift == Held));
}

} // namespace

Modifiers HeldModifiers() {
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
}

std::span<const ReaderCommand> ReaderCommands() {
    return Commands;
}

const ReaderCommand* FindCommand(int id) {
    const auto found = std::ranges::find(Commands, id, &ReaderCommand::Id);
    return found != std::end(Commands) ? &*found : nullptr;
}

const ReaderCommand* CommandForKey(UINT key, Modifiers held, bool onThePage) {
    for (const ReaderCommand& command : Commands) {
        if ((command.Where == Anywhere || onThePage) &&
            std::ranges::any_of(command.Keys,
                                [&](const KeyChord& chord) { return Matches(chord, key, held); })) {
            return &command;
        }
    }
    return nullptr;
}

std::vector<const ReaderCommand*> PageMenu() {
    std::vector<const ReaderCommand*> items;
    const int* group = nullptr;
    for (const ReaderCommand& command : Commands) {
        if (command.MenuText == nullptr) {
            continue;
        }
        if (group != nullptr && *group != command.MenuGroup) {
            items.push_back(nullptr);
        }
        group = &command.MenuGroup;
        items.push_back(&command);
    }
    return items;
}

std::wstring MenuItemText(const ReaderCommand& command) {
    std::wstring text = command.MenuText != nullptr ? command.MenuText : L"";
    const auto named = std::ranges::find_if(
        command.Keys, [](const KeyChord& chord) { return chord.Name != nullptr; });
    if (named != command.Keys.end()) {
        text += L'\t';
        text += named->Name;
    }
    return text;
}

const wchar_t* ButtonName(ReaderId button) {
    const ReaderCommand* command = FindCommand(button);
    return command != nullptr ? command->Name : nullptr;
}
