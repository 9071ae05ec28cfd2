// ustring: the UTF-8 form is the value, the UTF-16 form a cache built with
// ICU on demand. Buffers come from the malloc family so that they can be
// resized in place; every edit sizes them exactly (see realloc_data).
#include "ustring/ustring.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <istream>
#include <new>
#include <ostream>
#include <stdexcept>

const size_t ustring::npos;

namespace {

typedef ustring::uchar16_t uchar16_t;

const uchar16_t kEmpty16[1] = {0};

// A null source reads as the empty text.
const char* or_empty(const char* s) {
    return s != nullptr ? s : "";
}
const uchar16_t* or_empty(const uchar16_t* s) {
    return s != nullptr ? s : kEmpty16;
}

// The bytes of s before its first NUL, at most limit. npos is common and
// spares strnlen a limit that would run past the end of the address space.
size_t bounded_len(const char* s, size_t limit) {
    return limit == ustring::npos ? std::strlen(s) : strnlen(s, limit);
}

size_t bounded_len(const uchar16_t* s, size_t limit) {
    size_t n = 0;
    while (n < limit && s[n] != 0) ++n;
    return n;
}

// Buffer size for a text of old units grown by add, plus its terminator.
// A sum that does not fit in size_t can never be allocated.
size_t grown_size(size_t old, size_t add) {
    if (add > SIZE_MAX - 1 - old) throw std::bad_alloc();
    return old + add + 1;
}

// Whether p points into [begin, begin + len], the text and its terminator.
template <typename T>
bool points_into(const T* p, const T* begin, size_t len) {
    std::less_equal<const T*> le;
    return le(begin, p) && le(p, begin + len);
}

const UChar* as_uchar(const uchar16_t* p) {
    return reinterpret_cast<const UChar*>(p);
}
UChar* as_uchar(uchar16_t* p) {
    return reinterpret_cast<UChar*>(p);
}

// ICU counts in int32_t; a larger buffer is offered as the largest it takes.
int32_t icu_capacity(size_t cap) {
    return static_cast<int32_t>(std::min<size_t>(cap, INT32_MAX));
}

// Conversion failures are not errors of the caller, so they are reported
// here, on standard error, rather than through a logger that itself
// depends on this class.
void warn(const char* prefix, UErrorCode status, int line) {
    std::fprintf(stderr, "%s%d at line %d\n", prefix, static_cast<int>(status), line);
    std::fflush(stderr);
}

// Ends an ICU conversion into buf: true with its length len set in *buf_len
// and the terminator written, or false when ICU failed (reported, with the
// line of the conversion).
template <typename T>
bool conversion_done(UErrorCode status, const char* prefix, int line, int32_t len, T* buf,
                     size_t* buf_len) {
    if (U_FAILURE(status)) {
        warn(prefix, status, line);
        return false;
    }
    *buf_len = static_cast<size_t>(len);
    buf[*buf_len] = 0;
    return true;
}

// A byte sequence given as pointer and length: a search pattern or a set.
struct Bytes {
    const char* p;
    size_t n;
};

Bytes c_text(const char* s) {
    s = or_empty(s);
    return Bytes{s, std::strlen(s)};
}

// The set is a C text, so the NUL byte is never a member.
bool in_set(Bytes set, char c) {
    return std::memchr(set.p, c, set.n) != nullptr;
}

// The searches below work on the UTF-8 form t of length len. Forward scans
// stop at the first NUL byte; backward scans start from the last byte when
// pos is at or past the end.

size_t find_first_of_impl(const char* t, size_t len, Bytes set, size_t pos) {
    if (pos >= len || set.n == 0) return ustring::npos;
    for (size_t i = pos; i < len && t[i] != 0; ++i) {
        if (in_set(set, t[i])) return i;
    }
    return ustring::npos;
}

size_t find_first_not_of_impl(const char* t, size_t len, Bytes set, size_t pos) {
    if (pos >= len) return ustring::npos;
    if (set.n == 0) return pos;
    for (size_t i = pos; i < len && t[i] != 0; ++i) {
        if (!in_set(set, t[i])) return i;
    }
    return ustring::npos;
}

size_t find_impl(const char* t, size_t len, Bytes pat, size_t pos) {
    if (pos >= len) return ustring::npos;
    if (pat.n == 0) return pos;
    for (size_t i = pos; pat.n <= len - i && t[i] != 0; ++i) {
        if (t[i] == pat.p[0] && std::memcmp(t + i, pat.p, pat.n) == 0) return i;
    }
    return ustring::npos;
}

size_t find_last_of_impl(const char* t, size_t len, Bytes set, size_t pos) {
    if (len == 0 || set.n == 0) return ustring::npos;
    for (size_t i = std::min(pos, len - 1) + 1; i-- > 0;) {
        if (in_set(set, t[i])) return i;
    }
    return ustring::npos;
}

size_t find_last_not_of_impl(const char* t, size_t len, Bytes set, size_t pos) {
    if (len == 0) return ustring::npos;
    pos = std::min(pos, len - 1);
    if (set.n == 0) return pos;
    for (size_t i = pos + 1; i-- > 0;) {
        if (!in_set(set, t[i])) return i;
    }
    return ustring::npos;
}

size_t rfind_impl(const char* t, size_t len, Bytes pat, size_t pos) {
    if (len == 0) return ustring::npos;
    pos = std::min(pos, len - 1);
    if (pat.n == 0) return pos;
    if (pat.n > len) return ustring::npos;
    // A match may extend past pos, but not past the end.
    for (size_t i = std::min(pos, len - pat.n) + 1; i-- > 0;) {
        if (t[i] == pat.p[0] && std::memcmp(t + i, pat.p, pat.n) == 0) return i;
    }
    return ustring::npos;
}

// Maps A-Z to a-z and every other byte to itself: caseless comparison folds
// ASCII only, so non-ASCII letters keep their case.
constexpr std::array<unsigned char, 256> make_fold_table() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return t;
}
constexpr std::array<unsigned char, 256> kFold = make_fold_table();

}  // namespace

