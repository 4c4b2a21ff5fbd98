#include "vrml_read/vrml_text.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace vantor {

namespace {

constexpr size_t kMaxTextLength = size_t(INT_MAX) / 2;

// Reads a gzip file completely. A stream that is cut short or fails its
// check sum gives false with zlib's reason in `damage`.
bool InflateFile(const std::string& path, std::string& out, std::string& damage) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) return false;
    char chunk[1 << 16];
    bool ok = true;
    for (;;) {
        int got = gzread(file, chunk, sizeof chunk);
        if (got < 0) {
            int code = Z_OK;
            damage = gzerror(file, &code);
            ok = false;
            break;
        }
        if (got == 0) break;
        out.append(chunk, size_t(got));
        if (out.size() > kMaxTextLength) {
            ok = false;
            break;
        }
    }
    // zlib hands over what it had when the input ends early; only the close
    // tells that the stream stopped in its middle.
    if (gzclose(file) == Z_BUF_ERROR && ok) {
        damage = "unexpected end of file";
        ok = false;
    }
    return ok;
}

enum ByteClass : unsigned char { kPlain, kLayout, kQuote, kHash, kPunct };

struct ByteClassTable {
    unsigned char classOf[256] = {};
    constexpr ByteClassTable() {
        classOf[unsigned('\t')] = kLayout;
        classOf[unsigned('\n')] = kLayout;
        classOf[unsigned('\r')] = kLayout;
        classOf[unsigned(' ')] = kLayout;
        classOf[unsigned('"')] = kQuote;
        classOf[unsigned('#')] = kHash;
        for (char c : {',', '{', '}', '[', ']'}) classOf[unsigned(c)] = kPunct;
    }
};
constexpr ByteClassTable kBytes;

int WordEnd(std::string_view text, int from) {
    // Words are short; a plain loop beats a memchr call here.
    const char* p = text.data() + from;
    const char* end = text.data() + text.size();
    while (p < end && *p != ' ') ++p;
    return int(p - text.data());
}

// Shared delimiting of GetWord and GetSFString0: the value's range and the
// position after it.
std::string_view Delimit(std::string_view text, int& position) {
    const int length = int(text.size());
    if (position < 0) position = 0;
    if (position >= length) {
        position = length;
        return {};
    }
    if (text[size_t(position)] == '"') {
        const int start = position + 1;
        const void* quote = std::memchr(text.data() + start, '"', size_t(length - start));
        const int end = quote ? int(static_cast<const char*>(quote) - text.data()) : length;
        position = std::min(end + 2, length);
        return text.substr(size_t(start), size_t(end - start));
    }
    const int start = position;
    const int end = WordEnd(text, start);
    position = std::min(end + 1, length);
    return text.substr(size_t(start), size_t(end - start));
}

void CopyWord(std::string_view word, char* out) {
    const size_t n = std::min(word.size(), size_t(kMaxWordLength));
    if (n > 0) std::memcpy(out, word.data(), n);
    out[n] = '\0';
}

void LogLine(ReadingLog* log, std::string_view message) {
    if (log) log->WriteLine(message);
}

void LogWithWord(ReadingLog* log, const char* before, std::string_view word, const char* after) {
    if (!log) return;
    std::string line(before);
    line.append(word);
    line.append(after);
    log->WriteLine(line);
}

}  // namespace

// --- VrmlText ----------------------------------------------------------------

void TextBufferRelease::operator()(char* buffer) const {
    if (mappedBytes > 0)
        ::munmap(buffer, mappedBytes);
    else
        delete[] buffer;
}

TextBuffer AllocateTextBuffer(size_t bytes) {
    constexpr size_t kMappedBytes = size_t(4) << 20;
    if (bytes < kMappedBytes) return TextBuffer(new char[bytes], TextBufferRelease{0});
    // Whole huge pages, so the kernel aligns the mapping for them.
    constexpr size_t kHugePage = size_t(2) << 20;
    bytes = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    ::madvise(block, bytes, MADV_HUGEPAGE);
    return TextBuffer(static_cast<char*>(block), TextBufferRelease{bytes});
}

