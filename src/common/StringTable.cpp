#include "common/StringTable.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "common/Utf.h"

namespace {

std::string Unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            if (n == 'n' || n == 't' || n == '\\') {
                out.push_back(n == 'n' ? '\n' : n == 't' ? '\t' : '\\');
                ++i;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

}  // namespace

bool StringTable::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    Parse(all.str());
    return true;
}

void StringTable::Parse(std::string_view text) {
    texts_.clear();
    loaded_ = true;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            continue;
        }
        int number = 0;
        const auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, number);
        if (ec != std::errc() || ptr != line.data() + tab) {
            continue;
        }
        texts_[number] = Utf8ToUtf16(Unescape(line.substr(tab + 1)));
    }
}

std::u16string StringTable::Get(int number, std::size_t bufferUnits) const {
    const auto it = texts_.find(number);
    if (it == texts_.end() || bufferUnits == 0) {
        return {};
    }
    return std::u16string(CutUnits(it->second, bufferUnits - 1));
}
