#include "windows/ui/reading_room_output.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolBar>

#include <algorithm>

#include "platform/ui/gbk_qt.h"
#include "textview/ui/syn_editor.h"
#include "windows/model/read_aloud_text.h"
#include "windows/ui/program_pictures.h"
#include "windows/ui/reading_window.h"
#include "windows/ui/speech_engine.h"
#include "windows/ui/text_export.h"

namespace veyrin {
namespace {

QAction* windowAction(QWidget& window, const char* caption, const QKeySequence& key, const QIcon& picture) {
    auto* action = new QAction(picture, QString::fromUtf8(caption), &window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

void setHint(QAction* action, const std::string& utf8Hint) {
    const QString hint = QString::fromStdString(utf8Hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

// The file name the dialog proposes: the first line of the text, without characters a file name
// cannot hold and without its closing punctuation.
QString proposedFileName(const TSynEditor& view) {
    QString title = view.Lines().Count() > 0 ? gbkToQString(view.Lines().GetView(0)) : QString();
    title.remove(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|])")));
    title.remove(QRegularExpression(QStringLiteral(R"([\p{P}\s]+$)")));
    title = title.trimmed().left(40);
    return (title.isEmpty() ? QString::fromUtf8("诗") : title) + QStringLiteral(".pdf");
}

// The reader's documents folder when there is one, else the home folder.
QString exportFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

ReadingRoomOutput::ReadingRoomOutput(QWidget& window, TSynEditor& view, SpeechEngine& speech)
    : QObject(&window), window_(window), view_(view), speech_(&speech) {
    ReadAloud1 = windowAction(window, "朗读", QKeySequence(Qt::Key_F8), namedToolBarPicture("read_aloud"));
    ReadAloud1->setCheckable(true);
    Export1 = windowAction(window, "导出", QKeySequence(Qt::CTRL | Qt::Key_E), namedToolBarPicture("export"));
    setHint(Export1, "导出为 PDF 或 PNG (Ctrl+E)");
    connect(ReadAloud1, &QAction::triggered, this, &ReadingRoomOutput::readAloudClick);
    connect(Export1, &QAction::triggered, this, &ReadingRoomOutput::exportClick);
    connect(&speech, &SpeechEngine::availabilityChanged, this, &ReadingRoomOutput::showSpeechState);
    connect(&speech, &SpeechEngine::speakingChanged, this, &ReadingRoomOutput::showSpeechState);
    showSpeechState();
    // Watches the window's showing and the keys its text boxes would claim (below).
    qApp->installEventFilter(this);
}

ReadingRoomOutput::~ReadingRoomOutput() {
    if (speech_ && speech_->isSpeaking()) speech_->stop();
}

bool ReadingRoomOutput::eventFilter(QObject* watched, QEvent* event) {
    // The engine is asked when a reading window is first shown, not for the hidden one made at start.
    if (watched == &window_ && event->type() == QEvent::Show && speech_) speech_->probe();
    // A text box would keep Ctrl+E (end of line on X11) for itself; the window's keys come first
    // while their actions can run, and go on to the box when they cannot.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == &window_ && isEnabledKey(*static_cast<QKeyEvent*>(event))) return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ReadingRoomOutput::isEnabledKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const std::initializer_list<const QAction*> own = {ReadAloud1, Export1};
    return std::any_of(own.begin(), own.end(),
                       [&pressed](const QAction* action) { return action->isEnabled() && action->shortcut() == pressed; });
}

void ReadingRoomOutput::showSpeechState() {
    if (!speech_) return;
    const TSpeechAvailability availability = speech_->availability();
    const bool speaking = speech_->isSpeaking();
    ReadAloud1->setEnabled(availability == TSpeechAvailability::Ready);
    ReadAloud1->setChecked(speaking);
    ReadAloud1->setIcon(namedToolBarPicture(speaking ? "stop_reading" : "read_aloud"));
    setHint(ReadAloud1, readAloudHint(availability, speaking));
}

void ReadingRoomOutput::readAloudClick() {
    if (!speech_) return;
    if (speech_->isSpeaking()) {
        speech_->stop();
    } else {
        const std::string text = textToReadAloud(view_.viewModel());
        if (!text.empty()) speech_->say(QString::fromStdString(text));
    }
    showSpeechState();
}

void ReadingRoomOutput::exportClick() {
    QFileDialog dialog(&window_, QString::fromUtf8("导出"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QString::fromUtf8("PDF 文件 (*.pdf)"), QString::fromUtf8("PNG 图片 (*.png)"),
                           QString::fromUtf8("所有文件 (*)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QStringLiteral("*.png")) ? QStringLiteral("png") : QStringLiteral("pdf"));
    });
    dialog.setDirectory(exportFolder());
    dialog.selectFile(proposedFileName(view_));
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // Without a window manager nothing hands the focus back, and the window's keys would stop working.
    window_.activateWindow();
    if (chosen) exportViewToFile(view_, dialog.selectedFiles().constFirst());
}

ReadingRoomOutput* addReadingRoomOutput(QWidget& window, QToolBar& bar, TSynEditor& view) {
    auto* output = new ReadingRoomOutput(window, view, speechEngine());
    addToolBarSeparator(bar);
    bar.addAction(output->ReadAloud1);
    bar.addAction(output->Export1);
    return output;
}

}  // namespace veyrin
