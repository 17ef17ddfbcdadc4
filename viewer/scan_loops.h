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

std::uint64_t ByteBits(const char *block, char byte) {
    return Block::Load(block).Equal(Block::Splat(byte)).Bits();
}

std::uint64_t LeadBits(const char *block) {
    if (LeadByteRangeCount == 0) {
        return 0;
    }
    const Block bytes = Block::Load(block);
    Block leads = bytes.InRange(LeadByteRanges[0].First, LeadByteRanges[0].Last);
    for (int r = 1; r < LeadByteRangeCount; ++r) {
        leads = leads | bytes.InRange(LeadByteRanges[r].First, LeadByteRanges[r].Last);
    }
    return leads.Bits();
}

const char *SiftEnds(const EndsSieve &sieve, const char *block, const char *to,
                     std::uint64_t &starts) {
    const Block first = Block::Splat(sieve.First);
    const Block last = Block::Splat(sieve.Last);
    for (; to - block >= static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const Block both =
            Block::Load(block).Equal(first) & Block::Load(block + sieve.LastOffset).Equal(last);
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
const char *SiftPairs(const PatternSieve &sieve, const char *block, const char *limit,
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

// Text that passes this sieve in every block is text made against it: the lead bytes of each
// block are judged here, in the loop, rather than by the caller block by block.
template <int Count>
const char *SiftEachEnds(const PatternSieve &sieve, const char *block, const char *limit,
                         bool &trails, std::uint64_t &starts, std::uint64_t &nuls) {
    Block firsts[Count];
    Block lasts[Count];
    for (int i = 0; i < Count; ++i) {
        firsts[i] = Block::Splat(sieve.Firsts[i]);
        lasts[i] = Block::Splat(sieve.Lasts[i]);
    }
    const Block zero = Block::Splat('\0');
    const auto reach = static_cast<std::ptrdiff_t>(BlockSize + sieve.Reach);
    for (; limit - block >= reach; block += BlockSize) {
        const Block bytes = Block::Load(block);
        Block both =
            bytes.Equal(firsts[0]) & Block::Load(block + sieve.LastOffsets[0]).Equal(lasts[0]);
        for (int i = 1; i < Count; ++i) {
            both = both | (bytes.Equal(firsts[i]) &
                           Block::Load(block + sieve.LastOffsets[i]).Equal(lasts[i]));
        }
        const Block ends = bytes.Equal(zero);
        bool trailsAfter = false;
        const std::uint64_t seconds = TrailingBytesOf(LeadBits(block), trails, trailsAfter);
        trails = trailsAfter;
        starts = both.Bits() & ~seconds;
        nuls = ends.Bits();
        if ((starts | nuls) != 0) {
            return block;
        }
    }
    starts = 0;
    nuls = 0;
    return block;
}

static_assert(MaxPatterns == 9, "one pair sieve for each count of patterns");

const ScanKernels Table = {
    Name,
    FindByte,
    ByteBits,
    LeadBits,
    SiftEnds,
    {SiftPairs<1>, SiftPairs<2>, SiftPairs<3>, SiftPairs<4>, SiftPairs<5>, SiftPairs<6>,
     SiftPairs<7>, SiftPairs<8>, SiftPairs<9>},
    {SiftEachEnds<1>, SiftEachEnds<2>, SiftEachEnds<3>, SiftEachEnds<4>, SiftEachEnds<5>,
     SiftEachEnds<6>, SiftEachEnds<7>, SiftEachEnds<8>, SiftEachEnds<9>},
};
