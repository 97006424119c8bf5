#pragma once

// How long the loader lets a line and a field be, and what it counts of the lines it cuts.

// Headings, titles and authors, which go into lists, are cut after this many UTF-16 units (no
// real one comes near it), with an ellipsis after them.
inline constexpr int MaxLineLength = 4000;
// A verse or notes line (a preface or a commentary kept on one line is real data) is cut after
// this many units: the longest that still shows within a second on a page of its own.
inline constexpr int MaxTextLineLength = 16000;
// The verses of one poem, and its notes, hold at most this many units; the lines beyond are
// left out (the verses of poems without notes lines pile up into the next poem's).
inline constexpr int MaxFieldLength = 20000;

// Lines the loader shortened or left out. Only what a heading or a stored poem lost counts:
// lines still pending at the end of the file belong to no poem.
struct LongLines {
    int Cut = 0;     // heading, title and author lines longer than MaxLineLength, cut there
    int TextCut = 0; // verse and notes lines longer than MaxTextLineLength, cut there
    int LeftOut = 0; // lines beyond a poem's MaxFieldLength of verses or of notes
    // Verse lines left out of verses that had piled up from poems without a notes line.
    int LeftOutCarried = 0;
};
