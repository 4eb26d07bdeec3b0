// The three messages the pages post to the main window. The frame relays
// them to the main dialog from the event loop, after the posting handler has
// returned.
#pragma once

inline constexpr unsigned WM_APP_BASE = 0x8000;

// wParam 0, lParam 0: a lens search result was clicked.
inline constexpr unsigned WM_CCTV_RESULT_CLICKED = WM_APP_BASE + 102;
// wParam the tab to select, lParam the origin (0 none, 1 the detail page,
// 4 the telecentric data-sheet page).
inline constexpr unsigned WM_SHOW_TAB_PAGE = WM_APP_BASE + 104;
// wParam the number of report pages.
inline constexpr unsigned WM_SET_PRINT_PAGE_COUNT = WM_APP_BASE + 105;
