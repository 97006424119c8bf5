#include "Form1.h"

#include "Accessibility.h"
#include "AccessibleText.h"
#include "Controls.h"
#include "Form2.h"
#include "FullListMessage.h"
#include "KeyRouting.h"
#include "PickLists.h"
#include "MessageParagraphs.h"
#include "MessageBox.h"
#include "PageText.h"
#include "ProgramTexts.h"
#include "ReaderAccessibility.h"
#include "ReaderLayout.h"

namespace {

// Hands the loader's headings to the search window's form list, and its authors to the
// reader's AddAuthor, which passes them on to the author list.
class PickListFeeder final : public TangSink {
public:
    PickListFeeder(Form1& reader, PickLists& lists) : reader_(reader), lists_(lists) {}
    void AddRhyme(const std::u16string& heading) override { lists_.AddRhyme(heading); }
    void AddAuthor(const std::u16string& strAuthor) override { reader_.AddAuthor(strAuthor); }
    void ForgetAll() override { lists_.Reset(); }

private:
    Form1& reader_;
    PickLists& lists_;
};

ui::ComboBox PoemList(const ui::Form& form) {
    return ui::ComboBox(form.Control(cboTang));
}

} // namespace

Form1::Form1(Module1& shared, std::filesystem::path anthology, std::function<void()> programEnds)
    : ui::Form(ReaderLayout()), module_(shared), anthology_(std::move(anthology)),
      programEnds_(std::move(programEnds)),
      aloud_({[this](std::optional<MarkedSpan> line) { MarkLineRead(line); },
              [this](const char16_t* text) {
                  Inform(text);
              }}) {
    // A poem opened from the search window is shown, and the reader brought forward.
    auto openPoem = [this](int16_t Index) {
        GoingOnFromTheShownPoem([this, Index] {
            StopReadingAloud();
            ShowTang(Index);
            Show();
        });
    };
    form2_ = std::make_unique<Form2>(shared, openPoem, [this] { MarkAfterSearch(); });
}

Form1::~Form1() {
    ui::FilterKeysOf(Handle(), {});
}

void Form1::Form_Load() {
    // The file is read and decoded while the windows are made, on a second thread when one can
    // be had; the table is built from it below, in its place among the steps.
    reading_ =
        std::async(std::launch::async | std::launch::deferred, ReadAnthologyFile, anthology_);
    Load();
    page_.emplace(Control(RichText1), PageBoxEvents{[this](POINT at) { ShowPageMenu(at); },
                                                    [this](int delta) { zoom_->Wheel(delta); },
                                                    [this] {
                                                        if (vertical_ && pinyin_) {
                                                            for (PageView* view : Views()) {
                                                                view->FollowBox();
                                                            }
                                                        }
                                                    }});
    vertical_.emplace(*page_, *this);
    pinyin_.emplace(*page_, *this);
    zoom_.emplace(*page_);
    zoom_->WhenChanged([this](int percent) {
        for (PageView* view : Views()) {
            view->SetZoomPercent(percent);
        }
    });
    NameReaderControls(accessibleNames_, *this, [this] { return ShownPoemName(); },
                       {vertical_->Handle(), pinyin_->Handle(), [this] {
                            return pinyin_->WholeText();
                        }});
    ui::FilterKeysOf(Handle(), [this](const MSG& message) { return OnKey(message); });
    form2_->Load();
    module_.CurrentIndex = 0;
    page_->SetText(u"");
    page_->GetFont().SetSize(12);
    LoadTangs();
    FillPoemList();
    if (!module_.Tangs.empty()) {
        ShowTang(0);
    }
}

void Form1::ReportLoadProblems() {
    if (!loadMessage_.empty()) {
        Inform(loadMessage_.c_str());
    }
}

void Form1::LoadTangs() {
    PickListFeeder feeder(*this, form2_->Lists());
    // A file may hold thousands of forms or authors.
    const ui::ListBeingFilled authors(form2_->Authors().Handle());
    const ui::ListBeingFilled rhymes(form2_->Rhymes().Handle());
    const LoadResult result = LoadTangsText(reading_.get(), module_.Tangs, feeder);
    loadMessage_ = LoadMessage(result, module_.Tangs.size());
    if (result.FileRead) {
        AppendParagraph(loadMessage_, form2_->Lists().FullMessage());
    }
}

void Form1::FillPoemList() {
    const ui::ComboBox list = PoemList(*this);
    const ui::ListBeingFilled filling(list.Handle());
    list.ReserveItems(module_.Tangs.size(), PoemListStorage(module_.Tangs));
    // One buffer for every entry: each allocation costs about 0.3 µs under Wine.
    std::u16string entry;
    size_t listed = 0;
    for (; listed < module_.Tangs.size(); ++listed) {
        entry.clear();
        AppendPoemListEntry(entry, static_cast<int16_t>(listed), module_.Tangs[listed]);
        if (list.AddItem(entry) < 0) {
            break; // the list is full
        }
    }
    if (listed < module_.Tangs.size()) { // the list is full: said along with the load's news
        AppendParagraph(loadMessage_, PoemListFullMessage(listed, module_.Tangs.size()));
    }
}

