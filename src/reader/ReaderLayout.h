#pragma once

#include "Layout.h"

// Control identifiers of the reader window, named as the program names its controls.
enum ReaderControl : int {
    Label1 = 100,
    Shape1,
    Command1,
    RichText1,
    Command2,
    Shape2,
    Label2,
    Command3,
    cmdMoveFirst,
    cmdMovePrev,
    lblInfo,
    cmdMoveNext,
    cmdMoveLast,
    cboTang,
};

// The reader window's layout: window settings and every control, positions in twips.
const ui::FormLayout& ReaderLayout();
