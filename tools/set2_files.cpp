// Writes the second set's level files, data/levels/set2/NN-name.qbl, from its drafts: the records in
// tools/player/set2.h and the maps tools/art/maps2.py draws (make_art.py). The game, its demonstrations
// and the balance report read the files alone.
// Usage: set2_files [--out DIR]
#include "data_dir.h"
#include "level_file.h"
#include "player/set2.h"
#include "safe_file.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

int main(int ArgC, char** ArgV)
{
    std::string Out = "data/levels/set2";
    for (int a = 1; a + 1 < ArgC; a += 2)
        if (!std::strcmp(ArgV[a], "--out"))
            Out = ArgV[a + 1];
        else
            return std::fprintf(stderr, "unknown option %s\n", ArgV[a]), 2;
    if (!enter_data_dir()) return std::fprintf(stderr, "cannot find the data directory\n"), 2;
    ::mkdir("data/levels", 0755);
    ::mkdir(Out.c_str(), 0755);
    player::set2_record* Table = player::set2_table();
    for (int i = 0; i < player::SET2_SIZE; i++)
    {
        level_data L;
        std::string Problem;
        if (!record_level_data(Table[i].record, L, Problem)) return std::fprintf(stderr, "level %d: %s\n", i + 1, Problem.c_str()), 1;
        L.line = Table[i].opening;
        std::string Name;
        for (const char* C = Table[i].record.name; *C; C++)
            if ((*C >= 'A' && *C <= 'Z') || (*C >= 'a' && *C <= 'z'))
                Name += (char)(*C | 0x20);
            else if (!Name.empty() && Name.back() != '-')
                Name += '-';
        const std::string Path = Out + "/" + std::to_string(Table[i].record.level_id) + "-" + Name + ".qbl";
        if (!replace_file(Path, write_level_file(L), Problem)) return std::fprintf(stderr, "%s\n", Problem.c_str()), 1;
        std::printf("%s: %d x %d tiles, key %s\n", Path.c_str(), L.w, L.h, key_text(level_key(L)).c_str());
    }
    return 0;
}
