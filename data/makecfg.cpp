// Builds a database file from an SQL script: makecfg <output> <script.sql>
// The old output is deleted first; a failed build leaves no output behind.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace
{

bool readScript(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: makecfg <output> <script.sql>\n";
        return 2;
    }
    const std::string output = argv[1];
    const std::string partial = output + ".part";

    std::string script;
    if (!readScript(argv[2], script)) {
        std::cerr << "makecfg: cannot read " << argv[2] << '\n';
        return 1;
    }

    std::remove(output.c_str());
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::cerr << "makecfg: cannot create " << partial << ": " << sqlite3_errmsg(db) << '\n';
        sqlite3_close(db);
        return 1;
    }

    char* message = nullptr;
    const std::string wrapped = "BEGIN;\n" + script + "\nCOMMIT;\n";
    const int rc = sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::cerr << "makecfg: " << argv[2] << ": " << (message ? message : "unknown error") << '\n';
        sqlite3_free(message);
        sqlite3_close(db);
        std::remove(partial.c_str());
        return 1;
    }
    if (sqlite3_close(db) != SQLITE_OK) {
        std::cerr << "makecfg: cannot close " << partial << '\n';
        std::remove(partial.c_str());
        return 1;
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::cerr << "makecfg: cannot write " << output << '\n';
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}