// ---------------------------------------------------------------------------
// Construction

ustring::ustring() {
    init();
}

// The constructors below delegate to ustring() so that the destructor frees
// the buffers if the assignment throws.
ustring::ustring(const char* s) : ustring() {
    assign(s);
}
ustring::ustring(const uchar16_t* s) : ustring() {
    assign(s);
}
ustring::ustring(const ustring& s) : ustring() {
    assign(s, 0, npos);
}
ustring::ustring(const std::string& s) : ustring() {
    assign(s, 0, npos);
}
ustring::ustring(char c) : ustring() {
    assign(c, 1);
}

ustring::~ustring() {
    std::free(data);
    std::free(wdata);
    data = nullptr;
    wdata = nullptr;
}

void ustring::init() {
    data = nullptr;
    data_len = 0;
    data_cap = 0;
    wdata = nullptr;
    wdata_len = 0;
    wdata_cap = 0;
    realloc_data(4);
    try {
        realloc_wdata(4);
    } catch (...) {
        // No destructor runs for a constructor that throws.
        std::free(data);
        data = nullptr;
        throw;
    }
    clear();
}

// ---------------------------------------------------------------------------
// Buffers and the cache

void ustring::realloc_data(size_t len) {
    len = std::max<size_t>(len, 1);  // room for the terminator at least
    if (data_cap >= len && len >= data_cap / 2) return;
    void* p = std::realloc(data, len);
    if (p == nullptr) throw std::bad_alloc();
    data = static_cast<char*>(p);
    data_cap = len;
}

void ustring::realloc_wdata(size_t len) const {
    len = std::max<size_t>(len, 1);
    if (wdata_cap >= len && len >= wdata_cap / 2) return;
    if (len > SIZE_MAX / sizeof(uchar16_t)) throw std::bad_alloc();
    void* p = std::realloc(wdata, len * sizeof(uchar16_t));
    if (p == nullptr) throw std::bad_alloc();
    wdata = static_cast<uchar16_t*>(p);
    wdata_cap = len;
}

void ustring::clear_data() {
    data_len = 0;
    data[0] = 0;
}

