#include "anthology/model/catalogue_selection.h"

#include "anthology/model/entry_files.h"

namespace veyrin {
namespace {

CatalogueStep stepTo(int current, int requested, int itemCount) {
    int selected = indexAfterSelecting(current, requested, itemCount);
    return {selected, choosingLoadsEntry(selected)};
}

}  // namespace

int indexAfterSelecting(int current, int requested, int itemCount) {
    if (requested == current) return current;
    if (requested < 0 || requested >= itemCount) return -1;
    return requested;
}

bool choosingLoadsEntry(int selectedIndex) { return hasEntryFile(selectedIndex); }

CatalogueStep stepBack(int current, int itemCount) { return stepTo(current, current - 1, itemCount); }

CatalogueStep stepForward(int current, int itemCount) { return stepTo(current, current + 1, itemCount); }

}  // namespace veyrin
