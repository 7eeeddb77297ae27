#include "platform/model/chinese_script.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

TEST(ChineseScript, ConvertsBothWaysAndFoldsEitherFormOntoTheSimplified) {
    const auto& script = ChineseScript::shared();
    ASSERT_TRUE(script.available()) << script.problem();
    EXPECT_EQ(script.toTraditional("静夜思"), "靜夜思");
    EXPECT_EQ(script.toSimplified("靜夜思"), "静夜思");
    // A line already simplified, and plain ASCII, come back unchanged.
    EXPECT_EQ(script.toSimplified("举头望明月, 1"), "举头望明月, 1");
    const std::string line = "春眠不觉晓，处处闻啼鸟。";
    EXPECT_EQ(script.toSimplified(script.toTraditional(line)), line);
}

TEST(ChineseScript, KeepsBrokenOrEmptyTextRatherThanLosingIt) {
    const auto& script = ChineseScript::shared();
    EXPECT_EQ(script.toTraditional(""), "");
    const std::string broken = "\xE9\x9D";  // a cut UTF-8 sequence
    const std::string out = script.toTraditional(broken);
    EXPECT_FALSE(out.empty());
}

}  // namespace
}  // namespace veyrin
