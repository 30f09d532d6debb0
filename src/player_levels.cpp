#include "player_levels.h"

#include "die.h"
#include "level_file.h"
#include "platform.h"
#include "safe_file.h"
#include "texture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {
const char* const FOLDER = "levels";
const char* const MEDALS_FILE = "level_medals.txt";
const char* const EXTENSION = ".qbl";
const size_t MOST_LEVELS = 1000; // a folder holding more is not read past this many

// Set when the medals file is there but could not be read: writing over it would lose what it holds.
bool keep_unreadable_medals = false;

bool level_file_name(const std::string& Name)
{
    return Name.size() > 4 && Name.compare(Name.size() - 4, 4, EXTENSION) == 0 && Name[0] != '.';
}

// A file name from a level's name: lower-case letters and digits, words joined by dashes.
std::string file_name_for(const std::string& LevelName)
{
    std::string Base;
    for (char C : LevelName)
    {
        if (C >= 'A' && C <= 'Z') C = (char)(C - 'A' + 'a');
        if ((C >= 'a' && C <= 'z') || (C >= '0' && C <= '9'))
            Base += C;
        else if (!Base.empty() && Base.back() != '-')
            Base += '-';
    }
    while (!Base.empty() && Base.back() == '-') Base.pop_back();
    return Base.empty() ? "level" : Base.substr(0, 40);
}

std::string read_medals_text()
{
    std::ifstream In;
    std::string Problem;
    keep_unreadable_medals = false;
    switch (open_plain_file(kept_path(MEDALS_FILE), In, Problem))
    {
    case or_missing:
        return "";
    case or_refused:
        keep_unreadable_medals = true;
        trace('!', "levels: can't read ", kept_path(MEDALS_FILE), ": ", Problem, "; the medals won will not be saved over it");
        return "";
    case or_open:
        break;
    }
    std::string Text(64 << 10, '\0');
    In.read(&Text[0], (std::streamsize)Text.size());
    Text.resize((size_t)In.gcount());
    return Text;
}
} // namespace

void player_levels::scan()
{
    levels.clear();
    medals.clear();
    std::istringstream Kept(read_medals_text());
    int Number = 0;
    for (std::string Line; std::getline(Kept, Line);)
    {
        Number++;
        std::istringstream Words(Line);
        std::string Key;
        int Medals = -1;
        char* End = nullptr;
        if (!(Words >> Key >> Medals) || Key.size() != 16 || Medals < 0 || Medals > 3 ||
            (std::strtoull(Key.c_str(), &End, 16), *End != 0))
        {
            trace('!', "levels: ", kept_path(MEDALS_FILE), " line ", Number, " is not a level's key and its medals; passed over");
            continue;
        }
        medals[std::strtoull(Key.c_str(), nullptr, 16)] = Medals;
    }

    std::vector<std::string> Names;
    if (DIR* Folder = ::opendir(kept_path(FOLDER).c_str()))
    {
        while (dirent* Entry = ::readdir(Folder))
            if (level_file_name(Entry->d_name) && Names.size() < MOST_LEVELS) Names.push_back(Entry->d_name);
        ::closedir(Folder);
    }
    std::sort(Names.begin(), Names.end());
    for (const std::string& Name : Names)
    {
        player_level P;
        std::string Problem;
        P.file = Name;
        if (!load_level_file(kept_path(std::string(FOLDER) + "/" + Name), P.data, Problem))
        {
            trace('!', "levels: can't read ", kept_path(std::string(FOLDER) + "/" + Name), ": ", Problem, "; passed over");
            continue;
        }
        P.key = level_key(P.data);
        levels.push_back(std::move(P));
    }
}

int player_levels::find(uint64_t Key) const
{
    for (size_t a = 0; a < levels.size(); a++)
        if (levels[a].key == Key) return (int)a;
    return -1;
}