void VrmlText::AllocateFor(size_t rawLength) {
    // The raw text sits at the end of the buffer and the word stream is
    // written from the front, so preparation can run in place.
    // An eighth more than the raw text covers the usual files, which shrink
    // as layout collapses; text made of commas and brackets makes it grow.
    capacity_ = rawLength + rawLength / 8 + 64;
    buffer_ = AllocateTextBuffer(capacity_);
    data_ = buffer_.get() + (capacity_ - rawLength);
    length_ = int(rawLength);
    prepared_ = false;
}

void VrmlText::Assign(std::string_view raw) {
    AllocateFor(raw.size());
    if (!raw.empty()) std::memcpy(data_, raw.data(), raw.size());
}

void VrmlText::Release() {
    buffer_.reset();
    capacity_ = 0;
    data_ = nullptr;
    length_ = 0;
    prepared_ = false;
}

TextLoadResult VrmlText::LoadFile(const std::string& path) {
    Release();
    damage_.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return TextLoadResult::CannotOpen;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return TextLoadResult::CannotOpen;
    unsigned char magic[2] = {0, 0};
    const size_t magicRead = std::fread(magic, 1, 2, file);
    if (magicRead == 2 && magic[0] == 0x1f && magic[1] == 0x8b) {
        std::fclose(file);
        std::string inflated;
        if (!InflateFile(path, inflated, damage_)) {
            if (!damage_.empty()) return TextLoadResult::Damaged;
            return inflated.size() > kMaxTextLength ? TextLoadResult::TooLarge
                                                    : TextLoadResult::CannotOpen;
        }
        Assign(inflated);
        return TextLoadResult::Ok;
    }
    if (size_t(info.st_size) > kMaxTextLength) {
        std::fclose(file);
        return TextLoadResult::TooLarge;
    }
    try {
        AllocateFor(size_t(info.st_size));
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        Release();
        return TextLoadResult::TooLarge;
    }
    std::rewind(file);
    const size_t got = std::fread(data_, 1, size_t(length_), file);
    std::fclose(file);
    // A file that shrank while we read it keeps what was there.
    length_ = int(got);
    data_ = buffer_.get() + (capacity_ - got);
    if (got > 0) std::memmove(data_, buffer_.get() + (capacity_ - size_t(info.st_size)), got);
    return TextLoadResult::Ok;
}

// --- Preparation ---------------------------------------------------------------

#if defined(__SSE2__)
namespace {

// Bit i is set when byte i of the 16 at `p` is not a plain word byte:
// layout (or any other control byte), a quote, '#', ',' or a bracket.
inline unsigned SpecialBytes16(__m128i bytes) {
    const __m128i blank = _mm_set1_epi8(0x20);
    const __m128i control = _mm_cmpeq_epi8(_mm_max_epu8(bytes, blank), blank);
    // '"' and '#' differ in the lowest bit only, as do '[' '{' and ']' '}'
    // in bit 5.
    const __m128i quoteOrHash =
        _mm_cmpeq_epi8(_mm_and_si128(bytes, _mm_set1_epi8(char(0xFE))), _mm_set1_epi8('"'));
    const __m128i folded = _mm_or_si128(bytes, blank);
    const __m128i open = _mm_cmpeq_epi8(folded, _mm_set1_epi8('{'));
    const __m128i close = _mm_cmpeq_epi8(folded, _mm_set1_epi8('}'));
    const __m128i comma = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(','));
    const __m128i any = _mm_or_si128(_mm_or_si128(control, quoteOrHash),
                                     _mm_or_si128(_mm_or_si128(open, close), comma));
    return unsigned(_mm_movemask_epi8(any));
}

