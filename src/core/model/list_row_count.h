#pragma once

// The rows the alarm list shows at once: the core's list window scrolls by
// them, and the main window's template draws them.
inline constexpr int kListRowCount = 5;
