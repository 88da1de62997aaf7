// Feeds arbitrary bytes to the document reader. A load either fails and
// leaves the store exactly as it was, or succeeds with a store that saves
// and reloads to the same bytes.
#include "Exceptions.h"
#include "FuzzCheck.h"
#include "MemoDocument.h"
#include "QuorvexDataAccessSystem.h"

#include <string_view>

namespace {

void Require(bool condition, const char* what) { ::Require(condition, "document fuzz", what); }

void FillWithOneMemo(TQuorvexDataAccessSystem& store)
{
    CreateMemoLayout(store);
    AddMemoRow(store, "kept");
    WriteMemo(store, {"kept", {"a", "b c"}, "text"}, 40000.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TQuorvexDataAccessSystem store;
    FillWithOneMemo(store);
    const std::string before = store.SaveToBytes(DocumentKey);
    try {
        store.LoadFromBytes(bytes, DocumentKey, "fuzz.vlr");
    } catch (const Exception&) {
        Require(store.SaveToBytes(DocumentKey) == before, "a failed load changed the store");
        return 0;
    }
    const std::string saved = store.SaveToBytes(DocumentKey);
    TQuorvexDataAccessSystem reloaded;
    reloaded.LoadFromBytes(saved, DocumentKey, "saved.vlr");
    Require(reloaded.SaveToBytes(DocumentKey) == saved, "a loaded document did not save and reload unchanged");
    return 0;
}
