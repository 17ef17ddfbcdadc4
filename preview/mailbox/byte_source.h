#pragma once
// Bytes read a piece at a time, from a file or from what a compressed file holds, so that a
// mailbox of any size is read without holding it whole.
#include <memory>
#include <string>

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `buffer`; 0 at the end, or when reading failed. Once it has failed
    // it gives nothing more.
    virtual size_t Read(char *buffer, size_t size) = 0;
    // Why reading failed, and where in the file; empty while it has not.
    virtual std::string Failure() const = 0;
    // True when what failed came after the end of the data, which was all given whole: bytes
    // after the last compressed stream.
    virtual bool FailedAfterEnd() const { return false; }
};

// The bytes of a regular file; null, with the reason, when it cannot be opened or is no regular
// file. Opening never waits (a named pipe that took a file's place is refused).
std::unique_ptr<ByteSource> OpenFileSource(const std::string &path, std::string &error);

enum class Compression { Gzip, Bzip2, Xz };

// What the compressed bytes hold; several compressed streams one after another read as one, and
// zero bytes after them are padding. A stream cut short, damaged, or followed by other bytes
// fails the source, which says where.
std::unique_ptr<ByteSource> Decompressed(std::unique_ptr<ByteSource> compressed, Compression kind);

// A source that can look ahead: what Peek gives is read again by Read.
class PeekableSource : public ByteSource {
  public:
    explicit PeekableSource(std::unique_ptr<ByteSource> source);
    size_t Read(char *buffer, size_t size) override;
    std::string Failure() const override;
    bool FailedAfterEnd() const override;
    // The next `size` bytes, or as many as there are, without taking them.
    const std::string &Peek(size_t size);

  private:
    std::unique_ptr<ByteSource> Source;
    std::string Ahead;
};

// Reads whole lines from a source.
class LineReader {
  public:
    explicit LineReader(ByteSource &source) : Source(source) {}
    // Appends the next line, with its line break, to `out`; false at the end.
    bool ReadLine(std::string &out);
    // Puts `text` before what is left, to be read again.
    void Unread(const std::string &text);

  private:
    bool Fill();

    ByteSource &Source;
    std::string Buffer;
    size_t Start = 0;
};
