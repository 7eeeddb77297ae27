// What 朗读 reads: from the caret, the selection instead when there is one, the whole text again
// when only blanks follow the caret, nothing from a blank text; GBK comes out as UTF-8.

#include <gtest/gtest.h>

#include "platform/model/gbk_text.h"
#include "textview/model/line_store.h"
#include "textview/model/view_model.h"
#include "windows/model/read_aloud_text.h"

namespace veyrin {
namespace {

struct Poem {
    TSynEditStringList lines;
    TSynViewModel view{lines};
    explicit Poem(const std::vector<std::string>& utf8Lines) {
        std::vector<std::string> gbkLines;
        for (const std::string& line : utf8Lines) gbkLines.push_back(gbk::fromUtf8(line));
        lines.Assign(gbkLines);
    }
};

TEST(ReadAloudText, ReadsFromTheCaretOrTheSelection) {
    Poem poem({"床前明月光，", "疑是地上霜。"});
    EXPECT_EQ(textToReadAloud(poem.view), "床前明月光，\n疑是地上霜。");

    poem.view.moveCaret(TBufferCoord{5, 1}, false);  // after 床前 (two bytes each)
    EXPECT_EQ(textToReadAloud(poem.view), "明月光，\n疑是地上霜。");

    poem.view.setCaretAndAnchor(TBufferCoord{5, 2}, TBufferCoord{1, 2});
    EXPECT_EQ(textToReadAloud(poem.view), "疑是");

    // A selection across the break keeps it as one line break.
    poem.view.setCaretAndAnchor(TBufferCoord{3, 2}, TBufferCoord{9, 1});
    EXPECT_EQ(textToReadAloud(poem.view), "光，\n疑");
}

TEST(ReadAloudText, NothingLeftAfterTheCaretReadsTheWholeText) {
    Poem poem({"举头望明月", "低头思故乡", "  "});
    poem.view.moveCaret(TBufferCoord{3, 3}, false);
    EXPECT_EQ(textToReadAloud(poem.view), "举头望明月\n低头思故乡\n  ");
    poem.view.moveCaret(TBufferCoord{11, 2}, false);
    EXPECT_EQ(textToReadAloud(poem.view), "举头望明月\n低头思故乡\n  ");
}

TEST(ReadAloudText, BlankTextReadsNothing) {
    Poem empty({});
    EXPECT_EQ(textToReadAloud(empty.view), "");
    Poem blanks({" ", "\t", ""});
    EXPECT_EQ(textToReadAloud(blanks.view), "");
}

TEST(ReadAloudText, GbkBecomesUtf8WithPlainBreaks) {
    EXPECT_EQ(speechTextFromGbk(gbk::fromUtf8("静夜思\r\n李白")), "静夜思\n李白");
}

}  // namespace
}  // namespace veyrin
