#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// What a voice tells whoever it reads for. Both arrive through the message loop, never from
// within Speak or Stop.
struct VoiceEvents {
    std::function<void(size_t text)> Reading; // it has begun the text of this number
    std::function<void()> Finished;           // it has read the last text
};

enum class SpeakOutcome {
    Speaking,
    NoChineseVoice, // no installed voice speaks Chinese
    Failed,         // the system's speech could not be had, or refused to speak
};

// A voice reading texts aloud one after another, while the program goes on.
class Voice {
public:
    virtual ~Voice() = default;
    // Begins reading `texts`, in place of anything it was reading, and returns at once.
    virtual SpeakOutcome Speak(const std::vector<std::u16string>& texts) = 0;
    // Falls silent at once; nothing more is told of what it was reading.
    virtual void Stop() = 0;
};

// The system's speech, with the first installed voice of Chinese as spoken in China, else of
// any Chinese, at the rate the user chose for the system. Nothing is asked of the system until
// the first Speak.
std::unique_ptr<Voice> SystemVoice(VoiceEvents events);

} // namespace ui
