#pragma once
// Mail compressed as readers keep it, and as downloads and disks damage it: what the tests of
// the preview's reading and its whole-path fuzz target make their mailboxes of.
#include <bzlib.h>
#include <lzma.h>
#include <zlib.h>

#include <string>
#include <vector>

inline std::string Gzip(const std::string &bytes) {
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, bytes.size()) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline std::string Bzip2(const std::string &bytes) {
    std::string out(bytes.size() + bytes.size() / 100 + 600, '\0');
    auto size = static_cast<unsigned>(out.size());
    BZ2_bzBuffToBuffCompress(out.data(), &size, const_cast<char *>(bytes.data()),
                             static_cast<unsigned>(bytes.size()), 1, 0, 0);
    out.resize(size);
    return out;
}

inline std::string Xz(const std::string &bytes) {
    std::string out(lzma_stream_buffer_bound(bytes.size()), '\0');
    size_t size = 0;
    lzma_easy_buffer_encode(0, LZMA_CHECK_CRC64, nullptr,
                            reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size(),
                            reinterpret_cast<uint8_t *>(out.data()), &size, out.size());
    out.resize(size);
    return out;
}

struct CompressionFormat {
    const char *Name;      // as the preview names it: "gzip"
    const char *Extension; // ".gz"
    std::string (*Compress)(const std::string &);
};

inline const CompressionFormat CompressionFormats[] = {
    {"gzip", ".gz", Gzip}, {"bzip2", ".bz2", Bzip2}, {"xz", ".xz", Xz}};

// The compressed bytes cut where a download stopped, after `eighths` eighths of them.
inline std::string CutShort(const std::string &compressed, unsigned eighths) {
    return compressed.substr(0, compressed.size() * eighths / 8);
}

// The compressed bytes with one bit flipped, `sixteenths` of the way in.
inline std::string Flipped(const std::string &compressed, unsigned sixteenths, unsigned bit) {
    std::string flipped = compressed;
    char &byte = flipped[compressed.size() * sixteenths / 16];
    byte = static_cast<char>(static_cast<unsigned char>(byte) ^ (1U << bit));
    return flipped;
}

inline std::string WithGarbage(const std::string &compressed) {
    return compressed + "garbage after the stream\n";
}
