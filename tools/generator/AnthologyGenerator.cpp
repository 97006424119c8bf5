#include "AnthologyGenerator.h"

#include <array>
#include <string_view>

namespace {

// A small, fast, fully deterministic generator (xorshift32), so that files are identical on
// every machine and every run.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int Below(int limit) { return static_cast<int>(Next() % static_cast<uint32_t>(limit)); }

private:
    uint32_t state_;
};

constexpr std::array<std::string_view, 7> Headings = {
    "\xce\xe5\xd1\xd4\xbe\xf8\xbe\xe4", // 五言绝句
    "\xc6\xdf\xd1\xd4\xbe\xf8\xbe\xe4", // 七言绝句
    "\xce\xe5\xd1\xd4\xc2\xc9\xca\xab", // 五言律诗
    "\xc6\xdf\xd1\xd4\xc2\xc9\xca\xab", // 七言律诗
    "\xce\xe5\xd1\xd4\xb9\xc5\xca\xab", // 五言古诗
    "\xc6\xdf\xd1\xd4\xb9\xc5\xca\xab", // 七言古诗
    "\xc0\xd6\xb8\xae",                 // 乐府
};
constexpr std::string_view Comma = "\xa3\xac";                       // ，
constexpr std::string_view FullStop = "\xa1\xa3";                    // 。
constexpr std::string_view AuthorLabel = "\xd7\xf7\xd5\xdf\xa3\xba"; // 作者：

// A character of the first level of GB2312, which every GBK decoder knows.
void AppendHanzi(std::string& out, uint32_t value) {
    out += static_cast<char>(0xB0 + value % 39);
    out += static_cast<char>(0xA1 + (value / 39) % 94);
}

void AppendHanzi(std::string& out, Random& random, int count) {
    for (int i = 0; i < count; ++i) {
        AppendHanzi(out, random.Next());
    }
}

std::string AuthorName(int author) {
    std::string name;
    const uint32_t value = static_cast<uint32_t>(author) * 2654435761u;
    AppendHanzi(name, static_cast<uint32_t>(author));
    AppendHanzi(name, value >> 8);
    if (author % 3 != 0) {
        AppendHanzi(name, value >> 20);
    }
    return name;
}

} // namespace

std::string GenerateAnthology(const AnthologyShape& shape) {
    Random random(shape.Seed);
    const std::string_view end = shape.BareLineFeeds ? "\n" : "\r\n";
    std::string out;
    out.reserve(static_cast<size_t>(shape.Poems) * 200 + 64);
    out.append("ANTHOLOGY").append(end);

    const int perSection = shape.Poems / static_cast<int>(Headings.size()) + 1;
    for (int poem = 0; poem < shape.Poems; ++poem) {
        if (poem % perSection == 0) {
            out.append("[").append(Headings[static_cast<size_t>(poem / perSection)]).append("]");
            out.append(end);
        }
        out.append("<");
        AppendHanzi(out, random, 2 + random.Below(7));
        out.append(">").append(end);

        const std::string author = AuthorName(random.Below(shape.Authors));
        out.append("(").append(author).append(")").append(end);

        const int lineLength = random.Below(2) == 0 ? 5 : 7;
        const int lines = random.Below(3) == 0 ? 8 : 4;
        for (int line = 0; line < lines; line += 2) {
            AppendHanzi(out, random, lineLength);
            out.append(Comma);
            AppendHanzi(out, random, lineLength);
            out.append(FullStop).append(end);
        }

        if (random.Below(4) == 0) {
            out.append("//").append(AuthorLabel).append(author).append(Comma);
            AppendHanzi(out, random, 20 + random.Below(40));
            out.append(end);
            AppendHanzi(out, random, 10 + random.Below(30));
            out.append(FullStop).append("//").append(end);
        } else {
            out.append("//").append(AuthorLabel).append(author).append(Comma);
            AppendHanzi(out, random, 10 + random.Below(50));
            out.append(FullStop).append("//").append(end);
        }
    }
    return out;
}

std::string RandomBytes(size_t count, uint32_t seed) {
    Random random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.Next() >> 24);
    }
    return bytes;
}
