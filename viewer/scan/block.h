// 64 bytes as the vectors of one instruction set, written once: included inside the namespace of
// that set, after its Vector type, by that set's kernel file. Like the loops over it, it includes
// nothing itself.

struct Block {
    static constexpr int Parts = static_cast<int>(BlockSize / Vector::Size);

    Vector Part[Parts];

    static Block Load(const char *at) {
        Block block;
        for (int i = 0; i < Parts; ++i) {
            block.Part[i] = Vector::Load(at + Vector::Size * static_cast<size_t>(i));
        }
        return block;
    }

    static Block Of(const Vector &part) {
        Block block;
        for (Vector &each : block.Part) {
            each = part;
        }
        return block;
    }

    static Block Splat(char byte) { return Of(Vector::Splat(byte)); }

    static Block SplatPair(std::uint16_t pair) { return Of(Vector::SplatPair(pair)); }

    Block operator&(const Block &other) const {
        Block result;
        for (int i = 0; i < Parts; ++i) {
            result.Part[i] = Part[i] & other.Part[i];
        }
        return result;
    }

    Block operator|(const Block &other) const {
        Block result;
        for (int i = 0; i < Parts; ++i) {
            result.Part[i] = Part[i] | other.Part[i];
        }
        return result;
    }

    Block Equal(const Block &other) const {
        Block result;
        for (int i = 0; i < Parts; ++i) {
            result.Part[i] = Part[i].Equal(other.Part[i]);
        }
        return result;
    }

    Block EqualPairs(const Block &other) const {
        Block result;
        for (int i = 0; i < Parts; ++i) {
            result.Part[i] = Part[i].EqualPairs(other.Part[i]);
        }
        return result;
    }

    Block InRange(unsigned char first, unsigned char last) const {
        Block result;
        for (int i = 0; i < Parts; ++i) {
            result.Part[i] = Part[i].InRange(first, last);
        }
        return result;
    }

    // Byte i in bit i.
    std::uint64_t Bits() const {
        std::uint64_t bits = 0;
        for (int i = 0; i < Parts; ++i) {
            bits |= static_cast<std::uint64_t>(Part[i].Bits())
                    << (Vector::Size * static_cast<size_t>(i));
        }
        return bits;
    }

    bool Any() const {
        Vector any = Part[0];
        for (int i = 1; i < Parts; ++i) {
            any = any | Part[i];
        }
        return any.Any();
    }
};
