#include "preview/byte_source.h"

#include <bzlib.h>
#include <lzma.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t PieceSize = size_t{64} * 1024;

class FileSource : public ByteSource {
  public:
    explicit FileSource(std::FILE *file) : File(file) {}
    ~FileSource() override { std::fclose(File); }
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    size_t Read(char *buffer, size_t size) override { return std::fread(buffer, 1, size, File); }

    std::string Failure() const override {
        return std::ferror(File) ? "cannot be read to its end" : "";
    }

  private:
    std::FILE *File;
};

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

// What the three decompressors share: compressed bytes in, plain bytes out, a stream after
// another until the compressed bytes end.
class DecompressingSource : public ByteSource {
  public:
    explicit DecompressingSource(std::unique_ptr<ByteSource> compressed)
        : Compressed(std::move(compressed)), Input(PieceSize, '\0') {}

    size_t Read(char *buffer, size_t size) override {
        size_t made = 0;
        while (made == 0 && Problem.empty() && !Ended) {
            if (InputLeft() == 0 && !InputEnded) {
                const size_t got = Compressed->Read(Input.data(), Input.size());
                InputEnded = got == 0;
                InStream = InStream || got > 0;
                Refill(got);
            }
            made = Inflate(buffer, size);
        }
        return made;
    }

    std::string Failure() const override {
        const std::string below = Compressed->Failure();
        return !below.empty() ? below : Problem;
    }

  protected:
    // Hands the decompressor `got` new bytes at the start of Input.
    virtual void Refill(size_t got) = 0;
    virtual size_t InputLeft() const = 0;
    // Decompresses into `buffer`; sets Ended, or Problem, when it must.
    virtual size_t Inflate(char *buffer, size_t size) = 0;

    // At the end of a stream: another may follow in what is left.
    void StreamEnded() {
        InStream = InputLeft() > 0;
        Ended = !InStream && InputEnded;
    }

    // When no more can be made: the end, and a stream cut short if one was under way.
    void NoProgress(const char *format) {
        if (InputEnded && InputLeft() == 0) {
            Ended = true;
            if (InStream) {
                Problem = std::string("ends before its ") + format + " stream does";
            }
        }
    }

    std::unique_ptr<ByteSource> Compressed;
    std::string Input;
    bool InputEnded = false;
    bool InStream = false; // bytes of a stream have come since it started
    bool Ended = false;
    std::string Problem;
};

class GzipSource : public DecompressingSource {
  public:
    explicit GzipSource(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed)) {
        // 15 + 32: any window, a gzip or a zlib header told by its bytes.
        if (inflateInit2(&Stream, 15 + 32) != Z_OK) {
            Problem = "cannot be decompressed (no memory)";
        }
    }
    ~GzipSource() override { inflateEnd(&Stream); }
    GzipSource(const GzipSource &) = delete;
    GzipSource &operator=(const GzipSource &) = delete;

  protected:
    void Refill(size_t got) override {
        Stream.next_in = reinterpret_cast<Bytef *>(Input.data());
        Stream.avail_in = static_cast<uInt>(got);
    }
    size_t InputLeft() const override { return Stream.avail_in; }
    size_t Inflate(char *buffer, size_t size) override {
        Stream.next_out = reinterpret_cast<Bytef *>(buffer);
        Stream.avail_out = static_cast<uInt>(size);
        const int result = inflate(&Stream, Z_NO_FLUSH);
        const size_t made = size - Stream.avail_out;
        if (result == Z_STREAM_END) {
            // Another member may follow, as gzip writes files joined with cat.
            inflateReset(&Stream);
            StreamEnded();
        } else if (result == Z_BUF_ERROR) {
            NoProgress("gzip");
        } else if (result != Z_OK) {
            Problem = "is not a well-formed gzip file";
        }
        return made;
    }

  private:
    z_stream Stream{};
};

class Bzip2Source : public DecompressingSource {
  public:
    explicit Bzip2Source(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed)) {
        if (BZ2_bzDecompressInit(&Stream, 0, 0) != BZ_OK) {
            Problem = "cannot be decompressed (no memory)";
        }
    }
    ~Bzip2Source() override { BZ2_bzDecompressEnd(&Stream); }
    Bzip2Source(const Bzip2Source &) = delete;
    Bzip2Source &operator=(const Bzip2Source &) = delete;

  protected:
    void Refill(size_t got) override {
        Stream.next_in = Input.data();
        Stream.avail_in = static_cast<unsigned>(got);
    }
    size_t InputLeft() const override { return Stream.avail_in; }
    size_t Inflate(char *buffer, size_t size) override {
        Stream.next_out = buffer;
        Stream.avail_out = static_cast<unsigned>(size);
        const int result = BZ2_bzDecompress(&Stream);
        const size_t made = size - Stream.avail_out;
        if (result == BZ_STREAM_END) {
            // A stream after another, as bzip2 writes a file joined with cat.
            char *next = Stream.next_in;
            const unsigned left = Stream.avail_in;
            BZ2_bzDecompressEnd(&Stream);
            BZ2_bzDecompressInit(&Stream, 0, 0);
            Stream.next_in = next;
            Stream.avail_in = left;
            StreamEnded();
        } else if (result != BZ_OK) {
            Problem = "is not a well-formed bzip2 file";
        } else if (made == 0) {
            NoProgress("bzip2");
        }
        return made;
    }

  private:
    bz_stream Stream{};
};

