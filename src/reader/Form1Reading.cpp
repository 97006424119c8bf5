// The reader reading its page aloud: starting and stopping, and the line being read marked.
#include "Form1.h"

// The same command again stops the reading; the other one reads its part instead.
void Form1::ReadAloud(ReadAloudPart part) {
    if (aloud_.Part() == part) {
        aloud_.Stop();
        return;
    }
    if (shown_ >= 0 && shown_ <= HighestIndex(module_.Tangs)) {
        aloud_.Start(PageRuns(module_.Tangs[static_cast<size_t>(shown_)]), part);
    }
}

void Form1::MarkLineRead(std::optional<MarkedSpan> line) {
    if (line == lineRead_) {
        return;
    }
    lineRead_ = line;
    Remark();
    if (line) { // a long poem scrolls along as it is read
        if (PageView* shown = ShownView()) {
            shown->BringIntoView(line->Start);
        } else {
            page_->BringIntoView(line->Start);
        }
    }
}

void Form1::StopReadingAloud() {
    lineRead_.reset();
    aloud_.Stop();
}
