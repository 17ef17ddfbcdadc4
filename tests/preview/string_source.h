#pragma once
// Mail in memory as a byte source, for the tests of the preview's reading and the fuzz targets
// that hand the readers their bytes without a file.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "preview/mailbox/byte_source.h"

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string bytes) : Bytes(std::move(bytes)) {}

    size_t Read(char *buffer, size_t size) override {
        const size_t given = std::min(size, Bytes.size() - At);
        std::memcpy(buffer, Bytes.data() + At, given);
        At += given;
        return given;
    }

    std::string Failure() const override { return ""; }

  private:
    std::string Bytes;
    size_t At = 0;
};
