#pragma once

#include "SpokenLines.h"
#include "Voice.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The page read aloud: its lines, which of them the voice has reached, and what the user is
// told when the system cannot read.
class ReadingAloud {
public:
    using VoiceMaker = std::function<std::unique_ptr<ui::Voice>(ui::VoiceEvents)>;
    struct Events {
        std::function<void(std::optional<MarkedSpan>)> LineRead; // the stretch read now, or none
        std::function<void(const char16_t*)> Inform;
    };
    explicit ReadingAloud(Events events) : events_(std::move(events)) {}

    // The voice to read with from the next reading on; the system's unless this is called.
    void UseVoice(VoiceMaker maker);
    // What is being read, if anything.
    std::optional<ReadAloudPart> Part() const { return part_; }
    // Reads `part` of `page` from its start, or tells the user why it cannot.
    void Start(const std::array<PageRun, 4>& page, ReadAloudPart part);
    // Silent at once, and the line's mark gone.
    void Stop();

private:
    void Reached(size_t line);
    void Finished();

    Events events_;
    VoiceMaker maker_;
    std::unique_ptr<ui::Voice> voice_;
    std::vector<SpokenLine> lines_;
    std::optional<ReadAloudPart> part_;
};
