#include "history/HistoryLog.h"

#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

namespace {
int32_t step(int32_t value, int32_t by) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(by));
}
}  // namespace

void HistoryLog::append(const AnsiText& name) {
    AnsiText current = box_.text();
    undoText_ = current;
    counter_ = step(counter_, 1);
    AnsiText line = decimalText(counter_);
    line += texts::kLineNumberSeparator;
    line += name;
    if (current.empty()) {
        box_.setText(line);
        return;
    }
    current += "\r\n";
    current += line;
    box_.setText(current);
}

void HistoryLog::undo() {
    box_.setText(undoText_);
    counter_ = step(counter_, -1);
}

void HistoryLog::releaseUndoText() {
    undoText_.clear();
    undoText_.shrink_to_fit();
}
