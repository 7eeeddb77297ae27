#include "windows/ui/reading_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_panel.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/qt_color.h"
#include "skin/ui/window_states.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/thin_pen.h"
#include "windows/ui/program_pictures.h"
#include "windows/ui/reading_view_modes.h"
#include "windows/ui/reading_room_output.h"

namespace veyrin {
namespace {

constexpr int kPanelHeight = 145;
constexpr int kToolBarHeight = 24;
constexpr int kMemo1Width = 373;
constexpr TColor kToolBarColor = 0xF0F0F0;

// The tool bar draws a line along its bottom edge, like a flat bar resting on the text.
class LinedToolBar : public QToolBar {
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QToolBar::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        drawThinLine(painter, QPoint(0, height() - 1), QPoint(width(), height() - 1));
    }
};

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

}  // namespace

TForm3::TForm3(const ReadingSnapshot& fromMainWindow, QWidget* parent) : FrameHost(parent) {
    setCaption(QString::fromUtf8("Veyrin阅读"));
    setResizable(true);
    useStoredSkin(TbsBorderIcons{});
    setClientSize(817, 563);
    buildControls();
    buildActions();
    FormCreate(fromMainWindow);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TForm3::updateActions);
    connect(qApp, &QApplication::focusChanged, this, &TForm3::updateActions);
    updateActions();
}

TForm3::~TForm3() {
    // Closing the window as it goes moves the focus; the actions must not be updated on a window
    // that is already being torn down.
    disconnect(qApp, &QApplication::focusChanged, this, &TForm3::updateActions);
}

void TForm3::buildControls() {
    QWidget* c = client();
    QPalette palette = c->palette();
    palette.setColor(QPalette::Window, toQColor(clBtnFace));
    c->setPalette(palette);
    c->setFont(fontWithPixelSize(QStringLiteral("MS Sans Serif"), 11));

    auto* layout = new QVBoxLayout(c);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    suiPanel1 = new TsuiPanel(c);
    suiPanel1->setUIStyle(TsuiUIStyle::MacOS);
    suiPanel1->setBorderColor(0x7F7F7F);
    suiPanel1->setAlign(TAlign::alTop);
    suiPanel1->setColor(clWhite);
    suiPanel1->setCaptionFontColor(clBlack);
    suiPanel1->setShowButton(true);
    suiPanel1->setPanelHeight(kPanelHeight);
    layout->addWidget(suiPanel1);

    // The notes fill exactly the panel's content area, which the panel keeps as its contents
    // margins; a layout's own margins would inset them a second time.
    auto* notes = new QHBoxLayout(suiPanel1);
    notes->setContentsMargins(0, 0, 0, 0);
    notes->setSpacing(0);
    Memo1 = new PlainMemo(suiPanel1);
    Memo1->setFixedWidth(kMemo1Width);
    Memo2 = new PlainMemo(suiPanel1);
    notes->addWidget(Memo1);
    notes->addWidget(Memo2, 1);

    ToolBar2 = new LinedToolBar(c);
    ToolBar2->setFixedHeight(kToolBarHeight);
    ToolBar2->setIconSize(QSize(16, 16));
    ToolBar2->setMovable(false);
    ToolBar2->setAutoFillBackground(true);
    QPalette barPalette = ToolBar2->palette();
    barPalette.setColor(QPalette::Window, toQColor(kToolBarColor));
    barPalette.setColor(QPalette::Button, toQColor(kToolBarColor));
    ToolBar2->setPalette(barPalette);
    ToolBar2->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 0px; background: #F0F0F0; }"));
    layout->addWidget(ToolBar2);

    memo3 = new TSynEditor(c);
    applyReaderDesignValues(*memo3);
    layout->addWidget(memo3, 1);
}

