#include "Lookup3.h"

#include <gtest/gtest.h>

namespace {

// The values lookup3's own self-test prints for hashlittle2.
TEST(HashLittle2, GivesLookup3sPublishedValues)
{
    const struct {
        const char* text;
        std::uint32_t pc, pb;       // initial values
        std::uint32_t wantC, wantB;
    } cases[] = {
        {"", 0, 0, 0xDEADBEEF, 0xDEADBEEF},
        {"", 0, 0xDEADBEEF, 0xBD5B7DDE, 0xDEADBEEF},
        {"", 0xDEADBEEF, 0xDEADBEEF, 0x9C093CCD, 0xBD5B7DDE},
        {"Four score and seven years ago", 0, 0, 0x17770551, 0xCE7226E6},
        {"Four score and seven years ago", 0, 1, 0xE3607CAE, 0xBD371DE4},
        {"Four score and seven years ago", 1, 0, 0xCD628161, 0x6CBEA4B3},
    };
    for (const auto& c : cases) {
        const Lookup3Hashes hashes = HashLittle2(c.text, c.pc, c.pb);
        EXPECT_EQ(hashes.primary, c.wantC) << '"' << c.text << "\" " << c.pc << ' ' << c.pb;
        EXPECT_EQ(hashes.secondary, c.wantB) << '"' << c.text << "\" " << c.pc << ' ' << c.pb;
    }
}

} // namespace
