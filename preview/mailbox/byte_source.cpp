#include "preview/mailbox/byte_source.h"

#include <bzlib.h>
#include <lzma.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/posix/regular_file.h"

namespace {

constexpr size_t PieceSize = size_t{64} * 1024;

class FileSource : public ByteSource {
  public:
    explicit FileSource(std::FILE *file) : File(file) {}
    ~FileSource() override { std::fclose(File); }
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    size_t Read(char *buffer, size_t size) override {
        const size_t got = std::fread(buffer, 1, size, File);
        Position += got;
        return got;
    }

    std::string Failure() const override {
        return std::ferror(File) ? "cannot be read past byte " + std::to_string(Position) : "";
    }

  private:
    std::FILE *File;
    unsigned long long Position = 0;
};

// One step of a decompressor over the input it is given.
enum class Decoded {
    Going,     // more to come
    StreamEnd, // its stream is complete
    Damaged,   // the data is not of its format
};

// What the three decompressors share: compressed bytes in, plain bytes out, a stream after
// another until the compressed bytes end; zero bytes between and after streams are padding.
// Whatever else ends the reading, once, with where it was found.
class DecompressingSource : public ByteSource {
  public:
    DecompressingSource(std::unique_ptr<ByteSource> compressed, const char *format,
                        std::string magic)
        : Compressed(std::move(compressed)), Format(format), Magic(std::move(magic)) {}

    size_t Read(char *buffer, size_t size) override {
        size_t made = 0;
        while (made == 0 && !Done) {
            if (BetweenStreams) {
                StartNextStream();
                continue;
            }
            if (Left() == 0) {
                Fill();
            }
            const size_t before = Left();
            const char *in = Input.data() + Start;
            char *out = buffer;
            size_t outLeft = size;
            const Decoded step = Decode(in, Left(), out, outLeft, InputEnded);
            Start = static_cast<size_t>(in - Input.data());
            made = size - outLeft;
            const bool progress = made > 0 || Left() < before;
            if (step == Decoded::StreamEnd) {
                BetweenStreams = true;
            } else if (step == Decoded::Damaged || (!progress && Left() > 0)) {
                Fail("the " + std::string(Format) + " data is damaged at byte " +
                     std::to_string(Position()));
            } else if (!progress && InputEnded) {
                Fail("the " + std::string(Format) + " data ends at byte " +
                     std::to_string(Position()) +
                     ", before its stream does: the file is cut short");
            }
        }
        return made;
    }

    std::string Failure() const override {
        const std::string below = Compressed->Failure();
        return !below.empty() ? below : Problem;
    }

    bool FailedAfterEnd() const override { return AfterEnd; }

  protected:
    // Decompresses from `in` (`inLeft` bytes) into `out` (`outLeft` bytes), advancing all four;
    // `last` when no input will follow.
    virtual Decoded Decode(const char *&in, size_t inLeft, char *&out, size_t &outLeft,
                           bool last) = 0;
    // Makes ready for another stream.
    virtual void Restart() = 0;

    // A decompressor that cannot start.
    void Fail(std::string problem) {
        Problem = std::move(problem);
        Done = true;
    }

  private:
    size_t Left() const { return InputEnd - Start; }

    // The byte of the compressed file that reading has reached.
    unsigned long long Position() const { return Taken - Left(); }

    // Reads more compressed bytes after those left.
    void Fill() {
        if (InputEnded) {
            return;
        }
        Input.erase(0, Start);
        InputEnd -= Start;
        Start = 0;
        Input.resize(InputEnd + PieceSize);
        const size_t got = Compressed->Read(&Input[InputEnd], PieceSize);
        InputEnd += got;
        Input.resize(InputEnd);
        Taken += got;
        InputEnded = got == 0;
    }

    // After a stream: padding, another stream, the end, or bytes that belong to none.
    void StartNextStream() {
        for (;;) {
            while (Left() > 0 && Input[Start] == '\0') {
                ++Start;
            }
            if (Left() >= Magic.size() || InputEnded) {
                break;
            }
            Fill();
        }
        if (Left() == 0) {
            Done = true;
        } else if (Input.compare(Start, Magic.size(), Magic) == 0) {
            Restart();
            BetweenStreams = false;
        } else {
            AfterEnd = true;
            Fail("the " + std::string(Format) + " data ends at byte " + std::to_string(Position()) +
                 ", and what follows it is not " + Format);
        }
    }

    std::unique_ptr<ByteSource> Compressed;
    const char *Format;
    std::string Magic;
    std::string Input;
    size_t Start = 0;
    size_t InputEnd = 0;
    unsigned long long Taken = 0; // compressed bytes read in all
    bool InputEnded = false;
    bool BetweenStreams = false;
    bool Done = false;
    bool AfterEnd = false;
    std::string Problem;
};

class GzipSource : public DecompressingSource {
  public:
    explicit GzipSource(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed), "gzip", "\x1F\x8B") {
        // 15 + 16: any window, a gzip header.
        if (inflateInit2(&Stream, 15 + 16) != Z_OK) {
            Fail("cannot be decompressed (no memory)");
        }
    }
    ~GzipSource() override { inflateEnd(&Stream); }
    GzipSource(const GzipSource &) = delete;
    GzipSource &operator=(const GzipSource &) = delete;

