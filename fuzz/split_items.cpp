// splitItems on any bytes.  Joined again with 、 the items give the value,
// less at most one separator at its end (and then one that begins a
// character); no item holds a separator that begins a character; the items
// hold no more bytes than the value.
#include "FuzzCheck.h"
#include "common/SystemTexts.h"
#include "names/NameListFile.h"

namespace {

const AnsiText kSeparator = texts::kItemSeparator;

// Items begin at character starts of the value, so their own character
// starts are the value's.
bool holdsSeparator(const AnsiText& item) {
    const std::vector<bool> starts = characterStarts(item);
    for (size_t i = 0; i + 1 < item.size(); ++i) {
        if (starts[i] && item.compare(i, 2, kSeparator) == 0) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const AnsiText value(reinterpret_cast<const char*>(data), size);
    const NameList items = splitItems(value);

    AnsiText joined;
    size_t itemBytes = 0;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k > 0) joined += kSeparator;
        joined += items[k];
        itemBytes += items[k].size();
        check(!holdsSeparator(items[k]), "an item holds a separator that begins a character");
    }
    if (joined != value) {
        check(joined + kSeparator == value, "the joined items are not the value");
        check(characterStarts(value)[size - 2], "a dropped end separator does not begin a character");
    }
    check(itemBytes <= size, "the items hold more bytes than the value");
    return 0;
}
