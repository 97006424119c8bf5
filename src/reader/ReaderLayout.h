#pragma once

#include "Layout.h"
#include "ReaderIds.h"

// The reader window's layout: window settings and every control, positions in twips.
const ui::FormLayout& ReaderLayout();
