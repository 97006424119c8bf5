#include "ReadingAloud.h"

#include "ProgramTexts.h"

void ReadingAloud::UseVoice(VoiceMaker maker) {
    Stop();
    voice_.reset();
    maker_ = std::move(maker);
}

void ReadingAloud::Start(const std::array<PageRun, 4>& page, ReadAloudPart part) {
    Stop();
    std::vector<SpokenLine> lines = SpokenLines(page, part);
    if (lines.empty()) {
        return; // nothing on the page to say
    }
    if (!voice_) {
        ui::VoiceEvents told{[this](size_t line) { Reached(line); },
                             [this] {
                                 Finished();
                             }};
        voice_ = maker_ ? maker_(std::move(told)) : ui::SystemVoice(std::move(told));
    }
    std::vector<std::u16string> texts;
    texts.reserve(lines.size());
    for (const SpokenLine& line : lines) {
        texts.push_back(line.Text);
    }
    switch (voice_->Speak(texts)) {
    case ui::SpeakOutcome::Speaking:
        lines_ = std::move(lines);
        part_ = part;
        break;
    case ui::SpeakOutcome::NoChineseVoice:
        events_.Inform(texts::NoChineseVoiceMessage);
        break;
    case ui::SpeakOutcome::Failed:
        events_.Inform(texts::SpeechFailedMessage);
        break;
    }
}

void ReadingAloud::Stop() {
    if (voice_) {
        voice_->Stop();
    }
    if (part_) {
        Finished();
    }
}

void ReadingAloud::Reached(size_t line) {
    if (part_ && line < lines_.size()) {
        events_.LineRead(lines_[line].OnPage);
    }
}

void ReadingAloud::Finished() {
    part_.reset();
    lines_.clear();
    events_.LineRead(std::nullopt);
}
