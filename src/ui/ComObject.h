#pragma once

#include "UniqueHandle.h"

namespace ui {

template <typename Interface> void ReleaseComObject(Interface* object) {
    object->Release();
}

// Sole owner of one reference to a COM object.
template <typename Interface>
using UniqueCom = UniqueHandle<Interface*, ReleaseComObject<Interface>>;

} // namespace ui
