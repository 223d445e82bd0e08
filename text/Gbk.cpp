#include "text/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on a sequence the target cannot hold or the source does not form,
    // writes "?" and skips `skip(rest)` bytes of input.
    template <typename Skip>
    std::string Run(std::string_view in, Skip skip) {
        std::string out;
        out.reserve(in.size() * 2);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buf[1024];
        while (srcLeft > 0) {
            char* dst = buf;
            size_t dstLeft = sizeof buf;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (truncated at the end): replace and resynchronise.
            out.push_back('?');
            size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence at the start of `s`, at least 1 byte.
size_t Utf8SkipLength(std::string_view s) {
    auto b = static_cast<unsigned char>(s[0]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (n > s.size()) return s.size();
    for (size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    }
    return n;
}

size_t GbkSkipLength(std::string_view s) {
    // A lead byte followed by a byte that is not a trail byte skips only the lead byte,
    // so an ASCII character after a broken lead byte survives.
    if (s.size() >= 2 && IsGbkLeadByte(static_cast<unsigned char>(s[0]))) {
        auto t = static_cast<unsigned char>(s[1]);
        if (t >= 0x40 && t <= 0xFE && t != 0x7F) return 2;
    }
    return 1;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    thread_local Converter conv("GBK", "UTF-8");
    return conv.Run(utf8, Utf8SkipLength);
}

std::string GbkToUtf8(std::string_view gbk) {
    thread_local Converter conv("UTF-8", "GBK");
    return conv.Run(gbk, GbkSkipLength);
}
