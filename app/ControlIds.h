#pragma once

// Child-window identifiers of the main window's controls, in their stacking
// order (topmost first).  The end-to-end tests find the controls by them.
enum ControlId {
    kIdSaveButton = 101,       // 图形按钮1
    kIdUsageLabel = 102,       // 透明标签3
    kIdVersionLabel = 103,     // 透明标签2
    kIdHotkeyLabel = 104,      // 标签1
    kIdTitleLabel = 105,       // 透明标签1
    kIdHistoryBox = 106,       // 编辑框2
    kIdNameBox = 107,          // 编辑框1
};

// Window class names, for FindWindow in tests and tools.
#define DERUVEZA_MAIN_CLASS L"DeruvezaMainWindow"