  protected:
    Decoded Decode(const char *&in, size_t inLeft, char *&out, size_t &outLeft, bool) override {
        Stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in));
        Stream.avail_in = static_cast<uInt>(inLeft);
        Stream.next_out = reinterpret_cast<Bytef *>(out);
        Stream.avail_out = static_cast<uInt>(outLeft);
        const int result = inflate(&Stream, Z_NO_FLUSH);
        in = reinterpret_cast<const char *>(Stream.next_in);
        out = reinterpret_cast<char *>(Stream.next_out);
        outLeft = Stream.avail_out;
        return result == Z_STREAM_END                    ? Decoded::StreamEnd
               : result == Z_OK || result == Z_BUF_ERROR ? Decoded::Going
                                                         : Decoded::Damaged;
    }
    void Restart() override { inflateReset(&Stream); }

  private:
    z_stream Stream{};
};

class Bzip2Source : public DecompressingSource {
  public:
    explicit Bzip2Source(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed), "bzip2", "BZh") {
        Ready = BZ2_bzDecompressInit(&Stream, 0, 0) == BZ_OK;
        if (!Ready) {
            Fail("cannot be decompressed (no memory)");
        }
    }
    ~Bzip2Source() override {
        if (Ready) {
            BZ2_bzDecompressEnd(&Stream);
        }
    }
    Bzip2Source(const Bzip2Source &) = delete;
    Bzip2Source &operator=(const Bzip2Source &) = delete;

  protected:
    Decoded Decode(const char *&in, size_t inLeft, char *&out, size_t &outLeft, bool) override {
        Stream.next_in = const_cast<char *>(in);
        Stream.avail_in = static_cast<unsigned>(inLeft);
        Stream.next_out = out;
        Stream.avail_out = static_cast<unsigned>(outLeft);
        const int result = BZ2_bzDecompress(&Stream);
        in = Stream.next_in;
        out = Stream.next_out;
        outLeft = Stream.avail_out;
        return result == BZ_STREAM_END ? Decoded::StreamEnd
               : result == BZ_OK       ? Decoded::Going
                                       : Decoded::Damaged;
    }
    // bzip2 has no reset: a stream after another, as a file joined with cat, takes a new start.
    void Restart() override {
        BZ2_bzDecompressEnd(&Stream);
        Stream = bz_stream{};
        Ready = BZ2_bzDecompressInit(&Stream, 0, 0) == BZ_OK;
        if (!Ready) {
            Fail("cannot be decompressed (no memory)");
        }
    }

  private:
    bz_stream Stream{};
    bool Ready = false;
};

class XzSource : public DecompressingSource {
  public:
    explicit XzSource(std::unique_ptr<ByteSource> compressed)
        : DecompressingSource(std::move(compressed), "xz",
                              std::string("\xFD"
                                          "7zXZ\0",
                                          6)) {
        Start();
    }
    ~XzSource() override { lzma_end(&Stream); }
    XzSource(const XzSource &) = delete;
    XzSource &operator=(const XzSource &) = delete;

  protected:
    Decoded Decode(const char *&in, size_t inLeft, char *&out, size_t &outLeft,
                   bool last) override {
        Stream.next_in = reinterpret_cast<const uint8_t *>(in);
        Stream.avail_in = inLeft;
        Stream.next_out = reinterpret_cast<uint8_t *>(out);
        Stream.avail_out = outLeft;
        const lzma_ret result = lzma_code(&Stream, last ? LZMA_FINISH : LZMA_RUN);
        in = reinterpret_cast<const char *>(Stream.next_in);
        out = reinterpret_cast<char *>(Stream.next_out);
        outLeft = Stream.avail_out;
        return result == LZMA_STREAM_END                       ? Decoded::StreamEnd
               : result == LZMA_OK || result == LZMA_BUF_ERROR ? Decoded::Going
                                                               : Decoded::Damaged;
    }
    void Restart() override { Start(); }

  private:
    // The decoder of one stream; it reuses what the last one allocated.
    void Start() {
        if (lzma_stream_decoder(&Stream, UINT64_MAX, 0) != LZMA_OK) {
            Fail("cannot be decompressed (no memory)");
        }
    }

    lzma_stream Stream = LZMA_STREAM_INIT;
};

} // namespace

std::unique_ptr<ByteSource> OpenFileSource(const std::string &path, std::string &error) {
    bool special = false;
    std::FILE *file = OpenRegularFile(path, special);
    if (file == nullptr) {
        error = special ? "is not a regular file"
                        : std::string("cannot be read (") + std::strerror(errno) + ")";
        return nullptr;
    }
    return std::make_unique<FileSource>(file);
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

bool PeekableSource::FailedAfterEnd() const { return Source->FailedAfterEnd(); }

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

void LineReader::Unread(const std::string &text) {
    Buffer.erase(0, Start);
    Buffer.insert(0, text);
    Start = 0;
}
