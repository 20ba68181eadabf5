// Writing a document back as the text of its file.

#include "settings/RegistryFileFormat.h"

namespace regfile {

std::string Serialize(const TDocument &document)
{
    size_t size = Header.size() + 2;
    size += document.Preamble().empty() ? 0 : document.Preamble().size() + 2;
    for (const TSection &section : document.Sections()) {
        size += section.name.size + 4;
        for (const TLine &line : section.lines)
            size += line.text.size + (line.openContinuation ? 2 : 1);
    }
    std::string out;
    out.reserve(size);
    out += Header;
    out += "\n\n";
    if (!document.Preamble().empty()) {
        out += document.Preamble();
        out += "\n\n";
    }
    for (const TSection &section : document.Sections()) {
        out += '[';
        out += document.NameOf(section);
        out += "]\n";
        for (const TLine &line : section.lines) {
            out += document.Text(line.text);
            out += '\n';
            if (line.openContinuation)
                out += '\n';
        }
        out += '\n';
    }
    return out;
}

} // namespace regfile