void Form1::ShowTang(int16_t Index) {
    if (Index < 0 || Index > HighestIndex(module_.Tangs)) {
        return; // nothing to show: an empty anthology or an index outside it
    }
    const TangRecord& record = module_.Tangs[static_cast<size_t>(Index)];
    // The one large copy, made before anything shows the new poem: when memory runs out here,
    // the page still shows the poem it showed.
    std::array<PageRun, 4> runs = PageRuns(record);
    if (Index != shown_) {
        StopReadingAloud();
    }
    shown_ = Index;
    SetLabelCaption(lblInfo, PageCaption(Index));
    SelectListEntry(Index);
    std::array<RunLook, 4> looks;
    for (size_t number = 0; number < runs.size(); ++number) {
        looks[number] = LookOfRun(number, runs[number], HighContrast(), page_->TextSizeTwips());
    }
    PageMarks marks = MarksOf(Index, runs);
    if (!page_->ShowRuns(runs, looks, marks)) {
        Inform(PageNotWholeMessage); // the box is left with what it took, and the program goes on
    }
    for (PageView* view : Views()) {
        view->SetRuns(runs, looks, marks); // the box has its text by now
    }
    AnnouncePageName();
}

void Form1::AnnouncePageName() {
    ui::AnnounceNameChange(Control(RichText1));
    for (const PageView* view : Views()) {
        ui::AnnounceNameChange(view->Handle());
    }
}

std::u16string Form1::ShownPoemName() const {
    const int16_t shown = module_.CurrentIndex;
    if (shown < 0 || shown > HighestIndex(module_.Tangs)) {
        return u""; // an empty anthology shows no poem
    }
    std::u16string name = PageName(module_.Tangs[static_cast<size_t>(shown)]);
    const SearchResults& results = form2_->LastResults();
    if (const std::optional<size_t> position = results.PositionOf(shown)) {
        name += u'，';
        name += ResultOfCount(*position, results.Count());
    }
    return name;
}

PageMarks Form1::MarksOf(int16_t index, const std::array<PageRun, 4>& runs) const {
    const TangRecord& record = module_.Tangs[static_cast<size_t>(index)];
    std::vector<MarkedSpan> hits = form2_->LastResults().MarksOn(index, record, runs);
    if (lineRead_) {
        hits = WithLineRead(hits, *lineRead_);
    }
    return {std::move(hits), HighContrast()};
}

void Form1::Remark() {
    if (shown_ < 0 || shown_ > HighestIndex(module_.Tangs)) {
        return;
    }
    PageMarks marks = MarksOf(shown_, PageRuns(module_.Tangs[static_cast<size_t>(shown_)]));
    page_->SetMarks(marks);
    for (PageView* view : Views()) {
        view->SetMarks(marks);
    }
}

// The page keeps its text and where it is scrolled to; only its marks and its name change.
void Form1::MarkAfterSearch() {
    Remark();
    AnnouncePageName();
}

void Form1::AddAuthor(const std::u16string& strAuthor) {
    form2_->Lists().AddAuthor(strAuthor);
}

void Form1::SelectListEntry(int16_t index) {
    const ui::ComboBox list = PoemList(*this);
    // A poem beyond a full list has no entry: then nothing is selected, rather than another poem.
    const int entry = index >= 0 && index < list.ListCount() ? index : -1;
    if (list.ListIndex() != entry) {
        list.SetListIndex(entry); // raises no notification, so this does not re-enter
    }
}

void Form1::cboTang_Click() {
    const int position = PoemList(*this).ListIndex();
    if (position < 0 || position > HighestIndex(module_.Tangs)) {
        return;
    }
    module_.CurrentIndex = static_cast<int16_t>(position);
    ShowTang(module_.CurrentIndex);
}

void Form1::Inform(const char16_t* text) {
    ui::ShowInformation(Handle(), text, texts::ProgramName);
}

void Form1::Form_Unload(bool& /*cancel*/) {
    module_.IsClosing = true;
    StopReadingAloud();
    form2_->Unload();
}

void Form1::OnDestroyed() {
    ui::FilterKeysOf(Handle(), {});
    if (programEnds_) {
        programEnds_();
    }
}

void Form1::OnColourSchemeSwitched() {
    ShowTang(module_.CurrentIndex); // the page's runs change their look with the scheme
}

int Form1::FirstFocus() const {
    return Command1;
}
