#include "targa/PixelRows.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VANTREL_HAVE_SSE2 1
#endif
// GCC and Clang can compile an AVX2 variant next to the baseline code and pick it at run time.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VANTREL_HAVE_AVX2_VARIANT 1
#endif

namespace vantrel {

namespace {
constexpr std::uint32_t kOpaque = 0xFF000000u;

// BlendChannel in unsigned 16-bit arithmetic: with p = (value - old) * alpha = 256 q + r,
//   t = old * (256 - alpha) + value * alpha = 256 old + p   (0 <= t <= 65280)
// so floor(t / 256) = old + q, and q's parity is that of floor(t / 256) xor old. Rounding p / 256
// half to even is then (t + 127 + parity) >> 8, which never leaves 16 bits.
inline std::uint32_t BlendByte(std::uint32_t oldValue, std::uint32_t value, std::uint32_t alpha) {
    const std::uint32_t t = oldValue * (256 - alpha) + value * alpha;
    return (t + 127 + (((t >> 8) ^ oldValue) & 1)) >> 8;
}


#ifdef VANTREL_HAVE_AVX2_VARIANT
// Eight pixels at a time, as the SSE2 loop below does four. Unpacking and packing work within each
// 128-bit half, so pixels keep their order. Returns how many pixels it blended.
__attribute__((target("avx2"))) inline __m256i BlendWordsAvx2(__m256i oldWords, __m256i newWords) {
    __m256i alpha = _mm256_shufflelo_epi16(newWords, _MM_SHUFFLE(3, 3, 3, 3));
    alpha = _mm256_shufflehi_epi16(alpha, _MM_SHUFFLE(3, 3, 3, 3));
    const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(oldWords, _mm256_sub_epi16(_mm256_set1_epi16(256), alpha)),
                                       _mm256_mullo_epi16(newWords, alpha));
    const __m256i parity =
        _mm256_and_si256(_mm256_xor_si256(_mm256_srli_epi16(t, 8), oldWords), _mm256_set1_epi16(1));
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(t, _mm256_set1_epi16(127)), parity), 8);
}

__attribute__((target("avx2"))) int BlendRow32Avx2(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i source = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 4 * i));
        const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + i));
        const __m256i low = BlendWordsAvx2(_mm256_unpacklo_epi8(old, zero), _mm256_unpacklo_epi8(source, zero));
        const __m256i high = BlendWordsAvx2(_mm256_unpackhi_epi8(old, zero), _mm256_unpackhi_epi8(source, zero));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            _mm256_or_si256(_mm256_packus_epi16(low, high), opaque));
    }
    return i;
}

bool CpuHasAvx2() {
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2;
}
#endif

}  // namespace

void PaintRow8(std::uint32_t* out, const std::uint8_t* indices, int count, const std::uint32_t* table) {
    for (int i = 0; i < count; ++i) out[i] = table[indices[i]];
}

void PaintRow16(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t word = bytes[2 * i] | (static_cast<std::uint32_t>(bytes[2 * i + 1]) << 8);
        // x rrrrr ggggg bbbbb  ->  rrrrr000 ggggg000 bbbbb000
        out[i] = kOpaque | ((word & 0x7C00u) << 9) | ((word & 0x03E0u) << 6) | ((word & 0x001Fu) << 3);
    }
}

void PaintRow24(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    // Blue, green, red read little-endian as one 32-bit word is already 0x??RRGGBB; the fourth byte
    // (the next pixel's blue) is covered by the opaque top byte. The last pixel has no fourth byte
    // in the row, so it is assembled byte by byte.
    int i = 0;
    for (; i + 1 < count; ++i) {
        std::uint32_t word;
        std::memcpy(&word, bytes + 3 * i, 4);
        out[i] = word | kOpaque;
    }
    for (; i < count; ++i) {
        const std::uint8_t* p = bytes + 3 * i;
        out[i] = kOpaque | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
    }
}

void UnpackRow16WithAlphaBit(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t word = bytes[2 * i] | (static_cast<std::uint32_t>(bytes[2 * i + 1]) << 8);
        // a rrrrr ggggg bbbbb  ->  aaaaaaaa rrrrr000 ggggg000 bbbbb000
        out[i] = (0u - (word >> 15)) << 24 | ((word & 0x7C00u) << 9) | ((word & 0x03E0u) << 6) | ((word & 0x001Fu) << 3);
    }
}

void UnpackRow32(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = bytes + 4 * i;
        out[i] = (static_cast<std::uint32_t>(p[3]) << 24) | (static_cast<std::uint32_t>(p[2]) << 16) |
                 (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
    }
}

void BlendRow32Scalar(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = bytes + 4 * i;
        const std::uint32_t old = out[i];
        const std::uint32_t alpha = p[3];
        out[i] = kOpaque | (BlendByte((old >> 16) & 0xFFu, p[2], alpha) << 16) |
                 (BlendByte((old >> 8) & 0xFFu, p[1], alpha) << 8) | BlendByte(old & 0xFFu, p[0], alpha);
    }
}

void BlendRow32(std::uint32_t* out, const std::uint8_t* bytes, int count) {
    int i = 0;
#ifdef VANTREL_HAVE_AVX2_VARIANT
    if (CpuHasAvx2()) i = BlendRow32Avx2(out, bytes, count);
#endif
#ifdef VANTREL_HAVE_SSE2
    // Four pixels at a time. The file's blue, green, red, alpha bytes sit where the stored pixel has
    // blue, green, red and its opaque byte, so the channels line up lane for lane; the alpha lane's
    // result is replaced by 0xFF.
    const __m128i zero = _mm_setzero_si128();
    const __m128i c256 = _mm_set1_epi16(256);
    const __m128i c127 = _mm_set1_epi16(127);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    auto blendHalf = [&](__m128i oldWords, __m128i newWords) {
        __m128i alpha = _mm_shufflelo_epi16(newWords, _MM_SHUFFLE(3, 3, 3, 3));
        alpha = _mm_shufflehi_epi16(alpha, _MM_SHUFFLE(3, 3, 3, 3));
        const __m128i t = _mm_add_epi16(_mm_mullo_epi16(oldWords, _mm_sub_epi16(c256, alpha)),
                                        _mm_mullo_epi16(newWords, alpha));
        const __m128i parity = _mm_and_si128(_mm_xor_si128(_mm_srli_epi16(t, 8), oldWords), one);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, c127), parity), 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 4 * i));
        const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i low = blendHalf(_mm_unpacklo_epi8(old, zero), _mm_unpacklo_epi8(source, zero));
        const __m128i high = blendHalf(_mm_unpackhi_epi8(old, zero), _mm_unpackhi_epi8(source, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    BlendRow32Scalar(out + i, bytes + 4 * i, count - i);
}

}  // namespace vantrel
