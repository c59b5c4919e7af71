#include "names/NameComposer.h"

#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

AnsiText keyOfList(EmptyList list) {
    switch (list) {
        case EmptyList::Surnames: return texts::kSurnameKey;
        case EmptyList::GivenNames: return texts::kGivenNameKey;
        case EmptyList::Symbols: return texts::kSymbolKey;
        case EmptyList::None: break;
    }
    return AnsiText();
}

const AnsiText& itemAt(const NameList& list, int32_t index) {
    if (index < 1) FatalRuntimeError(texts::kIndexBelowOneMessage, 4);
    if (static_cast<size_t>(index) > list.size()) FatalRuntimeError(texts::kIndexBeyondLastMessage, 1);
    return list[static_cast<size_t>(index) - 1];
}

AnsiText NameComposer::pick(const NameList& list) {
    // The item count goes into a signed bound; a list of 2^31 items or more
    // cannot come out of one profile value.
    const int32_t n = static_cast<int32_t>(list.size());
    return itemAt(list, random_.draw(1, n));
}

ComposedName NameComposer::newName() {
    random_.reseed();
    const int32_t givenCount = random_.draw(1, 2);
    const int32_t symbolCount = random_.draw(1, 2);
    return compose(givenCount, symbolCount);
}

ComposedName NameComposer::compose(int32_t givenCount, int32_t symbolCount) {
    const AnsiText surnameValue = file_.readValue(texts::kSurnameKey);
    const AnsiText givenValue = file_.readValue(texts::kGivenNameKey);
    const AnsiText symbolValue = file_.readValue(texts::kSymbolKey);
    const NameList surnames = splitItems(surnameValue);
    const NameList givenNames = splitItems(givenValue);
    const NameList symbols = splitItems(symbolValue);

    // An empty list makes no name; the caller tells the user which one.
    ComposedName result;
    if (surnames.empty()) result.emptyList = EmptyList::Surnames;
    else if (givenNames.empty()) result.emptyList = EmptyList::GivenNames;
    else if (symbols.empty()) result.emptyList = EmptyList::Symbols;
    if (result.emptyList != EmptyList::None) return result;

    random_.reseed();
    const AnsiText surname = pick(surnames);
    AnsiText given;
    for (int32_t k = 1; k <= givenCount; ++k) given += pick(givenNames);
    AnsiText symbol;
    for (int32_t k = 1; k <= symbolCount; ++k) symbol += pick(symbols);
    result.name = surname + symbol + given;
    return result;
}
