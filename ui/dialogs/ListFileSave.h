#pragma once
// Saving a standing list from a window when another window may have saved the
// same file since this one read it: the save notices and asks first.

#include "userfiles/ItemListFiles.h"

#include <functional>
#include <vector>

class QWidget;

namespace zeku {

// Runs `save` with `stamp` (nullptr: no check). When it refuses because the
// file changed since this window read it, asks over `parent` whether to
// overwrite; Yes saves again without the check, No leaves the file as the
// other window wrote it. True when the file was written.
bool saveListFile(QWidget* parent, ListFileStamp* stamp, const std::function<bool(ListFileStamp*)>& save);

// One list file to write from a window. `save` runs on a worker, so it owns
// what it writes (a copy of the list, the folder); `stamp` (nullptr: no
// check) is the window's and is only read and updated on the UI thread.
struct ListFileWrite {
    ListFileStamp* stamp = nullptr;
    std::function<bool(ListFileStamp*)> save;
};

// saveListFile for each of `writes` in turn, but off the UI thread through
// BackgroundFileTask over `owner`, since each write waits for the user
// folder's lock: the question comes on the UI thread over `owner` after the
// first attempt at that file. `owner` must outlive the writes (the main window
// or the manual editor does). Without an owner the writes run at once.
void saveListFilesInBackground(QWidget* owner, std::vector<ListFileWrite> writes);

} // namespace zeku
