// The page a result sheet saves after it has opened a page: the request
// counted (or listed) again on the workspace's samples, and the sheet's
// display menus as the page's display options stood for them.
#pragma once

#include <QByteArray>

#include "model/workspace.h"
#include "tabulation/page_file.h"

namespace kz::fuzz {

QByteArray SavedPage(const Workspace& ws, const PageRequest& request);

}  // namespace kz::fuzz
