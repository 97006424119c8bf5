#include "Fonts.h"

#include "DeviceContext.h"

#include <cmath>
#include <initializer_list>
#include <map>
#include <vector>

namespace ui {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExW(screen.Get(), &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::vector<std::wstring> Relatives(const std::wstring& face) {
    static const std::vector<std::vector<std::wstring>> families = {
        {L"楷体_GB2312", L"楷体", L"KaiTi", L"KaiTi_GB2312", L"AR PL UKai CN"},
        {L"宋体", L"SimSun", L"新宋体", L"NSimSun", L"AR PL UMing CN"},
    };
    for (const auto& family : families) {
        for (const auto& member : family) {
            if (member == face) {
                return family;
            }
        }
    }
    return {face};
}

} // namespace

std::wstring InstalledFace(const wchar_t* face) {
    static std::map<std::wstring, std::wstring> chosen;
    const std::wstring wanted = face;
    if (const auto known = chosen.find(wanted); known != chosen.end()) {
        return known->second;
    }
    std::wstring result = wanted;
    if (!IsInstalled(wanted)) {
        for (const auto& relative : Relatives(wanted)) {
            if (IsInstalled(relative)) {
                result = relative;
                break;
            }
        }
    }
    chosen.emplace(wanted, result);
    return result;
}

UniqueFont CreateFontAt(const FontLayout& description, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(description.Points * dpi / 72.0));
    font.lfWeight = description.Weight;
    font.lfCharSet = description.Charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    InstalledFace(description.Face).copy(font.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace ui
