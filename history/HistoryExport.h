#pragma once

#include "common/AnsiText.h"
#include "common/TextBox.h"
#include "history/HotkeyActions.h"

struct WriteResult {
    bool written = false;
    AnsiText systemErrorText;  // the platform's words for the failure
};

// Replaces a whole file with the bytes, or leaves the old file as it was.
class FileWriter {
public:
    virtual WriteResult writeWholeFile(const AnsiText& path, const AnsiText& bytes) = 0;

protected:
    ~FileWriter() = default;
};

// The save button: writes the history box's bytes to 角色名字.txt beside the
// exe and tells the user when that failed.
class HistoryExport {
public:
    HistoryExport(TextBox& historyBox, FileWriter& writer, Reporter& reporter, const AnsiText& runDirectory)
        : historyBox_(historyBox), writer_(writer), reporter_(reporter), runDirectory_(runDirectory) {}

    void exportHistory();
    AnsiText path() const;

private:
    TextBox& historyBox_;
    FileWriter& writer_;
    Reporter& reporter_;
    AnsiText runDirectory_;
};
