#pragma once

// The reader's ids, one space for its controls and its commands: a button's command has the
// button's id, and the commands that no control carries follow the controls.
enum ReaderId : int {
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
    // The page's menu and the reader's keys.
    mnuCopy,
    mnuSelectAll,
    mnuCopyPicture,
    mnuRandom,
    mnuPoemOfTheDay,
    mnuZoomIn,
    mnuZoomOut,
    mnuZoomReset,
    mnuSearch,
    mnuNextResult,
    mnuPreviousResult,
    mnuPrint,
    mnuVertical,
    mnuReadAloud,
    mnuReadNotes,
    mnuStopReading,
    mnuPinyin,
};
