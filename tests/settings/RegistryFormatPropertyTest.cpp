// Rewriting a settings file never changes what it means: for generated files
// of every kind of line the parser accepts, the values read from the file
// are the values read from its rewrite, and a second rewrite changes nothing.

#include "StoreFixture.h"
#include "settings/RegistryFileFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// What a document means to a reader: each section's values by name, the
// value a reader would find for each name.
std::string Meaning(const regfile::TDocument &document)
{
    std::string out;
    for (const regfile::TSection &section : document.Sections()) {
        out += "[" + regfile::FoldCase(document.NameOf(section)) + "]\n";
        std::vector<std::string> seen;
        for (const regfile::TLine &line : section.lines) {
            if (line.kind == regfile::TLineKind::Unparsed)
                continue;
            const std::string name = regfile::FoldCase(document.NameOf(line));
            if (std::find(seen.begin(), seen.end(), name) != seen.end())
                continue;
            seen.push_back(name);
            const regfile::TLine *found = document.FindValue(section, name);
            out += name + "=" + std::to_string(static_cast<int>(found->kind)) + ":" + std::to_string(found->dword)
                + (found->badSize ? "!" : "") + "\n";
        }
    }
    return out;
}

std::string Hex(std::mt19937 &random, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(random() % 256));
        out += (i ? "," : "") + std::string(byte);
    }
    return out;
}

// One line, or a few for hex data continued with backslashes, some of them
// cut short at the end.
std::string RandomLine(std::mt19937 &random)
{
    const char *names[] = {"boards", "Boards", "0", "1", "6", "marks", "@", "play\\\"x"};
    const std::string name = names[random() % std::size(names)];
    const std::string quoted = name == "@" ? "@" : "\"" + name + "\"";
    switch (random() % 12) {
    case 0:
        return "";
    case 1:
        return "   ";
    case 2:
        return "; a comment";
    case 3:
        return "[HKEY_CURRENT_USER\\Software\\drawvane" + std::string(random() % 2 ? "\\div" : "") + "]";
    case 4:
        return quoted + "=\"text\"";
    case 5:
        return quoted + "=hex(4):" + Hex(random, static_cast<int>(random() % 6));
    case 6:
        // Continued over lines, the last one perhaps ending in a backslash.
        return quoted + "=hex(4):" + Hex(random, 2) + ",\\\n  " + Hex(random, 2) + (random() % 2 ? ",\\" : "");
    case 7:
        return quoted + "=hex(4):" + Hex(random, 4) + "\\";
    case 8:
        return quoted + "=hex:" + Hex(random, 3);
    case 9:
        return "garbage without an equals sign";
    default: {
        char data[16];
        std::snprintf(data, sizeof data, "%08x", static_cast<unsigned>(random()));
        return quoted + "=dword:" + data;
    }
    }
}

TEST(RegistryFormat, RewritingAnyAcceptedFileKeepsItsMeaning)
{
    std::mt19937 random(20261208);
    int accepted = 0;
    for (int file = 0; file < 3000; ++file) {
        std::string text = random() % 8 == 0 ? "REGEDIT4\n" : "Windows Registry Editor Version 5.00\n";
        text += "\n[HKEY_CURRENT_USER\\Software\\drawvane]\n";
        const int lines = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i)
            text += RandomLine(random) + (random() % 4 ? "\n" : "\r\n");
        if (random() % 3 == 0 && !text.empty())
            text.pop_back(); // no line end at the end of the file
        const auto parsed = regfile::Parse(text);
        ASSERT_TRUE(parsed) << text;
        ++accepted;
        const std::string rewritten = regfile::Serialize(*parsed);
        const auto reread = regfile::Parse(rewritten);
        ASSERT_TRUE(reread) << rewritten;
        ASSERT_EQ(Meaning(*reread), Meaning(*parsed)) << "file:\n" << text << "\nrewritten:\n" << rewritten;
        ASSERT_EQ(regfile::Serialize(*reread), rewritten) << text;
    }
    EXPECT_EQ(accepted, 3000);
}

// The value a reader takes for name in a key: its number, or -1 when there
// is none that reads as a 32-bit value.
long long Reads(const regfile::TDocument &document, const char *key, const char *name)
{
    const regfile::TSection *section = document.FindSection(key);
    const regfile::TLine *line = section ? document.FindValue(*section, name) : nullptr;
    if (!line || line->kind != regfile::TLineKind::Dword || line->badSize)
        return -1;
    return line->dword;
}

TEST(RegistryFormat, HexDataCutShortAtTheEndStaysBrokenAfterAnUnrelatedWrite)
{
    const std::string text = "Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_CURRENT_USER\\Software\\drawvane\\div]\n"
                             "\"6\"=hex(4):05,00,00,00\\";
    auto document = regfile::Parse(text);
    ASSERT_TRUE(document);
    const char *div = "HKEY_CURRENT_USER\\Software\\drawvane\\div";
    EXPECT_EQ(Reads(*document, div, "6"), -1);
    document->SetDword(*document->FindSection(div), "0", 1);
    const auto after = regfile::Parse(regfile::Serialize(*document));
    ASSERT_TRUE(after);
    EXPECT_EQ(Reads(*after, div, "6"), -1) << "a rewrite gave division 7 a value";
    EXPECT_EQ(Reads(*after, div, "0"), 1);
}

