#include "app/FileNotices.h"

#include <algorithm>

#include "common/StringTable.h"
#include "common/Utf.h"

namespace {

constexpr std::size_t kBudget = StringTable::kWarningBufferUnits - 1;
constexpr std::u16string_view kEllipsis = u"...";

std::u16string Shorten(const std::u16string& text, std::size_t units) {
    if (text.size() <= units || units <= kEllipsis.size() + 2) {
        return text.size() <= units ? text : text.substr(0, units);
    }
    const std::size_t keep = units - kEllipsis.size();
    const std::size_t head = keep / 2;
    // The end of a path names the file: it keeps the larger half.
    return text.substr(0, head) + std::u16string(kEllipsis) + text.substr(text.size() - (keep - head));
}

// Lines joined under their leads, each item held to an equal share of what is left.
std::u16string Compose(const std::vector<std::pair<std::u16string_view, std::vector<std::u16string>>>& groups,
                       std::u16string_view tail) {
    std::size_t fixed = tail.size();
    std::size_t items = 0;
    for (const auto& [lead, lines] : groups) {
        if (!lines.empty()) {
            fixed += lead.size() + 1;
            items += lines.size();
        }
    }
    fixed += items + (tail.empty() ? 0 : 1);  // line breaks
    const std::size_t share =
        items == 0 ? 0 : std::max<std::size_t>(12, (kBudget > fixed ? kBudget - fixed : 0) / items);
    std::u16string out;
    for (const auto& [lead, lines] : groups) {
        if (lines.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += u'\n';
        }
        out += lead;
        for (const std::u16string& line : lines) {
            out += u'\n';
            out += Shorten(line, share);
        }
    }
    if (!tail.empty()) {
        out += u'\n';
        out += tail;
    }
    return std::u16string(CutUnits(out, kBudget));
}

}  // namespace

std::u16string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.u16string();
#else
    return Utf8ToUtf16(path.string());
#endif
}

std::u16string LoadProblemText(const FileProblems& problems, const FileNoticeTexts& texts) {
    std::vector<std::u16string> unreadable, setAside;
    for (const FileProblem& p : problems) {
        if (p.kind == FileProblem::TooLarge) {
            std::u16string line = PathText(p.file);
            if (p.keptAs) {
                line += u" " + texts.keptAs + u" " + PathText(p.keptAs->filename());
            }
            setAside.push_back(std::move(line));
        } else {
            unreadable.push_back(PathText(p.file));
        }
    }
    return Compose({{texts.unreadable, unreadable}, {texts.setAside, setAside}}, {});
}

std::u16string ProgramImportText(std::u16string_view lead,
                                 const std::vector<std::u16string>& programs,
                                 std::u16string_view question) {
    return Compose({{lead, programs}}, question);
}