class XzSource : public DecompressingSource {
  public:
    explicit XzSource(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed)) {
        if (lzma_stream_decoder(&Stream, UINT64_MAX, LZMA_CONCATENATED) != LZMA_OK) {
            Problem = "cannot be decompressed (no memory)";
        }
    }
    ~XzSource() override { lzma_end(&Stream); }
    XzSource(const XzSource &) = delete;
    XzSource &operator=(const XzSource &) = delete;

  protected:
    void Refill(size_t got) override {
        Stream.next_in = reinterpret_cast<const uint8_t *>(Input.data());
        Stream.avail_in = got;
    }
    size_t InputLeft() const override { return Stream.avail_in; }
    size_t Inflate(char *buffer, size_t size) override {
        Stream.next_out = reinterpret_cast<uint8_t *>(buffer);
        Stream.avail_out = size;
        const lzma_ret result = lzma_code(&Stream, InputEnded ? LZMA_FINISH : LZMA_RUN);
        const size_t made = size - Stream.avail_out;
        if (result == LZMA_STREAM_END) {
            // The decoder reads streams one after another by itself.
            Ended = true;
        } else if (result == LZMA_BUF_ERROR) {
            NoProgress("xz");
        } else if (result != LZMA_OK) {
            Problem = "is not a well-formed xz file";
        }
        return made;
    }

  private:
    lzma_stream Stream = LZMA_STREAM_INIT;
};

} // namespace

std::unique_ptr<ByteSource> OpenFileSource(const std::string &path, std::string &error) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::string("cannot be read (") + std::strerror(errno) + ")";
        return nullptr;
    }
    return std::make_unique<FileSource>(file);
}

std::unique_ptr<ByteSource> StringSource(std::string bytes) {
    return std::make_unique<MemorySource>(std::move(bytes));
}

std::unique_ptr<ByteSource> Decompressed(std::unique_ptr<ByteSource> compressed, Compression kind) {
    switch (kind) {
    case Compression::Gzip:
        return std::make_unique<GzipSource>(std::move(compressed));
    case Compression::Bzip2:
        return std::make_unique<Bzip2Source>(std::move(compressed));
    case Compression::Xz:
        return std::make_unique<XzSource>(std::move(compressed));
    }
    return nullptr;
}

PeekableSource::PeekableSource(std::unique_ptr<ByteSource> source) : Source(std::move(source)) {}

size_t PeekableSource::Read(char *buffer, size_t size) {
    if (Ahead.empty()) {
        return Source->Read(buffer, size);
    }
    const size_t given = std::min(size, Ahead.size());
    std::memcpy(buffer, Ahead.data(), given);
    Ahead.erase(0, given);
    return given;
}

std::string PeekableSource::Failure() const { return Source->Failure(); }

const std::string &PeekableSource::Peek(size_t size) {
    char piece[4096];
    while (Ahead.size() < size) {
        const size_t got = Source->Read(piece, std::min(sizeof piece, size - Ahead.size()));
        if (got == 0) {
            break;
        }
        Ahead.append(piece, got);
    }
    return Ahead;
}

bool LineReader::Fill() {
    if (Start == Buffer.size()) {
        Buffer.clear();
        Start = 0;
    }
    char piece[PieceSize];
    const size_t got = Source.Read(piece, sizeof piece);
    Buffer.append(piece, got);
    return got > 0;
}

bool LineReader::ReadLine(std::string &out) {
    bool any = false;
    for (;;) {
        const size_t lineFeed = Buffer.find('\n', Start);
        if (lineFeed != std::string::npos) {
            out.append(Buffer, Start, lineFeed + 1 - Start);
            Start = lineFeed + 1;
            return true;
        }
        any = any || Start < Buffer.size();
        out.append(Buffer, Start, std::string::npos);
        Start = Buffer.size();
        if (!Fill()) {
            return any;
        }
    }
}

bool LineReader::ReadBytes(size_t size, std::string &out) {
    bool any = false;
    while (size > 0) {
        if (Start == Buffer.size() && !Fill()) {
            break;
        }
        const size_t given = std::min(size, Buffer.size() - Start);
        out.append(Buffer, Start, given);
        Start += given;
        size -= given;
        any = true;
    }
    return any;
}

void LineReader::Unread(const std::string &text) {
    Buffer.erase(0, Start);
    Buffer.insert(0, text);
    Start = 0;
}