// Small edges of the format, each a careless change away from a wrong
// reading.
TEST(RegistryFormat, EdgesOfKeysNamesAndData)
{
    const std::string header = "Windows Registry Editor Version 5.00\n\n";

    // A key is not another key whose name merely begins with it.
    const auto keys = regfile::Parse(header
                                     + "[HKEY_CURRENT_USER\\Software\\drawvane2]\n\n"
                                       "[HKEY_CURRENT_USER\\Software\\other\\sub]\n");
    ASSERT_TRUE(keys);
    EXPECT_FALSE(keys->KeyExists("hkey_current_user\\software\\drawvane"));
    EXPECT_TRUE(keys->KeyExists("hkey_current_user\\software\\other"));

    // A subkey is found past a sibling whose name sorts between the two.
    const auto sorted = regfile::Parse(header + "[K\\a!]\n[K\\A\\sub]\n[K\\a2]\n");
    ASSERT_TRUE(sorted);
    EXPECT_TRUE(sorted->KeyExists("k\\a"));
    EXPECT_FALSE(sorted->KeyExists("k\\a\\su"));

    // A key named twice is one key, found in any case and spelled as it
    // first was; its later lines follow its first ones, and the last value
    // of a name wins.
    const auto twice = regfile::Parse(header
                                      + "[K\\One]\n\"v\"=dword:00000001\n\"w\"=dword:00000002\n"
                                        "[K\\Two]\n\"v\"=dword:00000005\n"
                                        "[k\\ONE]\n\"V\"=dword:00000003\n\"x\"=dword:00000004\n");
    ASSERT_TRUE(twice);
    ASSERT_EQ(twice->Sections().size(), 2u);
    EXPECT_EQ(twice->NameOf(twice->Sections()[0]), "K\\One");
    EXPECT_EQ(Reads(*twice, "k\\one", "v"), 3);
    EXPECT_EQ(Reads(*twice, "K\\ONE", "w"), 2);
    EXPECT_EQ(Reads(*twice, "K\\One", "x"), 4);
    EXPECT_EQ(Reads(*twice, "K\\Two", "v"), 5);
    EXPECT_EQ(regfile::Serialize(*twice),
              header
                  + "[K\\One]\n\"v\"=dword:00000001\n\"w\"=dword:00000002\n\"V\"=dword:00000003\n"
                    "\"x\"=dword:00000004\n\n[K\\Two]\n\"v\"=dword:00000005\n\n");

    // A name with a backslash and a quote is written escaped and read back,
    // and so is a value changed under it.
    regfile::TDocument written;
    written.SetDword(written.AddSection("HKEY_CURRENT_USER\\Software\\drawvane"), "a\\b\"c", 7);
    auto reread = regfile::Parse(regfile::Serialize(written));
    ASSERT_TRUE(reread);
    const char *product = "HKEY_CURRENT_USER\\Software\\drawvane";
    EXPECT_EQ(Reads(*reread, product, "A\\b\"C"), 7);
    reread->SetDword(*reread->FindSection(product), "a\\B\"c", 8);
    EXPECT_EQ(regfile::Serialize(*reread), header + "[" + product + "]\n\"a\\\\b\\\"c\"=dword:00000008\n\n");

    // Lines written back as they stood, whatever ended them in the file:
    // CRLF, trailing blanks, blank lines between them.
    const auto crlf = regfile::Parse(header
                                     + "; made by hand \r\n\r\n[HKEY_CURRENT_USER\\x]\r\n  one line\t\r\n\r\n\r\n"
                                       "another\r\n\"v\"=hex(4):01,\\  \r\n  02,\\\r\n  03,04 \r\nlast\r\n");
    ASSERT_TRUE(crlf);
    EXPECT_EQ(Reads(*crlf, "HKEY_CURRENT_USER\\x", "v"), 0x04030201);
    EXPECT_EQ(regfile::Serialize(*crlf),
              header
                  + "; made by hand\n\n[HKEY_CURRENT_USER\\x]\n  one line\nanother\n"
                    "\"v\"=hex(4):01,\\\n  02,\\\n  03,04\nlast\n\n");

    // A UTF-16 file: the characters on each side of UTF-8's two- and
    // three-byte boundary.
    const auto utf16 =
        regfile::Parse(storetest::Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                          u"[HKEY_CURRENT_USER\\x]\r\n\"\u07FF\u0800\"=dword:00000001\r\n"));
    ASSERT_TRUE(utf16);
    EXPECT_EQ(Reads(*utf16, "HKEY_CURRENT_USER\\x", "\xDF\xBF\xE0\xA0\x80"), 1);

    // Data that is not what it seems is no dword: a bad digit in either
    // place of a byte, a type of more than eight digits.
    for (const char *data : {"hex(4):01,0g,00,00", "hex(4):01,g0,00,00", "hex(000000004):01,00,00,00"}) {
        const auto document = regfile::Parse(header + "[HKEY_CURRENT_USER\\x]\n\"v\"=" + data + "\n");
        ASSERT_TRUE(document);
        EXPECT_EQ(Reads(*document, "HKEY_CURRENT_USER\\x", "v"), -1) << data;
    }
}

} // namespace