// Bit i is set when byte i is a blank, tab, CR or LF.
inline unsigned LayoutBytes16(__m128i bytes) {
    const __m128i blankOrTab = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                            _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
    const __m128i lineEnd = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                         _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
    return unsigned(_mm_movemask_epi8(_mm_or_si128(blankOrTab, lineEnd)));
}

}  // namespace
#endif

bool OmmitCommentFromVrml0(VrmlText& text) {
    if (!text.buffer_ && text.length_ == 0) text.AllocateFor(0);
    char* out = text.buffer_.get();
    size_t capacity = text.capacity_;
    size_t read = size_t(text.data_ - out);  // next raw byte
    size_t end = read + size_t(text.length_);
    size_t write = 0;
    // True also for the empty text, where layout writes nothing either.
    bool endsWithBlank = true;

    // Makes sure `write` stays at least `need` bytes behind `read` by moving
    // the unread input to the end of a larger buffer.
    auto grow = [&](size_t need) -> bool {
        size_t unread = end - read;
        size_t newCapacity = capacity;
        while (newCapacity - unread < write + need) newCapacity += newCapacity / 2 + 64;
        TextBuffer bigger;
        try {
            bigger = AllocateTextBuffer(newCapacity);
        } catch (const std::bad_alloc&) {
            return false;
        }
        std::memcpy(bigger.get(), out, write);
        std::memcpy(bigger.get() + newCapacity - unread, out + read, unread);
        text.buffer_ = std::move(bigger);
        out = text.buffer_.get();
        read = newCapacity - unread;
        end = newCapacity;
        capacity = newCapacity;
        text.capacity_ = newCapacity;
        return true;
    };

    // Writes what the byte just read becomes; needs a gap of at least two
    // bytes between `write` and the byte, since one byte writes up to three.
    auto take = [&](char c) {
        const unsigned char byteClass = kBytes.classOf[static_cast<unsigned char>(c)];
        if (byteClass <= kLayout) {
            // Layout becomes one blank, and none at the start of the text
            // or after a blank.
            const bool layout = byteClass == kLayout;
            out[write] = layout ? ' ' : c;
            write += !(layout && endsWithBlank);
            endsWithBlank = layout;
            return;
        }
        if (byteClass == kQuote) {
            // A string is kept verbatim up to its closing quote.
            const void* quote = std::memchr(out + read, '"', end - read);
            const size_t stringEnd =
                quote ? size_t(static_cast<const char*>(quote) - out) + 1 : end;
            out[write++] = c;
            std::memmove(out + write, out + read, stringEnd - read);
            write += stringEnd - read;
            read = stringEnd;
            endsWithBlank = out[write - 1] == ' ';
        } else if (byteClass == kHash) {
            // Skip to the line end; the LF itself then writes the blank
            // that layout inside the comment would have written.
            const void* lf = std::memchr(out + read, '\n', end - read);
            const size_t commentEnd = lf ? size_t(static_cast<const char*>(lf) - out) : end;
            bool hasLayout = false;
            for (size_t i = read; i < commentEnd && !hasLayout; ++i)
                hasLayout = kBytes.classOf[static_cast<unsigned char>(out[i])] == kLayout;
            if (hasLayout && !endsWithBlank) {
                out[write++] = ' ';
                endsWithBlank = true;
            }
            read = commentEnd;
        } else if (write > 0) {  // , { } [ ] stand alone; dropped at the very start
            if (!endsWithBlank) out[write++] = ' ';
            out[write++] = c;
            out[write++] = ' ';
            endsWithBlank = true;
        }
    };

    constexpr size_t kBlock = 16;
    while (read < end) {
        if (read - write < 2 && !grow(4)) return false;
#if defined(__SSE2__)
        // 64 bytes at a time: one mask marks the special bytes, the plain
        // runs between them are copied in blocks of 16, and only the
        // special bytes are looked at one by one. Blocks may be stored up
        // to 15 bytes past a run's end, which is safe while `write` stays a
        // block behind `read`; each special byte narrows that gap by at most
        // two.
        while (read - write >= kBlock + 2 * 64 && end - read >= 64 + kBlock) {
            const char* window = out + read;
            uint64_t special = 0;
            uint64_t layout = 0;
            uint64_t blank = 0;
            for (int i = 0; i < 4; ++i) {
                const __m128i bytes =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + kBlock * size_t(i)));
                special |= uint64_t(SpecialBytes16(bytes)) << (kBlock * size_t(i));
                layout |= uint64_t(LayoutBytes16(bytes)) << (kBlock * size_t(i));
                blank |=
                    uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')))))
                    << (kBlock * size_t(i));
            }
            // A blank right after a plain byte stays as it is: copied with
            // the run instead of being looked at.
            const uint64_t keptBlank = blank & (~special << 1);
            special &= ~keptBlank;
            const size_t windowStart = read;
            size_t at = 0;  // window offset of the next unread byte
            // Moves past the layout run starting at the first of `from`'s
            // bits (a mask of that byte and all later ones).
            auto skipLayout = [&](uint64_t from) {
                const uint64_t rest = ~layout & from;
                at = rest ? size_t(__builtin_ctzll(rest)) : 64;
                // Bits below the lowest of `rest`; all of them when it is empty.
                special &= ~((rest & (0 - rest)) - 1);
            };
            for (;;) {
                const size_t next = special ? size_t(__builtin_ctzll(special)) : 64;
                const size_t run = next - at;
                const char* from = window + at;
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + write),
                                 _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
                for (size_t k = kBlock; k < run; k += kBlock)
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + write + k),
                                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)));
                write += run;
                if (run > 0) endsWithBlank = (keptBlank >> (next - 1)) & 1;
                if (next == 64) {
                    at = 64;
                    break;
                }
                const uint64_t bit = uint64_t(1) << next;
                if (layout & bit) {
                    // A whole run of layout becomes at most one blank.
                    skipLayout(~(bit - 1));
                    out[write] = ' ';
                    write += !endsWithBlank;
                    endsWithBlank = true;
                    continue;
                }
                special &= special - 1;
                const char c = window[next];
                at = next + 1;
                const unsigned char byteClass = kBytes.classOf[static_cast<unsigned char>(c)];
                if (byteClass == kPunct && write > 0) {
                    out[write] = ' ';
                    write += !endsWithBlank;
                    out[write] = c;
                    out[write + 1] = ' ';
                    write += 2;
                    endsWithBlank = true;
                    // The layout after it adds nothing.
                    skipLayout(~((bit << 1) - 1));
                } else {
                    read = windowStart + at;
                    take(c);
                    at = read - windowStart;
                    // Strings and comments move `read` past this window.
                    if (byteClass == kQuote || byteClass == kHash) break;
                }
            }
            read = windowStart + at;
        }
