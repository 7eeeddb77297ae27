#include "controls/ui/accelerator.h"

#include <QKeySequence>
#include <QWidget>

namespace veyrin {

QString captionWithoutMarks(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) shown += caption[++i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

void Accelerator::update(QWidget& owner, const QString& caption) {
    if (m_id != 0) owner.releaseShortcut(m_id);
    m_id = 0;
    QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (!mnemonic.isEmpty()) m_id = owner.grabShortcut(mnemonic);
}

}  // namespace veyrin
