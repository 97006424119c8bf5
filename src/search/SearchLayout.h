#pragma once

#include "Layout.h"

// Control identifiers of the search window, named as the program names its controls.
enum SearchControl : int {
    Frame1 = 200,
    lstTang,
    SearchLabel1, // "作者：" (Label1 of the search window)
    SearchLabel2, // "格律："
    cboAuthor,
    cboRhyme,
    cmdSearch,
    txtTitle,
    SearchLabel4, // "标题："
    txtContent,
    cmdCancel,
    SearchLabel5, // "诗句："
    SearchLabel3, // the couplet
};

// The search window's layout: window settings and every control, positions in twips;
// the controls inside the group box are placed relative to it.
const ui::FormLayout& SearchLayout();
