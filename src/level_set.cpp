#include "level_set.h"

#include "die.h"
#include "level_file.h"
#include "platform.h"
#include "safe_file.h"

#include <algorithm>
#include <dirent.h>
#include <sstream>

namespace {
const char* const PROGRESS_FILE = "second_set.txt";
const char* const HEADER = "quorvel-bees second set 1";
const size_t MOST_LEVELS = 100;

// Set when the progress file is there but could not be read: writing over it would lose what it holds.
bool keep_unreadable_progress = false;

std::vector<std::string> level_files(const std::string& Folder)
{
    std::vector<std::string> Names;
    if (DIR* D = ::opendir(Folder.c_str()))
    {
        while (dirent* Entry = ::readdir(D))
        {
            const std::string Name = Entry->d_name;
            if (Name.size() > 4 && Name.compare(Name.size() - 4, 4, ".qbl") == 0 && Name[0] != '.' && Names.size() < MOST_LEVELS)
                Names.push_back(Name);
        }
        ::closedir(D);
    }
    std::sort(Names.begin(), Names.end());
    return Names;
}

// The medals kept, by file name; a line that is not a name and its medals is passed over.
std::vector<std::pair<std::string, int>> read_progress()
{
    std::vector<std::pair<std::string, int>> Kept;
    const std::string Path = kept_path(PROGRESS_FILE);
    std::ifstream In;
    std::string Problem;
    keep_unreadable_progress = false;
    switch (open_plain_file(Path, In, Problem))
    {
    case or_missing:
        return Kept;
    case or_refused:
        keep_unreadable_progress = true;
        trace('!', "second set: can't read ", Path, ": ", Problem, "; the medals won will not be saved over it");
        return Kept;
    case or_open:
        break;
    }
    std::string Text(16 << 10, '\0');
    In.read(&Text[0], (std::streamsize)Text.size());
    Text.resize((size_t)In.gcount());
    std::istringstream Lines(Text);
    std::string Line;
    if (!std::getline(Lines, Line) || Line != HEADER)
    {
        keep_unreadable_progress = true;
        trace('!', "second set: ", Path, " is not the second set's medals; they will not be saved over it");
        return Kept;
    }
    for (int Number = 2; std::getline(Lines, Line); Number++)
    {
        std::istringstream Words(Line);
        std::string Name, Rest;
        int Medals = -1;
        if (!(Words >> Name >> Medals) || Medals < 0 || Medals > 3 || (Words >> Rest))
        {
            trace('!', "second set: ", Path, " line ", Number, " is not a level's file and its medals; passed over");
            continue;
        }
        Kept.push_back({Name, Medals});
    }
    return Kept;
}
} // namespace

void level_set::load(const std::string& Folder)
{
    folder = Folder;
    levels.clear();
    const std::vector<std::pair<std::string, int>> Kept = read_progress();
    for (const std::string& Name : level_files(Folder))
    {
        set_level S;
        std::string Problem;
        S.file = Name;
        if (!load_level_file(Folder + "/" + Name, S.data, Problem))
        {
            trace('!', "second set: can't read ", Folder, "/", Name, ": ", Problem, "; passed over");
            continue;
        }
        S.key = level_key(S.data);
        S.medals = 0;
        for (const auto& [File, Medals] : Kept)
            if (File == Name) S.medals = std::max(S.medals, Medals);
        levels.push_back(std::move(S));
    }
}

int level_set::open_count(int Gate) const
{
    if (Gate == 0) return 0;
    int Open = 0;
    while (Open < (int)levels.size())
        if (levels[Open++].medals == 0) break;
    return Open;
}

int level_set::find(uint64_t Key) const
{
    for (size_t a = 0; a < levels.size(); a++)
        if (levels[a].key == Key) return (int)a;
    return -1;
}

int level_set::medals_of(uint64_t Key) const
{
    const int Index = find(Key);
    return Index < 0 ? 0 : levels[Index].medals;
}

void level_set::record(uint64_t Key, int Medals)
{
    const int Index = find(Key);
    if (Index < 0 || Medals <= levels[Index].medals) return;
    levels[Index].medals = Medals;
    if (keep_unreadable_progress) return; // said once, when it could not be read
    // Medals of files no longer shipped are kept too, should they come back.
    std::vector<std::pair<std::string, int>> All = read_progress();
    std::ostringstream Text;
    Text << HEADER << "\n";
    for (const set_level& S : levels)
        if (S.medals > 0) Text << S.file << " " << S.medals << "\n";
    for (const auto& Kept : All)
        if (std::none_of(levels.begin(), levels.end(), [&](const set_level& S) { return S.file == Kept.first; }))
            Text << Kept.first << " " << Kept.second << "\n";
    std::string Problem;
    if (!replace_file(kept_path(PROGRESS_FILE), Text.str(), Problem)) trace('!', "second set: can't write ", Problem);
}

bool find_set_level(uint64_t Key, level_data& Out, const std::string& Folder)
{
    for (const std::string& Name : level_files(Folder))
    {
        level_data L;
        std::string Problem;
        if (load_level_file(Folder + "/" + Name, L, Problem) && level_key(L) == Key)
        {
            Out = std::move(L);
            return true;
        }
    }
    return false;
}
