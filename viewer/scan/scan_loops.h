// The block loops of the scans, written once: included inside the namespace of one instruction
// set, after its Block type, by that set's kernel file. It includes nothing itself, so that all it
// defines is compiled for that set and belongs to that namespace.

// Where pairs start, from the 16-bit compares at even offsets and at odd ones (a block loaded one
// byte on): a match sets both bytes of its lane, and the lower one marks where the pair starts.
inline std::uint64_t PairStarts(std::uint64_t even, std::uint64_t odd) {
    constexpr std::uint64_t LowBytes = 0x5555555555555555ULL;
    return (even & LowBytes) | (odd & LowBytes) << 1;
}

size_t FindByte(const char *text, size_t length, char byte) {
    const Block wanted = Block::Splat(byte);
    size_t i = 0;
    for (; i + BlockSize <= length; i += BlockSize) {
        const Block equal = Block::Load(text + i).Equal(wanted);
        if (equal.Any()) {
            return i + static_cast<size_t>(LowestBit(equal.Bits()));
        }
    }
    while (i < length && text[i] != byte) {
        ++i;
    }
    return i;
}

inline int HighestBit(std::uint64_t bits) { return 63 - __builtin_clzll(bits); }

// The line feeds of a block are counted at once; only the block where the page fills up is
// looked into, to find the line feed that fills it and the empty lines before.
const char *SeekPageEnd(const char *from, const char *end, std::int32_t maxLines,
                        std::int32_t &lines, const char *&cut) {
    const Block lineFeed = Block::Splat('\n');
    const Block carriageReturn = Block::Splat('\r');
    std::int32_t counted = lines;
    const char *emptyLine = cut;
    const char *block = from;
    const char *found = end;
    // The byte after each block is read too.
    for (; end - block > static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const Block bytes = Block::Load(block);
        const Block feedBytes = bytes.Equal(lineFeed);
        const std::uint64_t feeds = feedBytes.Bits();
        if (feeds == 0) {
            continue;
        }
        // Bit i of the breaks shifted down is set when byte i + 1 is a CR or LF.
        const std::uint64_t breaks = (feedBytes | bytes.Equal(carriageReturn)).Bits();
        const bool breakAfter = block[BlockSize] == '\n' || block[BlockSize] == '\r';
        std::uint64_t blanks = feeds & (breaks >> 1 | static_cast<std::uint64_t>(breakAfter) << 63);
        const std::int32_t room = maxLines > counted ? maxLines - counted : 0;
        const int count = CountBits(feeds);
        if (count > room) {
            std::uint64_t rest = feeds;
            for (std::int32_t i = 0; i < room; ++i) {
                rest &= rest - 1;
            }
            const int full = LowestBit(rest);
            blanks &= ~std::uint64_t{0} >> (63 - full);
            found = block + full;
        }
        if (blanks != 0) {
            emptyLine = block + HighestBit(blanks) + 1;
        }
        if (found != end) {
            break;
        }
        counted += count;
    }
    for (; found == end && block < end; ++block) {
        if (*block != '\n') {
            continue;
        }
        if (block + 1 < end && (block[1] == '\r' || block[1] == '\n')) {
            emptyLine = block + 1;
        }
        if (counted >= maxLines) {
            found = block;
        }
        ++counted;
    }
    lines = counted;
    cut = emptyLine;
    return found;
}

// Bit i set when byte i of `bytes` can lead a double-byte character.
inline std::uint64_t LeadBitsOf(const Block &bytes) {
    const LeadByteTable &table = CodePageBytes();
    if (table.RangeCount == 0) {
        return 0;
    }
    Block leads = bytes.InRange(table.Ranges[0].First, table.Ranges[0].Last);
    for (int r = 1; r < table.RangeCount; ++r) {
        leads = leads | bytes.InRange(table.Ranges[r].First, table.Ranges[r].Last);
    }
    return leads.Bits();
}

std::uint64_t LeadBits(const char *block) { return LeadBitsOf(Block::Load(block)); }