void ustring::clear_wdata() const {
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::clear() {
    clear_data();
    clear_wdata();
}

void ustring::swap(ustring& s) {
    std::swap(data, s.data);
    std::swap(data_len, s.data_len);
    std::swap(data_cap, s.data_cap);
    std::swap(wdata, s.wdata);
    std::swap(wdata_len, s.wdata_len);
    std::swap(wdata_cap, s.wdata_cap);
}

void swap(ustring& a, ustring& b) {
    a.swap(b);
}

const ustring::uchar16_t* ustring::c_str_utf16() const {
    if (wdata_len == 0) convert_from_data();
    return wdata;
}

int ustring::convert_from_data() const {
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, data, -1, &status);  // pre-flight for the length
    status = U_ZERO_ERROR;
    realloc_wdata(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    u_strFromUTF8(as_uchar(wdata), icu_capacity(wdata_cap), &len, data, -1, &status);
    if (!conversion_done(status, "Warning: u_strFromUTF8: error code ", __LINE__, len, wdata,
                         &wdata_len)) {
        clear_wdata();
        return -1;
    }
    return 0;
}

int ustring::convert_from_wdata() {
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, as_uchar(wdata), -1, &status);  // pre-flight for the length
    status = U_ZERO_ERROR;
    try {
        realloc_data(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    } catch (...) {
        // The UTF-8 form keeps its old value; the edited cache no longer
        // matches it.
        clear_wdata();
        throw;
    }
    u_strToUTF8(data, icu_capacity(data_cap), &len, as_uchar(wdata), -1, &status);
    if (!conversion_done(status, "Warning: u_strToUTF8: error code ", __LINE__, len, data,
                         &data_len)) {
        clear();
        return -1;
    }
    return 0;
}

// ---------------------------------------------------------------------------
// The edits both forms share. form<T> names the buffer of the form whose
// units are T and what an edit of it needs before and after.

template <>
struct ustring::form<char> {
    static char* buf(ustring& u) { return u.data; }
    static size_t& len(ustring& u) { return u.data_len; }
    static void reserve(ustring& u, size_t n) { u.realloc_data(n); }
    static void prepare(ustring&) {}
    // The cache no longer matches.
    static void edited(ustring& u) { u.clear_wdata(); }
    // After a move to the front the buffer is sized to the text again.
    static void moved(ustring& u, size_t count) { u.realloc_data(count + 1); }
};

template <>
struct ustring::form<ustring::uchar16_t> {
    static uchar16_t* buf(ustring& u) { return u.wdata; }
    static size_t& len(ustring& u) { return u.wdata_len; }
    static void reserve(ustring& u, size_t n) { u.realloc_wdata(n); }
    // The edit applies to the whole text, so the cache must hold it.
    static void prepare(ustring& u) {
        if (u.wdata_len == 0 && u.data_len != 0) u.convert_from_data();
    }
    // The UTF-8 form is rebuilt from the edited one.
    static void edited(ustring& u) { u.convert_from_wdata(); }
    static void moved(ustring&, size_t) {}
};

template <typename T>
ustring& ustring::append_units(const T* s, size_t len) {
    using F = form<T>;
    s = or_empty(s);
    // A source in our own buffer moves with it when the buffer is resized;
    // one in our own (empty) cache means the text the cache is built from.
    const bool own = points_into(s, F::buf(*this), F::len(*this));
    const size_t offset = own ? static_cast<size_t>(s - F::buf(*this)) : 0;
    F::prepare(*this);
    if (own) s = F::buf(*this) + offset;
    const size_t count = bounded_len(s, len);
    F::reserve(*this, grown_size(F::len(*this), count));
    if (own) s = F::buf(*this) + offset;
    std::memmove(F::buf(*this) + F::len(*this), s, count * sizeof(T));
    F::len(*this) += count;
    F::buf(*this)[F::len(*this)] = 0;
    F::edited(*this);
    return *this;
}

template <typename T>
ustring& ustring::fill_units(T c, size_t n) {
    using F = form<T>;
    F::prepare(*this);
    F::reserve(*this, grown_size(F::len(*this), n));
    std::fill_n(F::buf(*this) + F::len(*this), n, c);
    F::len(*this) += n;
    F::buf(*this)[F::len(*this)] = 0;
    F::edited(*this);
    return *this;
}

template <typename T>
ustring& ustring::assign_units(const T* s, size_t len) {
    using F = form<T>;
    s = or_empty(s);
    if (!points_into(s, F::buf(*this), F::len(*this))) {
        clear();
        return append_units(s, len);
    }
    // The source is our own text: emptying first would destroy it.
    const size_t offset = static_cast<size_t>(s - F::buf(*this));
    if (offset == 0) {
        if (len < F::len(*this)) {
            F::reserve(*this, len + 1);  // keeps the first len units
            F::len(*this) = len;
            F::buf(*this)[len] = 0;
            F::edited(*this);
        }
        return *this;
    }
    const size_t count = bounded_len(s, len);
    std::memmove(F::buf(*this), s, count * sizeof(T));
    F::len(*this) = count;
    F::buf(*this)[count] = 0;
    F::edited(*this);
    F::moved(*this, count);
    return *this;
}

// The inline edits of the header call these.
template ustring& ustring::append_units(const char*, size_t);
template ustring& ustring::append_units(const uchar16_t*, size_t);
template ustring& ustring::fill_units(char, size_t);
template ustring& ustring::fill_units(uchar16_t, size_t);
template ustring& ustring::assign_units(const char*, size_t);
template ustring& ustring::assign_units(const uchar16_t*, size_t);

// ---------------------------------------------------------------------------
// UTF-8 edits

ustring& ustring::append(const ustring& x, size_t pos, size_t len) {
    if (pos > x.data_len) throw std::out_of_range("substr");
    // Equal to appending x.substr(pos, len), without the temporary copy.
    return append(x.data + pos, len);
}

ustring& ustring::append(const std::string& x, size_t pos, size_t len) {
    if (pos > x.size()) throw std::out_of_range("basic_string::substr");
    return append(x.data() + pos, std::min(len, x.size() - pos));
}

ustring& ustring::assign(const ustring& x, size_t pos, size_t len) {
    if (&x == this) {
        // Nothing is emptied before the check, so a bad pos leaves us intact.
        if (pos > data_len) throw std::out_of_range("substr");
        return assign(data + pos, len);
    }
    clear();
    return append(x, pos, len);
}

ustring& ustring::assign(const std::string& x, size_t pos, size_t len) {
    clear();
    return append(x, pos, len);
}

// ---------------------------------------------------------------------------
// UTF-16 edits

ustring& ustring::append(uchar16_t c, size_t n) {
    // A zero unit is the terminator of both forms: the UTF-8 form, rebuilt
    // from a NUL-terminated source, could never hold it or what follows it.
    if (c == 0) n = 0;
    return fill_units(c, n);
}

// ---------------------------------------------------------------------------
// Sub-strings and searches

ustring ustring::substr(size_t start, size_t len) const {
    if (start > data_len) throw std::out_of_range("substr");
    ustring result;
    result.assign(data + start, std::min(len, data_len));
    return result;
}

namespace {

// One byte as a C text; the NUL byte gives the empty text.
struct OneByte {
    explicit OneByte(char c) : text{c, 0} {}
    char text[2];
};

Bytes c_text(const ustring& s) {
    return c_text(s.c_str());
}
Bytes c_text(const std::string& s) {
    return c_text(s.c_str());
}

}  // namespace

// Each search comes in four forms that differ only in how the pattern or
// set is given.
#define NIMBRA_USTRING_SEARCH(name)                                       \
    size_t ustring::name(const char* s, size_t pos) const {               \
        return name##_impl(data, data_len, c_text(s), pos);               \
    }                                                                     \
    size_t ustring::name(char c, size_t pos) const {                      \
        return name##_impl(data, data_len, c_text(OneByte(c).text), pos); \
    }                                                                     \
    size_t ustring::name(const ustring& s, size_t pos) const {            \
        return name##_impl(data, data_len, c_text(s), pos);               \
    }                                                                     \
    size_t ustring::name(const std::string& s, size_t pos) const {        \
        return name##_impl(data, data_len, c_text(s), pos);               \
    }

NIMBRA_USTRING_SEARCH(find)
NIMBRA_USTRING_SEARCH(rfind)
NIMBRA_USTRING_SEARCH(find_first_of)
NIMBRA_USTRING_SEARCH(find_first_not_of)
NIMBRA_USTRING_SEARCH(find_last_of)
NIMBRA_USTRING_SEARCH(find_last_not_of)

#undef NIMBRA_USTRING_SEARCH

// ---------------------------------------------------------------------------
// Trimming and replacing, in place

ustring& ustring::trim(const char* list) {
    return ltrim(list).rtrim(list);
}
ustring& ustring::trim(const ustring& list) {
    return ltrim(list).rtrim(list);
}

ustring& ustring::ltrim(const char* list) {
    const Bytes set = c_text(list);
    if (data_len == 0 || set.n == 0) return *this;
    size_t i = 0;
    while (i < data_len && in_set(set, data[i])) ++i;
    if (i == 0) return *this;
    std::memmove(data, data + i, data_len - i);
    data_len -= i;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring& ustring::ltrim(const ustring& list) {
    return ltrim(list.c_str());
}

ustring& ustring::rtrim(const char* list) {
    const Bytes set = c_text(list);
    if (data_len == 0 || set.n == 0) return *this;
    size_t n = data_len;
    while (n > 0 && in_set(set, data[n - 1])) --n;
    if (n == data_len) return *this;
    data_len = n;
    data[n] = 0;
    clear_wdata();
    return *this;
}

ustring& ustring::rtrim(const ustring& list) {
    return rtrim(list.c_str());
}

ustring& ustring::replace(char c1, char c2) {
    bool changed = false;
    for (size_t i = 0; i < data_len; ++i) {
        if (data[i] == c1) {
            data[i] = c2;
            changed = true;
        }
    }
    if (changed && c1 != c2) clear_wdata();
    return *this;
}

// ---------------------------------------------------------------------------
// Comparison, normalisation, validity

int ustring::compare(const ustring& str) const {
    return compare(*this, str, false);
}

int ustring::compare(const ustring& str, size_t n) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(str.data);
    for (size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return a[i] - b[i];
        if (a[i] == 0) break;
    }
    return 0;
}

int ustring::compare(const ustring& a, const ustring& b, bool caseless) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a.data);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b.data);
    if (caseless) {
        for (;; ++p, ++q) {
            const int d = kFold[*p] - kFold[*q];
            if (d != 0 || *p == 0) return d;
        }
    }
    for (;; ++p, ++q) {
        const int d = *p - *q;
        if (d != 0 || *p == 0) return d;
    }
}

