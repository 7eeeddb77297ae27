#include "windows/ui/search_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

#include "anthology/model/author_table.h"
#include "anthology/model/search_index.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"
#include "windows/ui/search_index_loader.h"
#include "windows/ui/search_look.h"
#include "windows/ui/search_result_delegate.h"
#include "windows/ui/search_tab_bar.h"

namespace veyrin {
namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

constexpr int kMargin = 8;
constexpr int kOwnerGap = 8;
constexpr int kStatusHeight = 16;
constexpr std::size_t kShownSkippedNames = 2;

// The UTF-16 offset of character `characters` of `text` (a surrogate pair is one character).
int utf16Offset(const QString& text, int characters) {
    int offset = 0;
    for (int i = 0; i < characters && offset < text.size(); ++i)
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    return offset;
}

int columnOf(SearchField field) {
    switch (field) {
    case SearchField::Poet: return 0;
    case SearchField::Title: return 1;
    case SearchField::Line: return 2;
    }
    return -1;
}

void setPaper(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Text, search_look::kInk);
    palette.setColor(QPalette::WindowText, search_look::kInk);
    widget->setPalette(palette);
}

}  // namespace

TSearchWindow::TSearchWindow(std::filesystem::path workingDirectory, QWidget* parent, SearchIndexLoader* loader)
    : FrameHost(parent),
      workingDirectory_(std::move(workingDirectory)),
      loader_(loader != nullptr ? loader : new SearchIndexLoader(this)) {
    setCaption(u8("查找"));
    useStoredSkin(TbsBorderIcons{});
    setClientSize(kClientWidth, kClientHeight);
    buildControls();
    connect(loader_, &SearchIndexLoader::loaded, this, &TSearchWindow::setIndex);
    if (loader_->index()) setIndex(loader_->index());
    connect(TabBar, &QTabBar::currentChanged, this, [this] {
        QueryEdit->setEnabled(TabBar->currentIndex() == SearchTab);
        refreshRows();
    });
    connect(QueryEdit, &QLineEdit::textChanged, this, &TSearchWindow::refreshRows);
    connect(ResultList, &QListWidget::itemActivated, this, [this] { openChosenRow(); });
    refreshRows();
}

TSearchWindow::~TSearchWindow() = default;

void TSearchWindow::buildControls() {
    QWidget* c = client();
    QPalette palette = c->palette();
    palette.setColor(QPalette::Window, toQColor(0xE1E1E1));
    c->setPalette(palette);
    c->setFont(fontWithPixelSize(u8("宋体"), 12));

    TabBar = new SearchTabBar(c);
    TabBar->addTab(u8("查找"));
    TabBar->addTab(u8("收藏"));
    TabBar->setGeometry(kMargin, 6, kClientWidth - 2 * kMargin, SearchTabBar::kTabHeight);
    TabBar->setAccessibleName(u8("查找与收藏"));

    const int pageTop = TabBar->geometry().bottom() + 1;
    auto* page = new QWidget(c);
    page->setGeometry(kMargin, pageTop, kClientWidth - 2 * kMargin, kClientHeight - pageTop - kStatusHeight - 6);
    page->setAutoFillBackground(true);
    setPaper(page, search_look::kPaper);

    QueryEdit = new QLineEdit(page);
    QueryEdit->setGeometry(6, 6, page->width() - 12, 20);
    QueryEdit->setFont(fontWithPixelSize(u8("宋体"), 12));
    QueryEdit->setPlaceholderText(u8("诗人、诗题或诗句，汉字或拼音"));
    QueryEdit->setAccessibleName(u8("查找"));
    QueryEdit->setStyleSheet(QStringLiteral("QLineEdit { background: #FFFFFF; color: #2E2822; border: 1px solid #5E5348;"
                                            " padding: 0 2px; }"
                                            "QLineEdit:disabled { background: #ECE6DA; border-color: #8A7F70; }"));

    ResultList = new QListWidget(page);
    ResultList->setGeometry(6, 32, page->width() - 12, page->height() - 38);
    ResultList->setFrameShape(QFrame::NoFrame);
    ResultList->setItemDelegate(new SearchResultDelegate(ResultList));
    ResultList->setUniformItemSizes(true);
    ResultList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ResultList->setFont(fontWithPixelSize(u8("宋体"), 12));
    ResultList->setAccessibleName(u8("查找结果"));
    // A slim scroll bar in the paper's colours, its thumb on the celadon band of the chosen row.
    ResultList->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #F1EBDF; width: 11px; margin: 0; border-left: 1px solid #DDD5C6; }"
        "QScrollBar::handle:vertical { background: #DDE8E0; border: 1px solid #9FB9AA; min-height: 20px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    setPaper(ResultList, search_look::kPaper);
    setPaper(ResultList->viewport(), search_look::kPaper);

    StatusLine = new QLabel(c);
    StatusLine->setGeometry(kMargin + 2, kClientHeight - kStatusHeight - 3, kClientWidth - 2 * kMargin - 4, kStatusHeight);
    StatusLine->setAccessibleName(u8("状态"));
    QPalette statusPalette = StatusLine->palette();
    statusPalette.setColor(QPalette::WindowText, search_look::kInkLine);
    StatusLine->setPalette(statusPalette);

    for (QObject* watched : {static_cast<QObject*>(QueryEdit), static_cast<QObject*>(ResultList),
                             static_cast<QObject*>(TabBar)})
        watched->installEventFilter(this);
    QWidget::setTabOrder(QueryEdit, ResultList);
    QWidget::setTabOrder(ResultList, TabBar);
}

