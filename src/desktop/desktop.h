// desktop/: the game on the freedesktop desktop: the state file type (MIME package, desktop
// entry, default application) written on every start unless an installed package registers it,
// and the recent-documents bookmarks.
// Part of tessellara_core; includes only persist/ (for writing files).
#pragma once

#include "desktop/file_type_registration.h"
#include "desktop/installed_package.h"
#include "desktop/recent_documents.h"
