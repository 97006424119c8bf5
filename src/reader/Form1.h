#pragma once

#include "Accessibility.h"
#include "Form.h"
#include "Module1.h"
#include "Navigation.h"
#include "PageBox.h"
#include "TangLoader.h"
#include "VerticalPage.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Form2;
class ReaderShortcuts;

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
    // The reader's keys and page-menu commands; the page's text size, in percent, is
    // Shortcuts().Zoom().Percent().
    ReaderShortcuts& Shortcuts() { return *shortcuts_; }

    void cboTang_Click();
    void cmdMoveFirst_Click() { Step(Move::First); }
    void cmdMovePrev_Click() { Step(Move::Previous); }
    void cmdMoveNext_Click() { Step(Move::Next); }
    void cmdMoveLast_Click() { Step(Move::Last); }
    void Command1_Click();
    void Command2_Click();
    void Command3_Click() { Unload(); }

private:
    void LoadTangs();
    void FillPoemList();
    void Step(Move move);
    void Inform(const char16_t* text);
    // The page's name for screen readers: the poem on it.
    std::u16string ShownPoemName() const;

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
    std::unique_ptr<ReaderShortcuts> shortcuts_;
    std::u16string loadMessage_;
    int16_t shown_ = -1; // the poem on the page
    ui::AccessibleNames accessibleNames_;
};