int player_levels::add(const level_data& L, std::string& Problem)
{
    const uint64_t Key = level_key(L);
    int Known = find(Key);
    if (Known >= 0) return Known;
    ::mkdir(kept_path(FOLDER).c_str(), 0755); // there already, or the write below says why not
    const std::string Base = file_name_for(L.name);
    std::string Name = Base + EXTENSION;
    struct stat Entry;
    for (int n = 2; ::stat(kept_path(std::string(FOLDER) + "/" + Name).c_str(), &Entry) == 0; n++)
        Name = Base + "-" + std::to_string(n) + EXTENSION;
    if (!replace_file(kept_path(std::string(FOLDER) + "/" + Name), write_level_file(L), Problem)) return -1;
    player_level P;
    P.file = Name, P.data = L, P.key = Key;
    levels.push_back(std::move(P));
    std::sort(levels.begin(), levels.end(), [](const player_level& A, const player_level& B) { return A.file < B.file; });
    return find(Key);
}

int player_levels::keep(const level_data& L, const std::string& File, std::string& Problem)
{
    int Index = -1;
    for (size_t a = 0; a < levels.size(); a++)
        if (levels[a].file == File) Index = (int)a;
    if (File.empty() || Index < 0) return add(L, Problem);
    if (!replace_file(kept_path(std::string(FOLDER) + "/" + File), write_level_file(L), Problem)) return -1;
    levels[Index].data = L;
    levels[Index].key = level_key(L);
    return Index;
}

int player_levels::medals_of(uint64_t Key) const
{
    auto Found = medals.find(Key);
    return Found == medals.end() ? 0 : Found->second;
}

void player_levels::record(uint64_t Key, int Medals)
{
    if (Medals <= medals_of(Key)) return;
    medals[Key] = Medals;
    if (keep_unreadable_medals) return; // said once, when it could not be read
    std::ostringstream Text;
    for (const auto& [K, M] : medals) Text << key_text(K) << " " << M << "\n";
    std::string Problem;
    if (!replace_file(kept_path(MEDALS_FILE), Text.str(), Problem)) trace('!', "levels: can't write ", Problem);
}

texture* level_preview(const level_data& L)
{
    const int Side = 64;
    const double Scale = (double)Side / std::max(L.w, L.h);
    const int OffX = (int)((Side - L.w * Scale) / 2), OffY = (int)((Side - L.h * Scale) / 2);
    std::vector<unsigned char> Rgba((size_t)Side * Side * 4, 0);
    for (int Y = 0; Y < Side; Y++)
        for (int X = 0; X < Side; X++)
        {
            int TX = (int)((X - OffX) / Scale), TY = (int)((Y - OffY) / Scale);
            if (X < OffX || Y < OffY || TX >= L.w || TY >= L.h) continue; // clear round a map that is not square
            unsigned char* P = &Rgba[((size_t)Y * Side + X) * 4];
            const uint8_t* T = &L.rgb[((size_t)TY * L.w + TX) * 3];
            bool Hive = std::abs(TX + 0.5 - L.hive_pos[0]) < 1.0 && std::abs(TY + 0.5 - L.hive_pos[1]) < 1.0;
            P[0] = Hive ? 250 : T[0], P[1] = Hive ? 200 : T[1], P[2] = Hive ? 40 : T[2], P[3] = 255;
        }
    return texture_make("level preview " + key_text(level_key(L)), Side, Side, Rgba);
}

std::string level_replay_path(uint64_t Key, const char* Which)
{
    return kept_path("replays/level-" + key_text(Key) + "-" + Which + ".qbr");
}

bool replay_of(const replay& R, const level_data& L)
{
    return R.level_id == 0 && R.level_hash == level_key(L);
}

void keep_level_replay(const replay& R, const level_data& L)
{
    const uint64_t Key = level_key(L);
    keep_replay_at(R, level_replay_path(Key, "last"), level_replay_path(Key, "best"), L.medal_bees);
}
