#include "app/AutoRunDesktopEntry.h"

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

std::filesystem::path LaunchPath(const std::filesystem::path& program) {
    namespace fs = std::filesystem;
    // <prefix>/lib/corvane/corvane and <prefix>/lib/<multiarch>/corvane/corvane.
    fs::path up = program.parent_path().parent_path();
    for (int depth = 0; depth < 2 && !up.empty(); ++depth, up = up.parent_path()) {
        const fs::path link = up.parent_path() / "bin" / program.filename();
        std::error_code error;
        if (fs::equivalent(link, program, error) && !error) {
            return link;
        }
    }
    return program;
}