void TForm3::buildActions() {
    // Each action runs the same operation on whichever text control has the focus.
    using ViewOperation = void (TSynEditor::*)();
    using MemoOperation = void (PlainMemo::*)();
    struct Spec {
        QAction** action;
        const char* caption;
        const char* hint;
        int picture;  // index in the tool bar's picture list, -1 for none
        QKeySequence shortcut;
        ViewOperation onView;
        MemoOperation onMemo;
    };
    const Spec specs[] = {
        {&EditCut1, "剪切(&X)", "剪切", 0, QKeySequence(Qt::CTRL | Qt::Key_X), &TSynEditor::cutToClipboard,
         &PlainMemo::cut},
        {&EditCopy1, "复制(&C)", "复制", 1, QKeySequence(Qt::CTRL | Qt::Key_C), &TSynEditor::copyToClipboard,
         &PlainMemo::copy},
        {&EditPaste1, "粘贴(&V)", "粘贴", 2, QKeySequence(Qt::CTRL | Qt::Key_V), &TSynEditor::pasteFromClipboard,
         &PlainMemo::paste},
        {&EditSelectAll1, "全部选择(&A)", "全部选择", -1, QKeySequence(Qt::CTRL | Qt::Key_A), &TSynEditor::selectAll,
         &PlainMemo::selectAll},
        {&EditUndo1, "撤销(&U)", "撤销", 3, QKeySequence(Qt::CTRL | Qt::Key_Z), &TSynEditor::undo, &PlainMemo::undo},
        {&EditDelete1, "删除(&D)", "删除", 5, QKeySequence(Qt::Key_Delete), &TSynEditor::clearSelection,
         &PlainMemo::deleteSelection},
    };
    for (const Spec& spec : specs) {
        auto* action = new QAction(QString::fromUtf8(spec.caption), this);
        action->setToolTip(QString::fromUtf8(spec.hint));
        action->setStatusTip(QString::fromUtf8(spec.hint));
        action->setShortcut(spec.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        if (spec.picture >= 0) action->setIcon(toolBarPicture(spec.picture));
        addAction(action);
        connect(action, &QAction::triggered, this, [this, onView = spec.onView, onMemo = spec.onMemo] {
            QWidget* target = actionTarget();
            if (auto* view = qobject_cast<TSynEditor*>(target)) (view->*onView)();
            else if (auto* memo = qobject_cast<PlainMemo*>(target)) (memo->*onMemo)();
        });
        *spec.action = action;
    }
    Action1 = new QAction(QStringLiteral("Action1"), this);

    auto addSeparator = [this] { addToolBarSeparator(*ToolBar2); };
    ToolBar2->addAction(EditUndo1);
    addSeparator();
    ToolBar2->addAction(EditCut1);
    ToolBar2->addAction(EditCopy1);
    ToolBar2->addAction(EditPaste1);
    addSeparator();
    ToolBar2->addAction(EditDelete1);
    addSeparator();
    ReadingViewModes* modes = addReadingViewModes(*this);
    addReadingRoomOutput(*this, *ToolBar2, *memo3);
    ToolBar2->addAction(modes->ViewPinyin1);
}

void addToolBarSeparator(QToolBar& bar) {
    auto* gap = new QWidget(&bar);
    gap->setFixedWidth(8);
    bar.addWidget(gap);
}

QWidget* TForm3::actionTarget() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == Memo1 || focus == Memo2 || focus == memo3) return focus;
    return nullptr;
}

void TForm3::updateActions() {
    QWidget* target = actionTarget();
    bool cut = false, paste = false, selectAll = false, undo = false, del = false;
    if (auto* view = qobject_cast<TSynEditor*>(target)) {
        cut = view->hasSelection();
        paste = view->canPaste();
        selectAll = true;
        del = true;
        undo = view->canUndo();
    } else if (auto* memo = qobject_cast<PlainMemo*>(target)) {
        cut = memo->hasSelection();
        paste = clipboardHasText();
        selectAll = !memo->document()->isEmpty();
        undo = memo->document()->isUndoAvailable();
        del = cut;
    }
    EditCut1->setEnabled(cut);
    EditCopy1->setEnabled(cut);
    EditPaste1->setEnabled(paste);
    EditSelectAll1->setEnabled(selectAll);
    EditUndo1->setEnabled(undo);
    EditDelete1->setEnabled(del);
}

void TForm3::FormCreate(const ReadingSnapshot& main) {
    memo3->Lines().Assign(main.lines);
    memo3->setFontName(main.fontName);
    memo3->setFontColor(main.fontColor);
    memo3->setFontSize(main.fontSize);
    memo3->setColor(main.background);
    memo3->LineDivider().setVisible(main.ruledLines);
    Memo1->setGbkText(main.note1);
    Memo2->setGbkText(main.note2);
}

void TForm3::open() {
    // Maximised by the frame's own states, not by geometry alone: only then does a caption drag
    // leave it in place, the border offer no resize zones and the system menu offer restore.
    // Restoring brings back the designed size, centred.
    centreOnScreen();
    windowStates()->setWindowState(TbsWindowState::wsMaximized);
    showModal();
}

}  // namespace veyrin
