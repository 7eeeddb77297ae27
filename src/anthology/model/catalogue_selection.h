#pragma once
// How the catalogue drop-down's selection moves, as pure rules, so the window only applies them.
// Indexes count from 0; -1 means nothing is selected.

namespace veyrin {

// Selecting from code: the index the drop-down holds afterwards. The current index stays when it
// is requested again; -1, any negative index and any index not below the item count clear the
// selection. Selecting from code never loads an entry.
int indexAfterSelecting(int current, int requested, int itemCount);

// Choosing an item (by the reader, or by back and forward) loads its entry only when it has one.
bool choosingLoadsEntry(int selectedIndex);

struct CatalogueStep {
    int selectedIndex;
    bool loadsEntry;  // true: load entryFilePath(selectedIndex) into the view
};

// Back and forward select current - 1 or current + 1 from code, then act as a choice of the
// result. So back from the first entry clears the selection and stays cleared, while forward from
// the last clears it and the next forward starts again at the first entry.
CatalogueStep stepBack(int current, int itemCount);
CatalogueStep stepForward(int current, int itemCount);

}  // namespace veyrin
