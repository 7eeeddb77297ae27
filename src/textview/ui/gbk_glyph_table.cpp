#include "textview/ui/gbk_glyph_table.h"

#include <QStringDecoder>

#include <array>
#include <memory>

#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Every single byte and every lead/trail pair, decoded once on first use.
struct GbkTable {
    std::array<char16_t, 256> single{};
    std::array<char16_t, 65536> pair{};

    GbkTable() {
        QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) single[static_cast<size_t>(b)] = decodeOne(decoder, {static_cast<char>(b)});
        pair.fill(kReplacement);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                pair[static_cast<size_t>(lead << 8 | trail)] =
                    decodeOne(decoder, {static_cast<char>(lead), static_cast<char>(trail)});
            }
        }
    }

    static char16_t decodeOne(QStringDecoder& decoder, std::initializer_list<char> bytes) {
        QByteArray raw(bytes.begin(), static_cast<qsizetype>(bytes.size()));
        QString text = decoder.decode(raw);
        decoder.resetState();
        return text.size() == 1 ? text.at(0).unicode() : kReplacement;
    }
};

const GbkTable& table() {
    static const std::unique_ptr<GbkTable> instance = std::make_unique<GbkTable>();
    return *instance;
}

}  // namespace

TGbkChar gbkCharAt(std::string_view text, size_t pos) {
    auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) return {static_cast<char16_t>(byte), 1};
    if (gbk::isLeadByte(byte) && pos + 1 < text.size()) {
        auto trail = static_cast<unsigned char>(text[pos + 1]);
        return {table().pair[static_cast<size_t>(byte << 8 | trail)], 2};
    }
    return {table().single[byte], 1};
}

}  // namespace veyrin
