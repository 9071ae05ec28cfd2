// ustring: a UTF-8 string with an on-demand UTF-16 cache.
//
// The UTF-8 form is the value: lengths, searches and comparisons work on its
// bytes. The UTF-16 form is built from it only when asked for and is emptied
// by every edit of the UTF-8 form; edits of the UTF-16 form rebuild the UTF-8
// form at once. Buffers are sized exactly (no growth factor) and shrink when
// an edit needs less than half of what is held.
//
// Throws std::bad_alloc when memory runs out (the string keeps its old
// buffer) and std::out_of_range for a sub-string that starts past the end.
// Conversion failures are reported on standard error, never thrown.
//
// Not thread-safe, not even for const calls: c_str_utf16() and normalize()
// fill the cache of a const object.
#ifndef NIMBRA_USTRING_USTRING_H
#define NIMBRA_USTRING_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

class ustring {
public:
    typedef uint16_t uchar16_t;  // one UTF-16 code unit

    enum normalization_form { NFC = 0, NFD = 1 };

    static const size_t npos = static_cast<size_t>(-1);

    ustring();
    ustring(const char* s);
    ustring(const uchar16_t* s);
    ustring(const ustring& s);
    ustring(const std::string& s);
    ustring(char c);
    ~ustring();

    // The stored bytes, NUL-terminated; never null. Both give the same
    // buffer and convert nothing: a string made from bytes (a path) gives
    // back exactly those bytes, valid UTF-8 or not. c_str_utf8 only says
    // what the caller expects to find there.
    const char* c_str() const { return data; }
    const char* c_str_utf8() const { return data; }
    // The UTF-16 buffer, built from the UTF-8 form if the cache is empty;
    // never null. An ill-formed UTF-8 text gives an empty UTF-16 text.
    const uchar16_t* c_str_utf16() const;

    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }

    // The byte at pos of the UTF-8 form; no bounds check. The non-const form
    // may be written through, so it empties the UTF-16 cache.
    char& operator[](size_t pos) {
        clear_wdata();
        return data[pos];
    }
    const char& operator[](size_t pos) const { return data[pos]; }

    // Empties both forms; the capacities do not change.
    void clear();
    // Exchanges the contents; nothing is copied or allocated.
    void swap(ustring& s);

    // UTF-8 edits (the UTF-16 cache is emptied).
    ustring& append(const char* s) { return append_units(s, npos); }
    ustring& append(const char* s, size_t len) { return append_units(s, len); }
    ustring& append(char c, size_t n) { return fill_units(c, n); }
    ustring& append(const ustring& x, size_t pos, size_t len);
    ustring& append(const std::string& x, size_t pos, size_t len);
    ustring& assign(const char* s) { return assign_units(s, npos); }
    ustring& assign(const char* s, size_t len) { return assign_units(s, len); }
    ustring& assign(char c, size_t n) {
        clear();
        return fill_units(c, n);
    }
    ustring& assign(const ustring& x, size_t pos, size_t len);
    ustring& assign(const std::string& x, size_t pos, size_t len);

    // UTF-16 edits (the UTF-8 form is rebuilt from the edited UTF-16 form).
    ustring& append(const uchar16_t* s) { return append_units(s, npos); }
    ustring& append(const uchar16_t* s, size_t len) { return append_units(s, len); }
    ustring& append(uchar16_t c, size_t n);
    ustring& assign(const uchar16_t* s) { return assign_units(s, npos); }
    ustring& assign(const uchar16_t* s, size_t len) { return assign_units(s, len); }
    ustring& assign(uchar16_t c, size_t n) {
        clear();
        return append(c, n);
    }

    ustring& operator=(const char* s) { return assign(s); }
    ustring& operator=(char c) { return assign(c, 1); }
    ustring& operator=(const ustring& s) { return assign(s, 0, npos); }
    ustring& operator=(const std::string& s) { return assign(s, 0, npos); }
    ustring& operator=(const uchar16_t* s) { return assign(s); }
    ustring& operator=(uchar16_t c) { return assign(c, 1); }
    ustring& operator+=(const char* s) { return append(s); }
    ustring& operator+=(char c) { return append(c, 1); }
    ustring& operator+=(const ustring& s) { return append(s, 0, npos); }
    ustring& operator+=(const std::string& s) { return append(s, 0, npos); }
    ustring& operator+=(const uchar16_t* s) { return append(s); }
    ustring& operator+=(uchar16_t c) { return append(c, 1); }

    // At most len bytes from byte start; throws std::out_of_range("substr")
    // when start is past the end.
    ustring substr(size_t start, size_t len) const;

    // Byte-wise searches on the UTF-8 form; npos when nothing matches.
    // Each search takes its pattern or set in four forms.
