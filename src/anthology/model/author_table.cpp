#include "anthology/model/author_table.h"

#include <array>
#include <stdexcept>
#include <vector>

#include "anthology/model/entry_files.h"
#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

static_assert(kAuthorCount == kEntryFileCount, "every poet has exactly one entry file");

// Written as UTF-8 so the names can be read and checked in the source; converted to GBK once,
// on first use.
constexpr std::array<std::string_view, kAuthorCount> kNamesUtf8 = {
    "虞世南", "王绩", "王梵志", "寒山", "上官仪", "卢照邻", "骆宾王", "杜审言",  // 0..7
    "苏味道", "王勃", "杨炯", "刘希夷", "宋之问", "沈佺期", "郭震", "李適之",  // 8..15
    "陈子昂", "贺知章", "沈如筠", "张若虚", "张说", "苏颋", "张敬忠", "张九龄",  // 16..23
    "王之涣", "孟浩然", "李颀", "綦毋潜", "王昌龄", "唐温如", "湘驿女子", "安邑坊女",  // 24..31
    "太上隐者", "无名氏", "祖咏", "王维", "丘为", "李白", "刘眘虚", "王湾",  // 32..39
    "崔颢", "孙逖", "崔国辅", "王翰", "张旭", "戎昱", "高適", "储光羲",  // 40..47
    "张谓", "万楚", "刘长卿", "杜甫", "李华", "岑参", "景云", "刘方平",  // 48..55
    "民谣", "裴迪", "元结", "孟云卿", "张继", "钱起", "贾至", "郎士元",  // 56..63
    "韩翃", "司空曙", "皎然", "李端", "胡令能", "严维", "顾况", "韩氏",  // 64..71
    "窦叔向", "严武", "张潮", "于良史", "柳中庸", "戴叔伦", "韦应物", "卢纶",  // 72..79
    "李益", "于鹄", "孟郊", "李约", "陈羽", "杨巨源", "武元衡", "畅当",  // 80..87
    "窦牟", "刘采春", "刘商", "崔护", "权德舆", "常建", "张籍", "王建",  // 88..95
    "薛涛", "韩愈", "张仲素", "王涯", "吕温", "刘禹锡", "白居易", "李绅",  // 96..103
    "柳宗元", "李涉", "施肩吾", "崔郊", "裴潾", "元稹", "杨敬之", "贾岛",  // 104..111
    "姚合", "项斯", "张祜", "刘皂", "皇甫松", "韩琮", "朱庆馀", "李德裕",  // 112..119
    "李贺", "卢仝", "刘叉", "徐凝", "雍裕之", "许浑", "杜牧", "雍陶",  // 120..127
    "李忱", "温庭筠", "陈陶", "李商隐", "李群玉", "无可", "刘驾", "刘沧",  // 128..135
    "李频", "崔珏", "司马札", "薛逢", "赵嘏", "马戴", "崔橹", "方干",  // 136..143
    "曹邺", "高骈", "郑畋", "张孜", "于濆", "罗隐", "皮日休", "陆龟蒙",  // 144..151
    "韦庄", "黄巢", "武昌妓", "聂夷中", "司空图", "来鹄", "钱珝", "张乔",  // 152..159
    "高蟾", "章碣", "薛媛", "曹松", "崔道融", "韩偓", "吴融", "张槟",  // 160..167
    "葛鸦儿", "金昌绪", "于武陵", "鱼玄机", "郑谷", "杜荀鹤", "罗虬", "贯休",  // 168..175
    "崔涂", "秦韬玉", "唐彦谦", "王驾", "陈玉兰", "齐己", "李洞", "卢汝弼",  // 176..183
    "花蕊夫人徐氏", "翁宏", "谭用之", "张泌", "捧剑仆", "孟宾于",  // 184..189
};

const std::vector<std::string>& gbkNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> converted;
        converted.reserve(kNamesUtf8.size());
        for (std::string_view name : kNamesUtf8) converted.push_back(gbk::fromUtf8(name));
        return converted;
    }();
    return names;
}

}  // namespace

int findAuthor(std::string_view gbkName) {
    const std::vector<std::string>& names = gbkNames();
    for (int row = 0; row < kAuthorCount; ++row) {
        if (names[static_cast<std::size_t>(row)] == gbkName) return row;
    }
    return -1;
}

std::string authorName(int index) {
    if (index < 0 || index >= kAuthorCount) throw std::out_of_range("no author row");
    return gbkNames()[static_cast<std::size_t>(index)];
}

}  // namespace veyrin
