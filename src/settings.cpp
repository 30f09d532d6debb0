#include "settings.h"

#include "die.h"
#include "platform.h"
#include "safe_file.h"

#include <sstream>

namespace {
const char* const FILE_NAME = "settings.txt";
const size_t LONGEST = 4096; // a settings file is a few lines: anything longer is not one

std::string trimmed(const std::string& S)
{
    size_t First = S.find_first_not_of(" \t\r");
    if (First == std::string::npos) return "";
    return S.substr(First, S.find_last_not_of(" \t\r") - First + 1);
}

bool yes_or_no(const std::string& Value, bool& Out)
{
    for (const char* Word : {"yes", "on", "true", "1", "no", "off", "false", "0"})
        if (Value == Word)
        {
            Out = Word[0] == 'y' || Word[1] == 'n' || Word[0] == 't' || Word[0] == '1';
            return true;
        }
    return false;
}
} // namespace

bool parse_settings(const std::string& Text, settings& Out, std::string& Problem)
{
    if (Text.size() > LONGEST)
    {
        Problem = "longer than a settings file";
        return false;
    }
    settings Read;
    std::istringstream In(Text);
    int Number = 0;
    for (std::string Line; std::getline(In, Line);)
    {
        Number++;
        for (char C : Line)
            if ((unsigned char)C < 0x20 && C != '\t' && C != '\r')
            {
                Problem = "line " + std::to_string(Number) + " holds a control character";
                return false;
            }
        Line = trimmed(Line.substr(0, Line.find('#')));
        if (Line.empty()) continue;
        size_t Equals = Line.find('=');
        std::string Key = Equals == std::string::npos ? "" : trimmed(Line.substr(0, Equals));
        std::string Value = Equals == std::string::npos ? "" : trimmed(Line.substr(Equals + 1));
        bool Known = Key == "fullscreen" || Key == "sound";
        bool Flag = false;
        if (Key == "page" && Value.rfind("https://", 0) != 0 && Value.rfind("http://", 0) != 0)
        {
            Problem = "line " + std::to_string(Number) + " gives no web address for the page";
            return false;
        }
        if (Key.empty() || (Known && !yes_or_no(Value, Flag)))
        {
            Problem = "line " + std::to_string(Number) + " is not \"key = value\" with a value the game knows";
            return false;
        }
        if (Key == "fullscreen") Read.fullscreen = Flag;
        if (Key == "sound") Read.sound = Flag;
        if (Key == "page") Read.page = Value;
        if (Key == "language")
        {
            if (Value.empty() || Value.size() > 12 || Value.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_") != std::string::npos)
            {
                Problem = "line " + std::to_string(Number) + " names no language";
                return false;
            }
            Read.language = Value;
        }
    }
    Out = Read;
    return true;
}

std::string format_settings(const settings& S)
{
    return std::string("# Quorvel Bees: rewritten by the game whenever a setting changes (F11, M).\n") +
           "fullscreen = " + (S.fullscreen ? "yes" : "no") + "\n" + "sound = " + (S.sound ? "on" : "off") + "\n" +
           (S.language.empty() ? "" : "language = " + S.language + "\n") + (S.page.empty() ? "" : "page = " + S.page + "\n");
}

settings load_settings()
{
    settings S;
    const std::string Path = kept_path(FILE_NAME);
    std::ifstream In;
    std::string Problem;
    open_results Opened = open_plain_file(Path, In, Problem);
    if (Opened == or_missing) return S;
    if (Opened == or_open)
    {
        std::string Text(LONGEST + 1, '\0');
        In.read(&Text[0], (std::streamsize)Text.size());
        Text.resize((size_t)In.gcount());
        if (parse_settings(Text, S, Problem)) return S;
    }
    trace('!', "settings: can't read ", Path, ": ", Problem, "; playing with the defaults");
    return settings();
}

void save_settings(const settings& S)
{
    std::string Problem;
    if (!replace_file(kept_path(FILE_NAME), format_settings(S), Problem)) trace('!', "settings: can't write ", Problem);
}
