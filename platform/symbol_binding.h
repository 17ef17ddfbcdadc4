#pragma once
// Looked-up addresses into typed function pointers: of the host's exports, of the plugin's entry
// points, whichever lookup found them (GetProcAddress, dlsym).

// Stores `address` in `slot` as its type; true when there was an address.
template <typename Function, typename Address> bool BindSymbol(Address address, Function &slot) {
    // Through void(*)(), the one function pointer type that converts to any other quietly.
    slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    return slot != nullptr;
}
