#include "history/HotkeyActions.h"

#include "common/Lifecycle.h"
#include "history/ReportTexts.h"

void HotkeyActions::onHotkey(int32_t param1, int32_t /*param2*/) {
    // A hotkey that arrives while a report is open waits for nobody: the
    // report's own loop dispatched it, and acting now would act under it.
    if (reportIsOpen()) return;
    if (param1 == f1HotkeyId) {
        if (showNewName()) {
            typeShownName();
            parts_.history.append(parts_.nameBox.text());
        }
    }
    if (param1 == f2HotkeyId) parts_.history.undo();
}

bool HotkeyActions::showNewName() {
    const ComposedName composed = parts_.composer.newName();
    if (composed.emptyList != EmptyList::None) {
        parts_.reporter.showWarning(emptyListReportText(keyOfList(composed.emptyList), parts_.nameListPath));
        return false;
    }
    parts_.nameBox.setText(composed.name);
    return true;
}

void HotkeyActions::typeShownName() {
    // The target is taken before the box is read.
    const WindowRef target = parts_.keystrokes.findTargetWindow();
    parts_.keystrokes.postText(target, parts_.nameBox.text());
}