const char *SiftFirstAndLast(const FirstAndLast &ends, const char *block, const char *to,
                             std::uint64_t &starts) {
    const Block first = Block::Splat(ends.First);
    const Block last = Block::Splat(ends.Last);
    for (; to - block >= static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const Block both =
            Block::Load(block).Equal(first) & Block::Load(block + ends.LastOffset).Equal(last);
        if (both.Any()) {
            starts = both.Bits();
            return block;
        }
    }
    starts = 0;
    return block;
}

// The count is fixed at compile time, so that the compares unroll.
template <int Count>
const char *SiftHeads(const HeadSieve &sieve, const char *block, const char *limit,
                      std::uint64_t &starts, std::uint64_t &nuls) {
    Block heads[Count];
    for (int i = 0; i < Count; ++i) {
        heads[i] = Block::SplatPair(sieve.Heads[i]);
    }
    const Block zero = Block::Splat('\0');
    for (; limit - block > static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const Block bytes = Block::Load(block);
        const Block next = Block::Load(block + 1);
        Block even = bytes.EqualPairs(heads[0]);
        Block odd = next.EqualPairs(heads[0]);
        for (int i = 1; i < Count; ++i) {
            even = even | bytes.EqualPairs(heads[i]);
            odd = odd | next.EqualPairs(heads[i]);
        }
        const Block ends = bytes.Equal(zero);
        if ((even | odd | ends).Any()) {
            starts = PairStarts(even.Bits(), odd.Bits());
            nuls = ends.Bits();
            return block;
        }
    }
    starts = 0;
    nuls = 0;
    return block;
}

// Text that passes the sift of heads in every block is text made against it: the lead bytes of
// each block are judged here, in the loop, rather than by the caller block by block.
const char *SiftHeadsAndLasts(const HeadSieve &sieve, const char *block, const char *limit,
                              bool &trails, std::uint64_t &starts, std::uint64_t &nuls) {
    Block firsts[MaxPatterns];
    Block seconds[MaxPatterns];
    Block lasts[MaxPatterns];
    for (int i = 0; i < sieve.Count; ++i) {
        firsts[i] = Block::Splat(static_cast<char>(sieve.Heads[i] & 0xFF));
        seconds[i] = Block::Splat(static_cast<char>(sieve.Heads[i] >> 8));
        lasts[i] = Block::Splat(sieve.Lasts[i]);
    }
    const Block zero = Block::Splat('\0');
    const auto reach = static_cast<std::ptrdiff_t>(BlockSize + sieve.Reach);
    for (; limit - block >= reach; block += BlockSize) {
        const Block bytes = Block::Load(block);
        const Block next = Block::Load(block + 1);
        Block both = bytes.Equal(firsts[0]) & next.Equal(seconds[0]) &
                     Block::Load(block + sieve.LastOffsets[0]).Equal(lasts[0]);
        for (int i = 1; i < sieve.Count; ++i) {
            both = both | (bytes.Equal(firsts[i]) & next.Equal(seconds[i]) &
                           Block::Load(block + sieve.LastOffsets[i]).Equal(lasts[i]));
        }
        bool trailsAfter = false;
        const std::uint64_t trailing = TrailingBytesOf(LeadBitsOf(bytes), trails, trailsAfter);
        trails = trailsAfter;
        starts = both.Bits() & ~trailing;
        nuls = bytes.Equal(zero).Bits();
        if ((starts | nuls) != 0) {
            return block;
        }
    }
    starts = 0;
    nuls = 0;
    return block;
}

static_assert(HeadSiftCount == 4, "a sift of heads for each of HeadSiftSizes");

const ScanKernels Table = {
    Name,
    FindByte,
    SeekPageEnd,
    LeadBits,
    SiftFirstAndLast,
    {SiftHeads<HeadSiftSizes[0]>, SiftHeads<HeadSiftSizes[1]>, SiftHeads<HeadSiftSizes[2]>,
     SiftHeads<HeadSiftSizes[3]>},
    SiftHeadsAndLasts,
};
