#pragma once

#include "Accessibility.h"
#include "Form.h"
#include "Module1.h"
#include "Navigation.h"
#include "PageBox.h"
#include "PageZoom.h"
#include "PinyinPage.h"
#include "ReadingAloud.h"
#include "TangLoader.h"
#include "VerticalPage.h"

#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <string>

class Form2;
struct ReaderCommand;

// The reader window: the program's start-up window and the owner of its lifetime.
class Form1 final : public ui::Form {
public:
    // `anthology` is the ts.txt to read; `programEnds` runs once the window is gone.
    Form1(Module1& shared, std::filesystem::path anthology, std::function<void()> programEnds);
    ~Form1() override;

    // Creates both windows, loads the anthology and shows its first poem; the window stays
    // hidden until Show().
    void Form_Load();
    // Tells the user what went wrong while loading, if anything did.
    void ReportLoadProblems();

    void ShowTang(int16_t Index);
    void AddAuthor(const std::u16string& strAuthor);

    Form2& SearchWindow() { return *form2_; }
    // The page's text size, in percent, is Zoom().Percent().
    const PageZoom& Zoom() const { return *zoom_; }
    // The date the poem of the day is chosen for, as a DayNumber: the computer's local date
    // unless `today` is given.
    void SetClock(std::function<int64_t()> today) { today_ = std::move(today); }
    // The voice the page is read aloud with: the system's unless another is given.
    void UseVoice(ReadingAloud::VoiceMaker maker) { aloud_.UseVoice(std::move(maker)); }

    // Runs the command of `id`, whichever button, key or menu item gave it, when it can run.
    void RunCommand(int id);

    // The handlers of the reader's commands (see ReaderCommands.cpp) and of its poem list.
    void cboTang_Click();
    void cmdMoveFirst_Click() { Step(Move::First); }
    void cmdMovePrev_Click() { Step(Move::Previous); }
    void cmdMoveNext_Click() { Step(Move::Next); }
    void cmdMoveLast_Click() { Step(Move::Last); }
    void Command1_Click();
    void Command2_Click();
    void Command3_Click() { Unload(); }
    void mnuCopy_Click();
    void mnuSelectAll_Click();
    void mnuCopyPicture_Click();
    void mnuRandom_Click();
    void mnuPoemOfTheDay_Click();
    void mnuZoomIn_Click() { zoom_->ZoomBy(1); }
    void mnuZoomOut_Click() { zoom_->ZoomBy(-1); }
    void mnuZoomReset_Click() { zoom_->Reset(); }
    void mnuSearch_Click();
    void mnuNextResult_Click() { StepThroughResults(true); }
    void mnuPreviousResult_Click() { StepThroughResults(false); }
    void mnuPrint_Click();
    void mnuVertical_Click() { SwitchView(*vertical_); }
    void mnuPinyin_Click() { SwitchView(*pinyin_); }
    void mnuReadAloud_Click() { ReadAloud(ReadAloudPart::Poem); }
    void mnuReadNotes_Click() { ReadAloud(ReadAloudPart::Notes); }
    void mnuStopReading_Click() { aloud_.Stop(); }

private:
    void LoadTangs();
    void FillPoemList();
    void Step(Move move);
    void StepThroughResults(bool forward);
    // Starts reading `part` of the page aloud, or stops when it is being read.
    void ReadAloud(ReadAloudPart part);
    // Marks the line the voice has reached, or unmarks it.
    void MarkLineRead(std::optional<MarkedSpan> line);
    // Silences the voice before the page shows another poem, whose marks are made anew anyway.
    void StopReadingAloud();
    // The marks of the last search on the page of the poem at `index`, whose runs are `runs`,
    // and of the line being read aloud.
    PageMarks MarksOf(int16_t index, const std::array<PageRun, 4>& runs) const;
    // Marks the page shown anew, keeping its text and where it is scrolled to.
    void Remark();
    // Marks the page anew after a search, which may have changed which results it shows.
    void MarkAfterSearch();
    void Inform(const char16_t* text);
    bool CanRun(const ReaderCommand& command) const;
    bool IsChecked(const ReaderCommand& command) const;
    // Runs `handler`; when memory runs out in it, the reader goes on from the poem on the page.
    void GoingOnFromTheShownPoem(const std::function<void()>& handler);
    void SelectListEntry(int16_t index);
    // Sees every key press and wheel turn of the reader before its controls do.
    bool OnKey(const MSG& message);
    void ShowPageMenu(POINT at);
    // The page's name for screen readers: the poem on it.
    std::u16string ShownPoemName() const;
    // Tells screen readers that the page, in each of its views, has another name.
    void AnnouncePageName();
    // The page's views that draw it themselves in the box's place, and the one shown, if any.
    std::array<PageView*, 2> Views() { return {&*vertical_, &*pinyin_}; }
    PageView* ShownView();
    bool IsPageWindow(HWND window);
    // Shows `view`, or the box again when it is shown: one view at a time.
    void SwitchView(PageView& view);

    void OnCommand(int id, int notification) override;
    void Form_Unload(bool& cancel) override;
    void OnDestroyed() override;
    void OnColourSchemeSwitched() override;
    int FirstFocus() const override;

    Module1& module_;
    std::filesystem::path anthology_;
    std::function<void()> programEnds_;
    std::unique_ptr<Form2> form2_;
    std::optional<PageBox> page_;
    std::optional<VerticalPage> vertical_; // the page set in columns, in the box's place
    std::optional<PinyinPage> pinyin_;     // the page with its readings, in the same place
    std::optional<PageZoom> zoom_;
    std::optional<std::mt19937> random_; // seeded at the first poem by chance
    std::function<int64_t()> today_;     // the date of the poem of the day, as a DayNumber
    std::future<ReadAnthology> reading_; // the file, read while the windows are made
    std::u16string loadMessage_;
    int16_t shown_ = -1; // the poem on the page
    ui::AccessibleNames accessibleNames_;
    ReadingAloud aloud_;
    std::optional<MarkedSpan> lineRead_; // on the page shown
};