void TSearchWindow::present() {
    loader_->start(workingDirectory_);
    TabBar->setCurrentIndex(SearchTab);
    if (!isVisible()) placeBesideOwner();
    show();
    raise();
    activateWindow();
    QueryEdit->setFocus(Qt::ShortcutFocusReason);
    QueryEdit->selectAll();
}

void TSearchWindow::placeBesideOwner() {
    QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : nullptr;
    if (!owner || !screen) {
        centreOnScreen();
        return;
    }
    // Beside the owner, on the side with more room, level with its top and kept on the screen, so
    // the view that shows what the window opens stays in sight as far as the screen allows.
    const QRect area = screen->availableGeometry();
    const QRect ownerBox = owner->frameGeometry();
    const int roomRight = area.right() - ownerBox.right();
    const int roomLeft = ownerBox.left() - area.left();
    const int preferredX = roomRight >= roomLeft ? ownerBox.right() + 1 + kOwnerGap : ownerBox.left() - kOwnerGap - width();
    const int x = std::clamp(preferredX, area.left(), std::max(area.left(), area.right() + 1 - width()));
    const int y = std::clamp(ownerBox.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height()));
    move(x, y);
}

void TSearchWindow::setFavourites(std::vector<int> catalogueIndexes) {
    favourites_ = std::move(catalogueIndexes);
    if (TabBar->currentIndex() == FavouritesTab) refreshRows();
}

void TSearchWindow::setIndex(std::shared_ptr<const SearchIndex> index) {
    index_ = std::move(index);
    refreshRows();
}

void TSearchWindow::refreshRows() {
    ResultList->clear();
    if (TabBar->currentIndex() == SearchTab) {
        fillFoundRows();
    } else {
        fillFavouriteRows();
    }
    updateStatus();
}

void TSearchWindow::fillFoundRows() {
    if (!index_) return;
    for (const SearchHit& hit : index_->find(QueryEdit->text().toStdString())) addHitRow(hit);
}

void TSearchWindow::fillFavouriteRows() {
    for (int catalogueIndex : favourites_) {
        // Until the index is ready the author table names the poet.
        const std::string poet = index_ ? index_->poet(catalogueIndex)
                                        : catalogueIndex < kAuthorCount ? authorName(catalogueIndex) : std::string();
        const std::string title = index_ ? index_->firstTitle(catalogueIndex) : std::string();
        addRow(gbkToQString(poet), gbkToQString(title), QString(), -1, 0, 0, catalogueIndex, 1, 1);
    }
}

