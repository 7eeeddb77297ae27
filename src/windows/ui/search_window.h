#pragma once
// The search window: one query line and a list of what it finds (poet, title, the line with the
// found text marked), updated as the reader types; a second tab lists the favourite entries in
// catalogue order. Enter or a double click chooses a row (the first one when none is chosen) and
// asks the owner to open it; Esc closes the window. The index is built on a worker thread the
// first time the window is shown, so the program's start never waits for it.

#include <filesystem>
#include <memory>
#include <vector>

#include "skin/ui/frame_host.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QKeyEvent;

namespace veyrin {

class SearchIndex;
class SearchIndexLoader;
class SearchTabBar;
struct SearchHit;

class TSearchWindow : public FrameHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 440;
    static constexpr int kClientHeight = 300;
    enum Tab { SearchTab = 0, FavouritesTab = 1 };

    // `loader` reads the anthology for the window (a loader it shares with its owner); without one
    // the window makes its own.
    explicit TSearchWindow(std::filesystem::path workingDirectory, QWidget* parent = nullptr,
                           SearchIndexLoader* loader = nullptr);
    ~TSearchWindow() override;

    SearchTabBar* TabBar = nullptr;
    QLineEdit* QueryEdit = nullptr;
    QListWidget* ResultList = nullptr;
    QLabel* StatusLine = nullptr;

    // Shows and activates the window on the search tab with the query selected, ready for typing,
    // and starts building the index the first time.
    void present();
    // The favourite entries (catalogue indexes, in catalogue order) the second tab lists.
    void setFavourites(std::vector<int> catalogueIndexes);
    bool indexReady() const { return index_ != nullptr; }
    // Uses `index` instead of building one (a build already running is still waited for).
    void setIndex(std::shared_ptr<const SearchIndex> index);

    // Opens the chosen row, or the first row when none is chosen; nothing when the list is empty.
    void openChosenRow();

signals:
    // A row was chosen: the entry at `catalogueIndex`, with the caret at (byteColumn, lineNumber).
    void entryChosen(int catalogueIndex, int lineNumber, int byteColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void placeBesideOwner();
    void refreshRows();
    void fillFoundRows();
    void fillFavouriteRows();
    void addHitRow(const SearchHit& hit);
    void addRow(const QString& poet, const QString& title, const QString& line, int markColumn, int markStart,
                int markLength, int catalogueIndex, int lineNumber, int byteColumn);
    void updateStatus();
    QString skippedFilesNote() const;
    bool walkListFromQuery(QKeyEvent* key);

    std::filesystem::path workingDirectory_;
    SearchIndexLoader* loader_;
    std::shared_ptr<const SearchIndex> index_;
    std::vector<int> favourites_;
};

}  // namespace veyrin
