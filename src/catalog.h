// The translations of the game's words: a GNU gettext message catalogue (a .mo file compiled by msgfmt from
// po/LL.po), looked up by the English text as gettext does, with the plural forms of the catalogue's own
// Plural-Forms rule. Read by the game itself, so a language works whether or not the system has a locale
// for it, and the same way in the web page. A catalogue that cannot be read leaves the English words.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A plural rule as catalogues write it, "n%10==1 && n%100!=11 ? 0 : ...": C's integer expressions of n.
class plural_rule
{
public:
    // Defaults to English: one form for 1, another for the rest.
    plural_rule();
    // False with Problem for what is no such expression; the rule is then left as it was.
    bool parse(const std::string& Expression, std::string& Problem);
    unsigned long form(unsigned long N) const;

private:
    struct node
    {
        char op; // 'n'; '#' a number; '?' a choice; '!' not; or an operator: + - * / % < > l (<=) g (>=) = (==) x (!=) & |
        unsigned long value;
        int a, b, c; // its operands, in the order written
    };
    std::vector<node> nodes;
    int root;
    unsigned long eval(int Node, unsigned long N) const;
};

class catalog
{
public:
    std::string language; // as found: "de", "pt_BR"; empty while English
    int plurals;          // forms a plural has

    catalog();
    // The catalogue's bytes, whole or refused (false with Problem, the catalogue left as it was).
    bool read(const std::string& Bytes, std::string& Problem);
    // The translation of Message, or Message itself where there is none.
    const char* text(const char* Message) const;
    // The form of Singular or Plural for the number N, translated where there is a translation.
    const char* plural(const char* Singular, const char* Plural, unsigned long N) const;

private:
    std::map<std::string, std::string> messages; // by the English, a plural's forms apart by NULs
    plural_rule rule;
};

// The languages asked for by the environment, as gettext reads it: LANGUAGE (a list apart by colons) when
// the locale is not plain C, else the first of LC_ALL, LC_MESSAGES and LANG that is set; each as given and
// without its country, codeset and modifier ("de_DE.UTF-8" asks for de_DE, then de).
std::vector<std::string> languages_asked(const char* Language, const char* LcAll, const char* LcMessages, const char* Lang);
