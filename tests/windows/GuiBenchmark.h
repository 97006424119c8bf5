#pragma once

// Times the reader's whole start-up and a search that lists every poem, on the largest
// anthology the program accepts, with the real windows. Prints the medians and returns 0.
int RunGuiBenchmarks();
