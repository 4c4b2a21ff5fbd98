#pragma once
// VRML source text and the scanners that pull words and values from it.
//
// A file is loaded into one buffer (gzip is undone first), then
// OmmitCommentFromVrml0 squeezes it in place into a stream of words, each
// followed by exactly one blank: comments and layout go, "," "{" "}" "[" "]"
// become words of their own, quoted strings keep their inner layout. The
// scanners only move a byte position through that stream; they never copy
// the text except into the caller's word buffer.
//
// Positions and lengths are 32-bit ints like every index of the scene model.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "vrml_read/reading_log.h"

namespace vantor {

// Word buffers of the scanners hold 512 bytes: at most 511 bytes and a zero.
constexpr int kWordBufferSize = 512;
constexpr int kMaxWordLength = kWordBufferSize - 1;

enum class TextLoadResult {
    Ok,
    CannotOpen,  // missing, unreadable or a directory
    TooLarge,    // does not fit 32-bit positions
    Damaged,     // a gzip stream that is cut short or fails its check
};

// Large texts get their own mapping, on huge pages where the system allows
// them: a 100 MB file otherwise costs tens of thousands of page faults.
struct TextBufferRelease {
    size_t mappedBytes = 0;  // 0: allocated with new[]
    void operator()(char* buffer) const;
};
using TextBuffer = std::unique_ptr<char[], TextBufferRelease>;
// Throws std::bad_alloc.
TextBuffer AllocateTextBuffer(size_t bytes);

// One file's text: raw bytes after loading, the prepared word stream after
// OmmitCommentFromVrml0. The buffer starts a little larger than the raw
// text and grows whenever preparation needs more.
class VrmlText {
  public:
    VrmlText() = default;
    VrmlText(const VrmlText&) = delete;
    VrmlText& operator=(const VrmlText&) = delete;
    VrmlText(VrmlText&&) = default;
    VrmlText& operator=(VrmlText&&) = default;

    // Reads the whole file; a file starting with the gzip magic bytes is
    // decompressed.
    TextLoadResult LoadFile(const std::string& path);
    // Why the last LoadFile gave Damaged (zlib's words), else empty.
    const std::string& damage() const { return damage_; }
    // Takes raw bytes from memory (tests, generated text).
    void Assign(std::string_view raw);
    void Release();

    // The current text: raw before preparation, the word stream after.
    std::string_view view() const { return {data_, size_t(length_)}; }
    int length() const { return length_; }
    bool prepared() const { return prepared_; }

  private:
    friend bool OmmitCommentFromVrml0(VrmlText& text);
    void AllocateFor(size_t rawLength);

