#pragma once
// Saving a standing list from a window when another window may have saved the
// same file since this one read it: the save notices and asks first.

#include "userfiles/ItemListFiles.h"

#include <functional>

class QWidget;

namespace zeku {

// Runs `save` with `stamp` (nullptr: no check). When it refuses because the
// file changed since this window read it, asks over `parent` whether to
// overwrite; Yes saves again without the check, No leaves the file as the
// other window wrote it. True when the file was written.
bool saveListFile(QWidget* parent, ListFileStamp* stamp, const std::function<bool(ListFileStamp*)>& save);

} // namespace zeku
