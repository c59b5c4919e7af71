#pragma once

#include <cstdint>

#include "common/AnsiText.h"
#include "common/TextBox.h"

// The numbered history of typed names.  The history itself is only the text
// of its box; the log keeps the line counter and a one-step undo snapshot.
class HistoryLog {
public:
    explicit HistoryLog(TextBox& box) : box_(box) {}

    // Adds "<counter>：<name>" as a new last line.
    void append(const AnsiText& name);
    // Puts back the text from before the latest append and lowers the counter.
    void undo();
    void releaseUndoText();

    int32_t historyCounter() const { return counter_; }
    void setHistoryCounter(int32_t value) { counter_ = value; }
    const AnsiText& undoText() const { return undoText_; }

private:
    TextBox& box_;
    int32_t counter_ = 0;  // no bounds: wraps like the 32-bit number it is
    AnsiText undoText_;
};