#endif
        // Byte by byte near the end of the text and where it grows; each
        // raw byte writes at most three, so half the gap is safe.
        size_t stop = std::min(end, read + std::min((read - write) / 2, kBlock));
        while (read < stop) {
            take(out[read++]);
            stop = std::min(stop, read + (read - write) / 2);
        }
    }
    if (write == 0 || out[write - 1] != ' ') {
        if (capacity - write < 1 && !grow(1)) return false;
        out[write++] = ' ';
    }
    text.data_ = out;
    text.length_ = int(write);
    text.prepared_ = true;
    return true;
}

// --- Scanners ------------------------------------------------------------------

std::string_view NextWord(std::string_view text, int& position) {
    return Delimit(text, position);
}

int GetWord(std::string_view text, int& position, char* word) {
    std::string_view value = Delimit(text, position);
    CopyWord(value, word);
    return int(std::min(value.size(), size_t(kMaxWordLength)));
}

int GetSFString0(std::string_view text, int& position, char* out, ReadingLog* log) {
    std::string_view value = Delimit(text, position);
    CopyWord(value, out);
    if (value.size() <= size_t(kMaxWordLength)) return 1;
    LogLine(log, "GetSFString0 data length error");
    return -1;
}

int GetSFString0Silent(std::string_view text, int& position, char* out) {
    std::string_view value = Delimit(text, position);
    if (value.size() <= size_t(kMaxWordLength)) {
        CopyWord(value, out);
        return 1;
    }
    CopyWord("GetSFString0 data length error", out);
    return -1;
}

