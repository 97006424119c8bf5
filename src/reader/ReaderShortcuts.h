#pragma once

#include "Module1.h"
#include "PageCopy.h"
#include "PageZoom.h"
#include "ReaderKeys.h"

#include <random>
#include <vector>
#include <windows.h>

class Form1;

// The reader's commands by key and by the page's menu: stepping through the poems, a poem by
// chance, the text size, the search window, printing and the About box. Each runs the same
// path as the reader's own buttons.
class ReaderShortcuts final : public PageMenuExtension {
public:
    ReaderShortcuts(Form1& reader, Module1& shared, HWND page);
    ReaderShortcuts(const ReaderShortcuts&) = delete;
    ReaderShortcuts& operator=(const ReaderShortcuts&) = delete;
    ~ReaderShortcuts();

    // Without a poem only the About box and the search window have anything to do.
    bool Available(ReaderCommand command) const;
    void Run(ReaderCommand command);

    const PageZoom& Zoom() const { return zoom_; }
    PageZoom& Zoom() { return zoom_; }

    // Sees every key press and wheel turn of the reader before its controls do.
    bool OnKey(const MSG& message);

    void AppendChoices(std::vector<ui::MenuChoice>& choices) const override;
    void Choose(UINT id) override;

private:
    void ShowRandomPoem();
    void OpenSearch();

    Form1& reader_;
    Module1& shared_;
    HWND page_;
    PageZoom zoom_;
    std::mt19937 random_;
};
