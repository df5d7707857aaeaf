#include "common/AutostartEntry.h"

std::string QuoteExecArgument(std::string_view argument) {
    // First the quoting of the Exec syntax, then the escapes of a string value, because a
    // reader undoes them in the opposite order; '%' would start a field code.
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

std::string AutostartDesktopEntry(const std::filesystem::path& program) {
    const std::u8string path = program.u8string();
    const std::string exec = QuoteExecArgument(
        std::string_view(reinterpret_cast<const char*>(path.data()), path.size()));
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Corvane\n"
           "Exec=" +
           exec +
           " -auto\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}