#define NIMBRA_USTRING_DECLARE_SEARCH(name)          \
    size_t name(const char* s, size_t pos) const;    \
    size_t name(char c, size_t pos) const;           \
    size_t name(const ustring& s, size_t pos) const; \
    size_t name(const std::string& s, size_t pos) const;
    NIMBRA_USTRING_DECLARE_SEARCH(find)
    NIMBRA_USTRING_DECLARE_SEARCH(rfind)
    NIMBRA_USTRING_DECLARE_SEARCH(find_first_of)
    NIMBRA_USTRING_DECLARE_SEARCH(find_first_not_of)
    NIMBRA_USTRING_DECLARE_SEARCH(find_last_of)
    NIMBRA_USTRING_DECLARE_SEARCH(find_last_not_of)
#undef NIMBRA_USTRING_DECLARE_SEARCH

    // Remove bytes of the set from both ends, the front or the back.
    // Never reallocates; the cache is emptied only if a byte was removed.
    ustring& trim(const char* list);
    ustring& trim(const ustring& list);
    ustring& ltrim(const char* list);
    ustring& ltrim(const ustring& list);
    ustring& rtrim(const char* list);
    ustring& rtrim(const ustring& list);

    // Replaces every byte c1 of the UTF-8 form by c2, in place; empties the
    // cache if a byte changed.
    ustring& replace(char c1, char c2);

    int compare(const ustring& str) const;
    // At most the first n bytes, as unsigned values; this minus str.
    int compare(const ustring& str, size_t n) const;
    // Three-way byte comparison; caseless folds ASCII A-Z only.
    static int compare(const ustring& a, const ustring& b, bool caseless);

    // The NFC or NFD form of x; empty on failure (reported on stderr).
    static ustring normalize(const ustring& x, normalization_form n);
    ustring normalize(normalization_form n) const;

    // False only when ICU finds an ill-formed UTF-8 sequence.
    static bool is_valid(const ustring& x);

protected:
    // The edits both forms share, on the form whose units are T; form<T>
    // (ustring.cpp) names its buffer. Defined for char and uchar16_t.
    template <typename T>
    struct form;
    template <typename T>
    ustring& append_units(const T* s, size_t len);
    template <typename T>
    ustring& fill_units(T c, size_t n);
    template <typename T>
    ustring& assign_units(const T* s, size_t len);

    void init();
    void realloc_data(size_t len);
    void realloc_wdata(size_t len) const;
    void clear_data();
    void clear_wdata() const;
    int convert_from_data() const;
    int convert_from_wdata();

    char* data;
    size_t data_len;
    size_t data_cap;
    mutable uchar16_t* wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;
};

void swap(ustring& a, ustring& b);

ustring operator+(const ustring& lhs, const ustring& rhs);
ustring operator+(const ustring& lhs, const char* rhs);
ustring operator+(const ustring& lhs, char rhs);
ustring operator+(const ustring& lhs, const ustring::uchar16_t* rhs);
ustring operator+(const ustring& lhs, ustring::uchar16_t rhs);

bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator<=(const ustring& a, const ustring& b);
bool operator>=(const ustring& a, const ustring& b);
bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);

std::ostream& operator<<(std::ostream& os, const ustring& s);
std::istream& operator>>(std::istream& is, ustring& s);

#endif  // NIMBRA_USTRING_USTRING_H
