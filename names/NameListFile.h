#pragma once

#include <vector>

#include "common/AnsiText.h"

// One word list cut from a value: items in file order, numbered from 1 by
// its users.  An empty item is the empty text.
using NameList = std::vector<AnsiText>;

// Cuts a value at every "、" that begins a character.
NameList splitItems(const AnsiText& value);

// The platform's profile reader: the whole value of key in section of the
// INI file at path, or the empty text when the file, the section or the key
// is missing.  Implementations never fail.
class ProfileReader {
public:
    virtual AnsiText readString(const AnsiText& section, const AnsiText& key,
                                const AnsiText& path) = 0;

protected:
    ~ProfileReader() = default;
};

// The word-list file 配置.ini in the run directory.  Nothing is cached: every
// read goes to the file again, so an edit shows at the next name.
class NameListFile {
public:
    NameListFile(ProfileReader& reader, const AnsiText& runDirectory)
        : reader_(reader), runDirectory_(runDirectory) {}

    // The value of key in section 配置, or the empty text.
    AnsiText readValue(const AnsiText& key) const;

    // RunDirectory + "\配置.ini".
    AnsiText path() const;

private:
    ProfileReader& reader_;
    AnsiText runDirectory_;
};

// The text without its leading bytes 0x01 to 0x20.
AnsiText skipLeadingBlanks(const AnsiText& text);
