#include "history/class_server/line_authority.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace {

const std::regex kSetting(R"((^|\s)ca=([A-Za-z0-9+/=.]*)(?=\s|$))");
constexpr char kBegin[] = "-----BEGIN CERTIFICATE-----";
constexpr char kEnd[] = "-----END CERTIFICATE-----";
constexpr std::size_t kPemLine = 64;

}  // namespace

std::string withoutAuthority(const std::string& line) {
    return std::regex_replace(line, kSetting, "$1");
}

std::string authorityOf(const std::string& line) {
    std::smatch found;
    return std::regex_search(line, found, kSetting) ? found[2].str() : std::string();
}

std::string authorityPem(const std::string& value) {
    std::string pem;
    std::size_t start = 0;
    while (start < value.size()) {
        const std::size_t dot = std::min(value.find('.', start), value.size());
        pem += std::string(kBegin) + "\n";
        for (std::size_t at = start; at < dot; at += kPemLine) {
            pem += value.substr(at, std::min(kPemLine, dot - at)) + "\n";
        }
        pem += std::string(kEnd) + "\n";
        start = dot + 1;
    }
    return pem;
}

std::string authorityValue(const std::string& pem) {
    std::string value;
    for (std::size_t begin = pem.find(kBegin); begin != std::string::npos;
         begin = pem.find(kBegin, begin + 1)) {
        const std::size_t end = pem.find(kEnd, begin);
        if (end == std::string::npos) break;
        std::string body;
        for (std::size_t at = begin + sizeof kBegin - 1; at < end; ++at) {
            if (!std::isspace(static_cast<unsigned char>(pem[at]))) body += pem[at];
        }
        value += (value.empty() ? "" : ".") + body;
    }
    return value;
}
