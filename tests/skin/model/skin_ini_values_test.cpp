#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/skin_ini_values.h"

using namespace veyrin;

namespace {

SkinIniText iniOf(std::vector<std::string> lines) { return SkinIniText(lines); }

std::string rectError(const std::string& text) {
    const SkinIniText ini = iniOf({"[s]", "r=" + text});
    try {
        SkinSectionReader(ini, "s").rect("r");
    } catch (const AppError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(SkinIniValues, NamesIgnoreCaseAndTheFirstMatchWins) {
    const SkinIniText ini = iniOf({"[Caption]", "unenabledfontColor=5", "UNENABLEDFONTCOLOR=6", "[caption]", "x=1"});
    const SkinSectionReader r(ini, "CAPTION");
    EXPECT_EQ(r.colour("unenabledfontcolor"), 5);
    EXPECT_EQ(r.integer("x", -7), -7);
    EXPECT_EQ(r.integer("missing", -1), -1);
}

TEST(SkinIniValues, IntegersAndBooleans) {
    const SkinIniText ini = iniOf({"[s]", "a=12", "b=x1", "c=2", "d=1", "e=99999999999", "f=-3"});
    const SkinSectionReader r(ini, "s");
    EXPECT_EQ(r.integer("a", 0), 12);
    EXPECT_EQ(r.integer("b", 4), 4);
    EXPECT_EQ(r.integer("e", 4), 4);
    EXPECT_EQ(r.integer("f", 4), -3);
    EXPECT_FALSE(r.boolean("c"));
    EXPECT_TRUE(r.boolean("d"));
}

TEST(SkinIniValues, RectanglesSkipNonDigitsAndRefuseMissingOrExtraFields) {
    const SkinIniText ini = iniOf({"[s]", "r=5,-4,183,124", "p= 7 , x8"});
    const SkinSectionReader r(ini, "s");
    EXPECT_EQ(r.rect("r"), (FrameRect{5, 4, 183, 124}));
    EXPECT_EQ(r.point("p"), (FramePoint{7, 8}));
    EXPECT_EQ(r.rect("absent"), FrameRect{});
    EXPECT_EQ(r.point("absent"), FramePoint{});
    EXPECT_EQ(rectError("1,2,3"), "'' is not a valid integer value");
    EXPECT_EQ(rectError("1,,2,3"), "'' is not a valid integer value");
    EXPECT_EQ(rectError("1,2,3,-"), "'' is not a valid integer value");
    EXPECT_EQ(rectError("1,2,3,4,5"), "'4,5' is not a valid integer value");
    EXPECT_EQ(rectError("1,2,3,99999999999"), "'99999999999' is not a valid integer value");
}

TEST(SkinIniValues, NamedValuesWithTheirFallbacks) {
    const SkinIniText ini = iniOf({"[s]", "e1=iedarkness", "e2=blur", "m1=mkPush", "m2=slide", "c1=cmClose",
                                   "c2=close", "a1=taLeftJustify", "a2=taRightJustify", "f=fsItalic fsStrikeOut"});
    const SkinSectionReader r(ini, "s");
    EXPECT_EQ(r.inactiveEffect("e1"), TbsInactiveEffect::ieDarkness);
    EXPECT_EQ(r.inactiveEffect("e2"), TbsInactiveEffect::ieGrayScale);
    EXPECT_EQ(r.inactiveEffect("none"), TbsInactiveEffect::ieBrightness);
    EXPECT_EQ(r.morphKind("m1"), TbsMorphKind::mkPush);
    EXPECT_EQ(r.morphKind("m2"), TbsMorphKind::mkDefault);
    EXPECT_EQ(r.command("c1"), TbsStdCommand::cmClose);
    EXPECT_EQ(r.command("c2"), TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(r.command("none"), TbsStdCommand::cmDefault);
    EXPECT_EQ(r.alignment("a1"), TbsTextAlignment::taLeftJustify);
    EXPECT_EQ(r.alignment("a2"), TbsTextAlignment::taRightJustify);
    EXPECT_EQ(r.alignment("none"), TbsTextAlignment::taCenter);
    EXPECT_EQ(r.fontStyle("f"), (SkinFontStyle{false, true, false, true}));
    EXPECT_EQ(r.fontStyle("none"), SkinFontStyle{});
}

TEST(SkinIniValues, ListsAndEntries) {
    const SkinIniText ini = iniOf({"[s]", "itemscount=2", "0=a:b:c", "1=plain", "2=beyond", "[t]", "0=x"});
    EXPECT_EQ(SkinSectionReader(ini, "s").list("items"), (std::vector<std::string>{"a:b:c", "plain"}));
    EXPECT_TRUE(SkinSectionReader(ini, "t").list("items").empty());
    // A missing number reads as empty and the list still runs to its count.
    const SkinIniText gap = iniOf({"[s]", "itemscount=5", "0=a", "1=b", "3=d", "03=x", "3=later", "[s]", "2=other"});
    EXPECT_EQ(SkinSectionReader(gap, "s").list("items"), (std::vector<std::string>{"a", "b", "", "d", ""}));
    const SkinIniText huge = iniOf({"[s]", "itemscount=2000000000", "0=a"});
    EXPECT_THROW(SkinSectionReader(huge, "s").list("items"), AppError);
    EXPECT_EQ(splitSkinEntry("a:b:c"), (std::pair<std::string, std::string>{"a", "b:c"}));
    EXPECT_EQ(splitSkinEntry("plain"), (std::pair<std::string, std::string>{"plain", ""}));
}
