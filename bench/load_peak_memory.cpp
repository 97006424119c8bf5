// Loads one anthology file the way the reader does at start-up and exits, so that the peak
// resident memory of the load can be read from outside:
//   /usr/bin/time -v load-peak-memory FILE
#include "PickListSink.h"
#include "TangLoader.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    std::vector<TangRecord> tangs;
    PickListSink sink;
    const LoadResult result = LoadTangsFile(argv[1], tangs, sink);
    if (!result.FileRead) {
        std::fprintf(stderr, "%s: could not read %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%zu poems\n", tangs.size());
    return 0;
}
