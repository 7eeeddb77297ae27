#include "platform/ui/gbk_qt.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace veyrin {

QString gbkToQString(std::string_view gbkBytes) {
    if (gbkBytes.empty()) return {};
    // Opening the converter by name costs far more than converting a line; texts of millions of
    // lines are converted line by line, so one decoder serves every call. It starts each text
    // afresh: a lead byte at the end of one text never pairs with the start of the next.
    thread_local QStringDecoder decoder("GBK");
    decoder.resetState();
    return decoder.decode(QByteArrayView(gbkBytes.data(), static_cast<qsizetype>(gbkBytes.size())));
}

std::string qStringToGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError()) return std::string(whole.constData(), static_cast<size_t>(whole.size()));
    // Some character has no GBK form: encode one character at a time and put '?' in its place.
    std::string out;
    out.reserve(static_cast<size_t>(text.size()) * 2);
    for (qsizetype i = 0; i < text.size();) {
        qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one("GBK");
        QByteArray bytes = one.encode(QStringView(text).mid(i, len));
        if (one.hasError() || bytes.isEmpty()) {
            out.push_back('?');
        } else {
            out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
        }
        i += len;
    }
    return out;
}

}  // namespace veyrin
