// The system's voice through SAPI 5: it speaks asynchronously and posts its events to a window
// of its own, so they reach the program through its message loop.
#include "ComObject.h"
#include "Voice.h"
#include "Window.h"

#include <sapi.h>

#include <algorithm>
#include <array>
#include <cwchar>

namespace ui {

namespace {

constexpr UINT SpeechEvent = WM_APP + 1;

// SAPI 5's own voices, then the newer voices that Windows 10 and later add in Settings.
constexpr std::array VoiceCategories{
    SPCAT_VOICES, L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices"};
// Chinese as spoken in China first, then Taiwan, Hong Kong, Singapore and Macao.
constexpr std::array<LANGID, 5> ChineseLanguages{0x804, 0x404, 0xC04, 0x1004, 0x1404};

// Whether the voice says it speaks `language`. Its languages are hexadecimal ids apart by
// semicolons; a voice that names none is taken at the word of the search that found it.
bool Speaks(ISpObjectToken* voice, LANGID language) {
    ISpDataKey* opened = nullptr;
    if (FAILED(voice->OpenKey(L"Attributes", &opened)) || opened == nullptr) {
        return true;
    }
    const UniqueCom<ISpDataKey> attributes(opened);
    wchar_t* languages = nullptr;
    if (FAILED(attributes.get()->GetStringValue(L"Language", &languages)) || languages == nullptr) {
        return true;
    }
    bool speaks = false;
    for (wchar_t* at = languages; *at != L'\0';) {
        wchar_t* end = nullptr;
        speaks = speaks || wcstoul(at, &end, 16) == language;
        at = end != at ? end : at + 1;
        while (*at == L';' || *at == L' ') {
            ++at;
        }
    }
    CoTaskMemFree(languages);
    return speaks;
}

// The first voice of `category` that speaks `language`. Some systems' searches ignore what is
// asked of them, so the voice's own word is checked too: a voice that cannot say Chinese would
// spell it or say nothing.
UniqueCom<ISpObjectToken> FirstVoiceOf(const wchar_t* category, LANGID language) {
    ISpObjectTokenCategory* found = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&found)))) {
        return {};
    }
    const UniqueCom<ISpObjectTokenCategory> voices(found);
    wchar_t asked[24]{};
    swprintf(asked, std::size(asked), L"Language=%X", language);
    IEnumSpObjectTokens* listed = nullptr;
    if (FAILED(voices.get()->SetId(category, FALSE)) ||
        FAILED(voices.get()->EnumTokens(asked, nullptr, &listed)) || listed == nullptr) {
        return {};
    }
    const UniqueCom<IEnumSpObjectTokens> tokens(listed);
    for (ISpObjectToken* next = nullptr; tokens.get()->Next(1, &next, nullptr) == S_OK;) {
        UniqueCom<ISpObjectToken> voice(next);
        if (Speaks(voice.get(), language)) {
            return voice;
        }
    }
    return {};
}

UniqueCom<ISpObjectToken> ChineseVoice() {
    for (const LANGID language : ChineseLanguages) {
        for (const wchar_t* category : VoiceCategories) {
            if (UniqueCom<ISpObjectToken> voice = FirstVoiceOf(category, language)) {
                return voice;
            }
        }
    }
    return {};
}

// Frees what an event carries besides its numbers.
void Clear(SPEVENT& event) {
    switch (event.elParamType) {
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING:
        CoTaskMemFree(reinterpret_cast<void*>(event.lParam));
        break;
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT:
        reinterpret_cast<IUnknown*>(event.lParam)->Release();
        break;
    default:
        break;
    }
}

class SapiVoice final : public Voice, private Window {
public:
    explicit SapiVoice(VoiceEvents events) : events_(std::move(events)) {}
    ~SapiVoice() override { Stop(); }

    SpeakOutcome Speak(const std::vector<std::u16string>& texts) override {
        Stop();
        const SpeakOutcome ready = Ready();
        if (ready != SpeakOutcome::Speaking) {
            return ready;
        }
        for (const std::u16string& text : texts) {
            ULONG stream = 0;
            if (FAILED(voice_.get()->Speak(reinterpret_cast<const wchar_t*>(text.c_str()),
                                           SPF_ASYNC | SPF_IS_NOT_XML, &stream))) {
                Stop();
                return SpeakOutcome::Failed;
            }
            streams_.push_back(stream);
        }
        return SpeakOutcome::Speaking;
    }

    void Stop() override {
        if (voice_ && !streams_.empty()) {
            voice_.get()->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        }
        streams_.clear(); // events of what was purged find no text of theirs
    }

private:
    // The voice, made at the first reading and kept.
    SpeakOutcome Ready() {
        if (voice_) {
            return SpeakOutcome::Speaking;
        }
        ISpVoice* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    reinterpret_cast<void**>(&made)))) {
            return SpeakOutcome::Failed;
        }
        UniqueCom<ISpVoice> voice(made);
        const UniqueCom<ISpObjectToken> chinese = ChineseVoice();
        if (!chinese) {
            return SpeakOutcome::NoChineseVoice;
        }
        if (Handle() == nullptr) {
            CreateWindowFor(0, L"", 0, {}, HWND_MESSAGE);
        }
        const ULONGLONG interest = SPFEI(SPEI_START_INPUT_STREAM) | SPFEI(SPEI_END_INPUT_STREAM);
        if (Handle() == nullptr || FAILED(voice.get()->SetVoice(chinese.get())) ||
            FAILED(voice.get()->SetInterest(interest, interest)) ||
            FAILED(voice.get()->SetNotifyWindowMessage(Handle(), SpeechEvent, 0, 0))) {
            return SpeakOutcome::Failed;
        }
        voice_ = std::move(voice);
        return SpeakOutcome::Speaking;
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != SpeechEvent) {
            return Window::HandleMessage(message, wParam, lParam);
        }
        SPEVENT event{};
        ULONG fetched = 0;
        while (voice_ && voice_.get()->GetEvents(1, &event, &fetched) == S_OK && fetched == 1) {
            const SPEVENTENUM kind = static_cast<SPEVENTENUM>(event.eEventId);
            const ULONG stream = event.ulStreamNum;
            Clear(event);
            Told(kind, stream);
        }
        return 0;
    }

    void Told(SPEVENTENUM kind, ULONG stream) {
        const auto found = std::find(streams_.begin(), streams_.end(), stream);
        if (found == streams_.end()) {
            return;
        }
        if (kind == SPEI_START_INPUT_STREAM && events_.Reading) {
            events_.Reading(static_cast<size_t>(found - streams_.begin()));
        } else if (kind == SPEI_END_INPUT_STREAM && found + 1 == streams_.end()) {
            streams_.clear();
            if (events_.Finished) {
                events_.Finished();
            }
        }
    }

    VoiceEvents events_;
    UniqueCom<ISpVoice> voice_;
    std::vector<ULONG> streams_; // the stream SAPI numbered each text with
};

} // namespace

std::unique_ptr<Voice> SystemVoice(VoiceEvents events) {
    return std::make_unique<SapiVoice>(std::move(events));
}

} // namespace ui
