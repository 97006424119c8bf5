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
#include "PageCopy.h"
#include "PageText.h"
#include "ProgramTexts.h"
#include "ReaderAccessibility.h"
#include "ReaderShortcuts.h"
#include "ReaderLayout.h"

#include <new>

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
      form2_(std::make_unique<Form2>(shared, [this](int16_t Index) {
          ShowTang(Index);
          Show();
      })) {}

Form1::~Form1() {
    ui::FilterKeysOf(Handle(), {});
}

void Form1::Form_Load() {
    Load();
    page_.emplace(Control(RichText1));
    vertical_.emplace(Control(RichText1), *this);
    NameReaderControls(accessibleNames_, *this, [this] { return ShownPoemName(); });
    shortcuts_ = std::make_unique<ReaderShortcuts>(*this, module_, Control(RichText1));
    shortcuts_->Zoom().WhenChanged([this](int percent) { vertical_->SetZoomPercent(percent); });
    ui::FilterKeysOf(Handle(), [this](const MSG& message) { return shortcuts_->OnKey(message); });
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
    const LoadResult result = LoadTangsFile(anthology_, module_.Tangs, feeder);
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
    std::array<PageRun, 4> runs;
    try {
        runs = PageRuns(record); // the one large copy, made before anything shows the new poem
    } catch (const std::bad_alloc&) {
        module_.CurrentIndex = shown_; // the next step starts from the poem still shown
        throw;                         // and the user is told where the command came in
    }
    shown_ = Index;
    SetLabelCaption(lblInfo, PageCaption(Index));
    const ui::ComboBox list = PoemList(*this);
    // A poem beyond a full list has no entry: then nothing is selected, rather than another poem.
    const int entry = Index < list.ListCount() ? Index : -1;
    if (list.ListIndex() != entry) {
        list.SetListIndex(entry); // raises no notification, so this does not re-enter
    }
    bool whole = page_->SetText(u"");
    const int size = page_->TextSizeTwips();
    std::array<RunLook, 4> looks;
    for (size_t number = 0; number < runs.size(); ++number) {
        looks[number] = LookOfRun(number, runs[number], HighContrast(), size);
        page_->SetSelAlignment(runs[number].Alignment);
        page_->SetSelLook(looks[number]);
        whole = page_->SetSelText(runs[number].Text) && whole;
    }
    if (!whole) { // the box is left with what it took, and the program goes on
        Inform(PageNotWholeMessage);
    }
    shortcuts_->Zoom().Keep();
    vertical_->SetRuns(std::move(runs), looks); // the box has taken its text by now
    ui::AnnounceNameChange(Control(RichText1));
}

std::u16string Form1::ShownPoemName() const {
    const int16_t shown = module_.CurrentIndex;
    if (shown < 0 || shown > HighestIndex(module_.Tangs)) {
        return u""; // an empty anthology shows no poem
    }
    return PageName(module_.Tangs[static_cast<size_t>(shown)]);
}

void Form1::AddAuthor(const std::u16string& strAuthor) {
    form2_->Lists().AddAuthor(strAuthor);
}

void Form1::cboTang_Click() {
    const int position = PoemList(*this).ListIndex();
    if (position < 0 || position > HighestIndex(module_.Tangs)) {
        return;
    }
    module_.CurrentIndex = static_cast<int16_t>(position);
    ShowTang(module_.CurrentIndex);
}

void Form1::Step(Move move) {
    const MoveOutcome outcome = Navigate(move, module_.CurrentIndex, HighestIndex(module_.Tangs));
    switch (outcome.What) {
    case MoveOutcome::Kind::ShowPoem:
        module_.CurrentIndex = outcome.Index;
        ShowTang(module_.CurrentIndex);
        break;
    case MoveOutcome::Kind::AlreadyFirst:
        Inform(texts::FirstPoemMessage);
        break;
    case MoveOutcome::Kind::AlreadyLast:
        Inform(texts::LastPoemMessage);
        break;
    case MoveOutcome::Kind::NothingToShow:
        break;
    }
}

void Form1::Command1_Click() {
    Inform(texts::AboutText);
}

void Form1::Command2_Click() {
    form2_->Show();
}

void Form1::Inform(const char16_t* text) {
    ui::ShowInformation(Handle(), text, texts::ProgramName);
}

void Form1::OnCommand(int id, int notification) {
    if (id == cboTang) {
        if (notification == CBN_SELCHANGE) {
            cboTang_Click();
        }
        return;
    }
    if (id == RichText1 && notification == PageVerticalChosen) {
        vertical_->SetOn(!vertical_->IsOn());
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    switch (id) {
    case cmdMoveFirst:
        cmdMoveFirst_Click();
        break;
    case cmdMovePrev:
        cmdMovePrev_Click();
        break;
    case cmdMoveNext:
        cmdMoveNext_Click();
        break;
    case cmdMoveLast:
        cmdMoveLast_Click();
        break;
    case Command1:
        Command1_Click();
        break;
    case Command2:
        Command2_Click();
        break;
    case Command3:
        Command3_Click();
        break;
    default:
        break;
    }
}

void Form1::Form_Unload(bool& /*cancel*/) {
    module_.IsClosing = true;
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
