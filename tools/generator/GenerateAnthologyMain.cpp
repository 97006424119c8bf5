// Writes a synthetic anthology to standard output:
//   generate-anthology POEMS [--lf] [--seed N] [--authors N]
// or, for damaged-input tests, that many pseudo-random bytes:
//   generate-anthology --random-bytes COUNT [--seed N]
#include "AnthologyGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s POEMS [--lf] [--seed N] [--authors N]\n", argv[0]);
        return 2;
    }
    AnthologyShape shape;
    if (std::strcmp(argv[1], "--random-bytes") == 0 && argc >= 3) {
        const auto count = std::strtoul(argv[2], nullptr, 10);
        const auto seed = argc >= 5 && std::strcmp(argv[3], "--seed") == 0
                              ? static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10))
                              : shape.Seed;
        const std::string bytes = RandomBytes(count, seed);
        return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
    }
    shape.Poems = std::atoi(argv[1]);
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lf") == 0) {
            shape.BareLineFeeds = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            shape.Seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--authors") == 0 && i + 1 < argc) {
            shape.Authors = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (shape.Poems < 0 || shape.Authors < 1) {
        std::fprintf(stderr, "POEMS must be 0 or more and --authors at least 1\n");
        return 2;
    }
    const std::string text = GenerateAnthology(shape);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