int GetMFString0(std::string_view text, int& position, char* out, ReadingLog* log) {
    std::string joined;
    char value[kWordBufferSize];
    bool first = true;
    while (position < int(text.size())) {
        GetSFString0(text, position, value, log);
        std::string_view word(value);
        if (word == "]") break;
        // Commas are optional in VRML: each entry is a line of its own
        // whether or not one separates it from the last.
        if (word == ",") continue;
        if (!first) joined.append("\r\n");
        joined.append(word);
        first = false;
    }
    CopyWord(joined, out);
    if (joined.size() <= size_t(kMaxWordLength)) return 1;
    LogLine(log, "GetMFString0 data length error");
    return -1;
}

int GetSFVect(std::string_view text, int& position, float* values, int count, ReadingLog* log) {
    const int start = position;
    const bool bracketed = NextWord(text, position) == "[";
    if (!bracketed) position = start;
    for (int i = 0; i < count; ++i) {
        std::string_view word = NextWord(text, position);
        if (ParseFloatWord(word, values[i])) continue;
        if (i == 0 && word == "]") return 2;
        LogWithWord(log, "Caution in GetSFVect !01 ch0 = ##", word, "##");
        return -1;
    }
    const int afterValues = position;
    std::string_view next = NextWord(text, position);
    if (!bracketed) {
        if (next != ",") position = afterValues;
        return 1;
    }
    if (next == "]") return 1;
    if (next == ",") {
        std::string_view closing = NextWord(text, position);
        if (closing == "]") return 1;
        LogWithWord(log, "Caution in GetSFVect !02 ch0 = ##", closing, "##");
        return -2;
    }
    LogWithWord(log, "Caution in GetSFVect !03 ch0 = ##", next, "##");
    return -2;
}

// --- Numbers ---------------------------------------------------------------------

bool ParseFloatWord(std::string_view word, float& value) {
    const char* p = word.data();
    const char* end = p + word.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end || *p == '+' || *p == '-') return false;
    float parsed = 0;
    std::from_chars_result result{};
    if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        result = std::from_chars(p + 2, end, parsed, std::chars_format::hex);
        if (result.ec == std::errc::invalid_argument) {
            // "0x" without hex digits: scanf reads the zero.
            parsed = 0;
            result.ec = std::errc();
        }
    } else {
        result = std::from_chars(p, end, parsed, std::chars_format::general);
    }
    if (result.ec == std::errc::result_out_of_range) {
        // Rare: let strtof pick infinity or zero as scanf would.
        char copy[128];
        const size_t n = std::min(word.size(), sizeof copy - 1);
        std::memcpy(copy, word.data(), n);
        copy[n] = '\0';
        value = std::strtof(copy, nullptr);
        return true;
    }
    if (result.ec != std::errc()) return false;
    value = negative ? -parsed : parsed;
    return true;
}

bool ParseIntWord(std::string_view word, int& value) {
    const char* p = word.data();
    const char* end = p + word.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
    if (p < end && *p == '+') {
        ++p;
        if (p < end && *p == '-') return false;
    }
    auto result = std::from_chars(p, end, value);
    return result.ec == std::errc();
}

bool TakeLongFloatWord(std::string_view text, int& position, float& value) {
    const char* begin = text.data() + position;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr >= end || *result.ptr != ' ') return false;
    position = int(result.ptr - text.data()) + 1;
    return true;
}

}  // namespace vantor
