#include "viewer/scan/find_byte.h"

#include "viewer/scan/scan_kernels.h"

size_t FindByte(const char *text, size_t length, char byte) {
    return Kernels->FindByte(text, length, byte);
}
