#include "ui/windows1250.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "model/app_error.h"

namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when the
// bytes there are not one.
std::size_t Utf8SequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
    if (s.empty()) return 0;
    const unsigned char b0 = byte(0);
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (!cont(1) || !cont(2)) return 0;
        if (b0 == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
        if (b0 == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3)) return 0;
        if (b0 == 0xF0 && byte(1) < 0x90) return 0;   // overlong
        if (b0 == 0xF4 && byte(1) >= 0x90) return 0;  // beyond U+10FFFF
        return 4;
    }
    return 0;
}

class TConverter {
public:
    TConverter()
    {
        Cd = iconv_open("WINDOWS-1250", "UTF-8");
        if (Cd == Invalid) Cd = iconv_open("CP1250", "UTF-8");
        if (Cd == Invalid)
            throw TAppError(std::string("Cannot convert text to Windows-1250. ") + std::strerror(errno));
    }
    ~TConverter() { iconv_close(Cd); }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    std::string Convert(std::string_view utf8)
    {
        // One byte per character: never longer than the UTF-8 text.
        std::string out(utf8.size(), '\0');
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char* dst = out.data();
        std::size_t outLeft = out.size();
        while (inLeft > 0) {
            if (iconv(Cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
            if (errno != EILSEQ && errno != EINVAL) break;  // E2BIG cannot happen
            // A character the code page lacks, or bytes that are no UTF-8:
            // one '?' for the character, or for each stray byte.
            std::size_t skip = Utf8SequenceLength(std::string_view(in, inLeft));
            if (skip == 0) skip = 1;
            *dst++ = '?';
            --outLeft;
            in += skip;
            inLeft -= skip;
            iconv(Cd, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    static inline const iconv_t Invalid = reinterpret_cast<iconv_t>(-1);
    iconv_t Cd;
};

}  // namespace

std::string ToWindows1250(std::string_view utf8)
{
    TConverter converter;
    return converter.Convert(utf8);
}