    TextBuffer buffer_;
    size_t capacity_ = 0;
    char* data_ = nullptr;  // start of the current text inside buffer_
    int length_ = 0;
    bool prepared_ = false;
    std::string damage_;
};

// Turns the raw text into the word stream (see the file comment). Returns
// false only when the buffer could not grow; the text is then unchanged.
bool OmmitCommentFromVrml0(VrmlText& text);

// Next word without copying: a quoted word is returned without its quotes.
// Moves `position` past the word and its blank (two bytes past a closing
// quote). At the end of the text it returns an empty word.
std::string_view NextWord(std::string_view text, int& position);

// GetWord: NextWord copied into `word` (kWordBufferSize bytes) with a
// terminating zero; longer words are cut to kMaxWordLength bytes. Returns
// the copied length.
int GetWord(std::string_view text, int& position, char* word);

// GetSFString0: one string value (quoted or a bare word) into `out`
// (kWordBufferSize bytes). Returns 1, or -1 when the value has 512 bytes or
// more: its first 511 bytes are kept and "GetSFString0 data length error"
// is logged (when `log` is not null).
int GetSFString0(std::string_view text, int& position, char* out, ReadingLog* log);

// The binding-file twin of GetSFString0: logs nothing; on an over-long
// value `out` receives "GetSFString0 data length error" and -1 is returned.
int GetSFString0Silent(std::string_view text, int& position, char* out);

// GetMFString0: called after "[" was read; collects string values up to
// "]", a "," word adding a "\r\n" line break. Returns 1, or -1 when the
// joined text has 512 bytes or more (cut to 511 and logged
// "GetMFString0 data length error"). Stops at the end of the text.
int GetMFString0(std::string_view text, int& position, char* out, ReadingLog* log);

// GetSFVect: `count` floats into `values`, bracketed ("[ 1 2 3 ]") or bare
// (a following "," is consumed). Returns 1 on a value, 2 when the first
// word is "]" (end of a list of values), -1 or -2 on malformed values
// (logged with the offending word).
int GetSFVect(std::string_view text, int& position, float* values, int count, ReadingLog* log);

// Number conversion accepting what C's "%f" / "%d" accept at the start of a
// word (sign, leading ".", exponent, hex floats, inf/nan); trailing bytes
// are ignored as sscanf would. False when no number starts the word.
bool ParseFloatWord(std::string_view word, float& value);
bool ParseIntWord(std::string_view word, int& value);

// Fast paths of number lists: when the word at `position` is exactly a
// plain number (digits, sign, point, exponent) followed by its blank, it is
// converted and skipped; otherwise nothing moves and false is returned, and
// the caller takes the word with NextWord. They are inline because number
// lists are most of a large file.
inline bool TakeFloatWord(std::string_view text, int& position, float& value);
inline bool TakeIntWord(std::string_view text, int& position, int& value);
// Skips a "," word at `position`; false when the word is another one.
inline bool TakeCommaWord(std::string_view text, int& position);

// TakeFloatWord for what the short decimal path leaves (exponents, long
// digit strings); the word must start with a digit, '-' or '.'.
bool TakeLongFloatWord(std::string_view text, int& position, float& value);

namespace detail {

// Plain decimals ("-12.345") of up to 15 digits: the digits are exact in a
// double and so is the power of ten, so one division rounds correctly, and
// rounding that double to float gives the correctly rounded float unless
// the double lies exactly halfway between two floats. Anything else
// (exponents, long digit strings, that halfway case) returns null.
// kBlankAtEnd: the caller knows p < end and that the text's last byte is a
// blank, so every scan stops before `end` without looking at it.
template <bool kBlankAtEnd>
inline const char* ScanShortDecimal(const char* p, const char* end, float& value) {
    static constexpr double kPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    auto before = [end](const char* q) { return kBlankAtEnd || q < end; };
    const bool negative = before(p) && *p == '-';
    if (negative) ++p;
    // Coordinates have a handful of digits: one byte at a time costs less
    // than combining blocks of eight. Digits past the fifteenth only wrap
    // `digits`; such words are refused below.
    uint64_t digits = 0;
    unsigned digit;
    const char* const whole = p;
    while (before(p) && (digit = unsigned(*p - '0')) < 10) {
        digits = digits * 10 + digit;
        ++p;
    }
    ptrdiff_t count = p - whole;
    ptrdiff_t decimals = 0;
    if (before(p) && *p == '.') {
        const char* const fraction = ++p;
        while (before(p) && (digit = unsigned(*p - '0')) < 10) {
            digits = digits * 10 + digit;
            ++p;
        }
        decimals = p - fraction;
        count += decimals;
    }
    if (count == 0 || count > 15 || !before(p) || *p != ' ') return nullptr;
    const double exact = double(int64_t(digits)) / kPowersOfTen[decimals];
    uint64_t bits;
    std::memcpy(&bits, &exact, sizeof bits);
    // The 29 low bits are what a float drops; exactly the top one set is a tie.
    if ((bits & 0x1FFFFFFFu) == 0x10000000u) return nullptr;
    const float rounded = float(exact);
    value = negative ? -rounded : rounded;
    return p;
}

inline const char* TakeShortDecimal(const char* p, const char* end, float& value) {
    if (p < end && end[-1] == ' ') return ScanShortDecimal<true>(p, end, value);
    return ScanShortDecimal<false>(p, end, value);
}

}  // namespace detail

inline bool TakeFloatWord(std::string_view text, int& position, float& value) {
    const char* begin = text.data() + position;
    const char* end = text.data() + text.size();
    if (begin >= end) return false;
    const char c = *begin;
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    if (const char* stop = detail::TakeShortDecimal(begin, end, value)) {
        position = int(stop - text.data()) + 1;
        return true;
    }
    return TakeLongFloatWord(text, position, value);
}

namespace detail {

// TakeIntWord on plain pointers: the position after the word's blank, or
// null when the word is not a plain index of up to nine digits.
// kBlankAtEnd as for ScanShortDecimal.
template <bool kBlankAtEnd>
inline const char* ScanInt(const char* p, const char* end, int& value) {
    auto before = [end](const char* q) { return kBlankAtEnd || q < end; };
    const bool negative = before(p) && *p == '-';
    if (negative) ++p;
    // Indices are short; digits past the ninth only wrap `parsed`, and such
    // words go the slow way.
    uint32_t parsed = 0;
    unsigned digit;
    const char* const first = p;
    while (before(p) && (digit = unsigned(*p - '0')) < 10) {
        parsed = parsed * 10 + digit;
        ++p;
    }
    const ptrdiff_t count = p - first;
    if (count == 0 || count > 9 || !before(p) || *p != ' ') return nullptr;
    value = negative ? -int(parsed) : int(parsed);
    return p + 1;
}

inline const char* TakeIntAt(const char* p, const char* end, int& value) {
    if (p < end && end[-1] == ' ') return ScanInt<true>(p, end, value);
    return ScanInt<false>(p, end, value);
}

// TakeCommaWord on plain pointers: past a "," word, or `p` unchanged.
inline const char* SkipCommaAt(const char* p, const char* end) {
    return end - p >= 2 && p[0] == ',' && p[1] == ' ' ? p + 2 : p;
}

}  // namespace detail

inline bool TakeIntWord(std::string_view text, int& position, int& value) {
    // Indices are short: a digit loop is quicker than from_chars here.
    const char* stop = detail::TakeIntAt(text.data() + position, text.data() + text.size(), value);
    if (!stop) return false;
    position = int(stop - text.data());
    return true;
}

inline bool TakeCommaWord(std::string_view text, int& position) {
    const size_t at = size_t(position);
    if (at + 1 >= text.size() || text[at] != ',' || text[at + 1] != ' ') return false;
    position += 2;
    return true;
}

}  // namespace vantor