void TSearchWindow::addHitRow(const SearchHit& hit) {
    const QString text = gbkToQString(hit.text);
    const int start = utf16Offset(text, hit.matchStart);
    const int length = utf16Offset(text, hit.matchStart + hit.matchLength) - start;
    const QString poet = gbkToQString(hit.poet);
    const QString title = gbkToQString(hit.title);
    addRow(poet, title, hit.field == SearchField::Line ? text : QString(), columnOf(hit.field), start, length,
           hit.catalogueIndex, hit.lineNumber, hit.byteColumn);
}

void TSearchWindow::addRow(const QString& poet, const QString& title, const QString& line, int markColumn,
                           int markStart, int markLength, int catalogueIndex, int lineNumber, int byteColumn) {
    // The row's spoken text: what the three columns show.
    QStringList spoken{poet, title};
    if (!line.isEmpty()) spoken << line;
    auto* item = new QListWidgetItem(spoken.join(u8("　")), ResultList);
    item->setData(kPoetRole, poet);
    item->setData(kTitleRole, title);
    item->setData(kLineRole, line);
    item->setData(kMarkColumnRole, markColumn);
    item->setData(kMarkStartRole, markStart);
    item->setData(kMarkLengthRole, markLength);
    item->setData(kCatalogueIndexRole, catalogueIndex);
    item->setData(kLineNumberRole, lineNumber);
    item->setData(kByteColumnRole, byteColumn);
}

void TSearchWindow::updateStatus() {
    QString status;
    if (TabBar->currentIndex() == FavouritesTab) {
        status = favourites_.empty() ? u8("尚无收藏：在主窗口按 Ctrl+D 收藏正在阅读的一篇")
                                     : u8("收藏 %1 篇").arg(favourites_.size());
    } else if (!index_) {
        status = u8("正在建立索引…");
    } else if (QueryEdit->text().trimmed().isEmpty()) {
        status = u8("输入诗人、诗题或诗句");
    } else {
        status = ResultList->count() == 0 ? u8("没有找到") : u8("找到 %1 处").arg(ResultList->count());
    }
    StatusLine->setText(status + skippedFilesNote());
}

QString TSearchWindow::skippedFilesNote() const {
    if (!index_ || index_->skippedFiles().empty()) return {};
    const std::vector<std::string>& skipped = index_->skippedFiles();
    QStringList names;
    for (std::size_t i = 0; i < skipped.size() && i < kShownSkippedNames; ++i) names << gbkToQString(skipped[i]);
    QString note = u8("；未能读取 ") + names.join(u8("、"));
    if (skipped.size() > kShownSkippedNames) note += u8(" 等 %1 个文件").arg(skipped.size());
    return note;
}

void TSearchWindow::openChosenRow() {
    QListWidgetItem* item = ResultList->currentItem();
    if (!item || !item->isSelected()) item = ResultList->item(0);
    if (!item) return;
    ResultList->setCurrentItem(item);
    emit entryChosen(item->data(kCatalogueIndexRole).toInt(), item->data(kLineNumberRole).toInt(),
                     item->data(kByteColumnRole).toInt());
}

bool TSearchWindow::walkListFromQuery(QKeyEvent* key) {
    // From the query line the arrows walk the list, so the reader never leaves the typing.
    if (ResultList->count() == 0) return true;
    if (!ResultList->currentItem() || !ResultList->currentItem()->isSelected()) {
        ResultList->setCurrentRow(0);
    } else {
        QCoreApplication::sendEvent(ResultList, key);
    }
    return true;
}

bool TSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == QueryEdit || watched == ResultList || watched == TabBar)) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openChosenRow();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (watched == QueryEdit) return walkListFromQuery(key);
            break;
        default:
            break;
        }
    }
    return FrameHost::eventFilter(watched, event);
}

}  // namespace veyrin