ustring ustring::normalize(const ustring& x, normalization_form n) {
    ustring result;
    if (x.empty()) return result;
    UErrorCode status = U_ZERO_ERROR;
    // NFC and NFD are the two modes of the same "nfc" data.
    const UNormalizer2* norm =
        unorm2_getInstance(nullptr, "nfc", n == NFD ? UNORM2_DECOMPOSE : UNORM2_COMPOSE, &status);
    if (U_FAILURE(status) || norm == nullptr) {
        warn("Warning: unorm2_getInstance: error code ", status, __LINE__);
        return result;
    }
    const UChar* src = as_uchar(x.c_str_utf16());
    int32_t len = unorm2_normalize(norm, src, -1, nullptr, 0, &status);  // pre-flight
    result.realloc_wdata(static_cast<size_t>(std::max<int32_t>(len, 0)) + 1);
    status = U_ZERO_ERROR;
    len = unorm2_normalize(norm, src, -1, as_uchar(result.wdata), icu_capacity(result.wdata_cap),
                           &status);
    if (U_FAILURE(status)) {
        warn("Warning: unorm2_normalize: error code ", status, __LINE__);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<size_t>(len);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

ustring ustring::normalize(normalization_form n) const {
    return normalize(*this, n);
}

bool ustring::is_valid(const ustring& x) {
    if (x.empty()) return true;
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    // A pre-flight always ends in a buffer overflow; only an ill-formed
    // sequence makes the text invalid.
    u_strFromUTF8(nullptr, 0, &len, x.data, -1, &status);
    return status != U_INVALID_CHAR_FOUND;
}

// ---------------------------------------------------------------------------
// Free operators

ustring operator+(const ustring& lhs, const ustring& rhs) {
    ustring r(lhs);
    r.append(rhs, 0, ustring::npos);
    return r;
}

ustring operator+(const ustring& lhs, const char* rhs) {
    ustring r(lhs);
    r.append(rhs);
    return r;
}

ustring operator+(const ustring& lhs, char rhs) {
    ustring r(lhs);
    r.append(rhs, 1);
    return r;
}

ustring operator+(const ustring& lhs, const ustring::uchar16_t* rhs) {
    ustring r(lhs);
    r.append(rhs);
    return r;
}

ustring operator+(const ustring& lhs, ustring::uchar16_t rhs) {
    ustring r(lhs);
    r.append(rhs, 1);
    return r;
}

bool operator<(const ustring& a, const ustring& b) {
    return ustring::compare(a, b, false) < 0;
}
bool operator>(const ustring& a, const ustring& b) {
    return ustring::compare(a, b, false) > 0;
}
bool operator<=(const ustring& a, const ustring& b) {
    return ustring::compare(a, b, false) <= 0;
}
bool operator>=(const ustring& a, const ustring& b) {
    return ustring::compare(a, b, false) >= 0;
}
bool operator==(const ustring& a, const ustring& b) {
    return ustring::compare(a, b, false) == 0;
}
bool operator!=(const ustring& a, const ustring& b) {
    return !(a == b);
}

std::ostream& operator<<(std::ostream& os, const ustring& s) {
    return os << s.c_str();
}

std::istream& operator>>(std::istream& is, ustring& s) {
    std::string word;
    is >> word;
    s.assign(word, 0, ustring::npos);
    return is;
}
