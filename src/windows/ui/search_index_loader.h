#pragma once
// Builds the search index on a worker thread, so reading 190 entry files and folding their text
// never holds up the window; the finished index reaches the GUI thread by a queued call. One loader
// serves every reader of the index in a window (the search window, 随机), so it is read once.

#include <QObject>

#include <filesystem>
#include <memory>
#include <thread>

namespace veyrin {

class SearchIndex;

class SearchIndexLoader : public QObject {
    Q_OBJECT
public:
    explicit SearchIndexLoader(QObject* parent = nullptr);
    // Waits for a build still running: the worker only touches its own copy of the index.
    ~SearchIndexLoader() override;

    // Starts the one build; later calls do nothing.
    void start(const std::filesystem::path& workingDirectory);
    bool started() const { return worker_.joinable(); }
    // The index once loaded() has been sent, else null.
    const std::shared_ptr<const SearchIndex>& index() const { return index_; }

signals:
    void loaded(std::shared_ptr<const SearchIndex> index);

private:
    std::thread worker_;
    std::shared_ptr<const SearchIndex> index_;
};

}  // namespace veyrin
