#include "import_patch.h"

#include <cstring>

namespace {

template <class T> T *At(HMODULE module, DWORD offset) {
    return reinterpret_cast<T *>(reinterpret_cast<BYTE *>(module) + offset);
}

// The slot of `function` among the imports of one library, or null.
ULONG_PTR *SlotOf(HMODULE module, const IMAGE_IMPORT_DESCRIPTOR &library, const char *function) {
    // The names stand in the original thunks; the slots in the first ones, already bound.
    const DWORD namesAt =
        library.OriginalFirstThunk != 0 ? library.OriginalFirstThunk : library.FirstThunk;
    auto *names = At<IMAGE_THUNK_DATA>(module, namesAt);
    auto *slots = At<IMAGE_THUNK_DATA>(module, library.FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
            continue;
        }
        const auto *byName = At<IMAGE_IMPORT_BY_NAME>(module, names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char *>(byName->Name), function) == 0) {
            return &slots->u1.Function;
        }
    }
    return nullptr;
}

} // namespace

bool PatchImport(HMODULE module, const char *library, const char *function, void *replacement) {
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(module);
    const auto *nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY &imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *entry = At<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        if (lstrcmpiA(At<char>(module, entry->Name), library) != 0) {
            continue;
        }
        ULONG_PTR *slot = SlotOf(module, *entry, function);
        DWORD protection = 0;
        if (slot == nullptr || !VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
            return false;
        }
        *slot = reinterpret_cast<ULONG_PTR>(replacement);
        VirtualProtect(slot, sizeof *slot, protection, &protection);
        return true;
    }
    return false;
}
