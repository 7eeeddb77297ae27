#include "windows/ui/search_index_loader.h"

#include <QMetaObject>

#include "anthology/model/search_index.h"

namespace veyrin {

SearchIndexLoader::SearchIndexLoader(QObject* parent) : QObject(parent) {}

SearchIndexLoader::~SearchIndexLoader() {
    if (worker_.joinable()) worker_.join();
}

void SearchIndexLoader::start(const std::filesystem::path& workingDirectory) {
    if (worker_.joinable()) return;
    worker_ = std::thread([this, workingDirectory] {
        auto index = std::make_shared<const SearchIndex>(SearchIndex::build(workingDirectory));
        // The loader outlives the worker (its destructor joins); a queued call still pending when
        // the loader goes is dropped with it.
        QMetaObject::invokeMethod(
            this,
            [this, index] {
                index_ = index;
                emit loaded(index);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace veyrin
