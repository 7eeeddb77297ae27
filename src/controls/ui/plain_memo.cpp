#include "controls/ui/plain_memo.h"

#include <QScrollBar>

#include "platform/ui/gbk_qt.h"

namespace veyrin {

PlainMemo::PlainMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

std::string PlainMemo::gbkText() const {
    QString text = toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return qStringToGbk(text);
}

void PlainMemo::setGbkText(const std::string& gbkCrLfText) {
    QString text = gbkToQString(gbkCrLfText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text == toPlainText()) return;
    setPlainText(text);
}

}  // namespace veyrin
