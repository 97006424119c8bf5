// Loads one anthology file the way the reader does at start-up and exits, so that the peak
// resident memory of the load can be read from outside:
//   /usr/bin/time -v load-peak-memory FILE
#include "PickListSink.h"
#include "TangLoader.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    std::vector<TangRecord> tangs;
    PickListSink sink;
    if (argc != 2 || !LoadTangsFile(argv[1], tangs, sink).FileRead) {
        std::fprintf(stderr, "usage: %s FILE, which must be readable\n", argv[0]);
        return 2;
    }
    std::printf("%zu poems\n", tangs.size());
    return 0;
}
