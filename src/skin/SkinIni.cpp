#include "skin/SkinIni.h"

#include <fstream>
#include <iterator>

#include "common/Utf.h"

bool SkinIni::Load(const std::filesystem::path& file) {
    text_ = {};
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Parse(bytes);
    return true;
}

void SkinIni::Parse(std::string_view bytes) {
    const IniBytes split = SplitIniMark(bytes);
    text_.SetText(
        split.encoding == IniEncoding::Utf16Le ? Utf16LeUnits(split.body) : Utf8ToUtf16(split.body),
        true);
}

std::u16string SkinIni::Value(std::u16string_view section, std::u16string_view key) const {
    const auto value = text_.Value(section, key);
    return value ? std::u16string(value->substr(0, kValueUnits - 1)) : std::u16string();
}

std::u16string ReadSkinString(const std::filesystem::path& file, std::u16string_view section,
                              std::u16string_view key) {
    SkinIni ini;
    ini.Load(file);
    return ini.Value(section, key);
}
