#pragma once

#include "PageBox.h"
#include "UniqueHandle.h"
#include "PageView.h"

// The most pixels a picture of the page holds: 8,388,608, which at 24 bits a pixel make 24 MiB
// on the clipboard. A page that needs more is pictured from its top, or from its first column,
// as far as that goes.
inline constexpr long MaxPicturePixels = 8'388'608;

// The page as it is shown, whole, as a bitmap of 24 bits a pixel.
struct PagePicture {
    ui::UniqueBitmap Bitmap; // none for a page of no size
    bool Cut = false;        // the page needed more than MaxPicturePixels: only its first part
};

// The horizontal page from its top to its end, as wide as the box shows it, at its zoom and in
// its colours, without the selection. The box must be shown; it shows the same as before once
// this returns.
PagePicture PictureOfBox(PageBox& page);

// One of the page's other views, whole: the vertical page, every column of it, as high as the
// window shows it; the page with its readings, every row, as wide as the window.
PagePicture PictureOfView(PageView& view);
