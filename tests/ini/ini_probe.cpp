// Runs a list of settings queries through GetPrivateProfileStringA and GetPrivateProfileIntA and
// prints every answer byte for byte: built for Windows (the real functions, under Wine) and for
// Linux (the POSIX reader), so that the two outputs can be compared.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/windows_api.h"

namespace {

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.emplace_back();
    }
    return fields;
}

std::string Shown(const char *bytes, size_t count) {
    std::string shown;
    for (size_t i = 0; i < count; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(bytes[i]));
        shown += hex;
    }
    return shown;
}

void QueryString(const std::vector<std::string> &f) {
    const auto size = static_cast<DWORD>(std::stoul(f[5]));
    std::vector<char> buffer(size + 1, '\x7F');
    const DWORD count = GetPrivateProfileStringA(f[2].c_str(), f[3].c_str(), f[4].c_str(),
                                                 buffer.data(), size, f[1].c_str());
    const bool terminated = count < size && buffer[count] == '\0';
    std::printf("-> %lu [%s]%s\n", static_cast<unsigned long>(count),
                Shown(buffer.data(), count < size ? count : size).c_str(),
                terminated ? "" : " unterminated");
}

void QueryInt(const std::vector<std::string> &f) {
    const UINT value =
        GetPrivateProfileIntA(f[2].c_str(), f[3].c_str(), std::atoi(f[4].c_str()), f[1].c_str());
    std::printf("-> %d\n", static_cast<int>(value));
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ini_probe QUERIES\n");
        return 2;
    }
    std::ifstream queries(argv[1]);
    std::printf("code page %u\n", GetACP());
    for (std::string line; std::getline(queries, line);) {
        const std::vector<std::string> f = Fields(line);
        std::string readable = line;
        for (size_t tab; (tab = readable.find('\t')) != std::string::npos;) {
            readable.replace(tab, 1, " | ");
        }
        std::printf("%s ", readable.c_str());
        if (f.size() == 6 && f[0] == "S") {
            QueryString(f);
        } else if (f.size() == 5 && f[0] == "I") {
            QueryInt(f);
        } else {
            std::printf("malformed query\n");
        }
    }
    return 0;
}
