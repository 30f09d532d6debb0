// The game in the player's language: catalogues as msgfmt compiles them, each language's plural rule, and
// the language the environment asks for, read as gettext reads it.
#include "helpers.h"

#include "catalog.h"

namespace {
// A catalogue compiled by msgfmt from a few lines of .po, as the build compiles the game's.
std::string compiled(const std::string& Po)
{
    write_file("test.po", Po);
    EXPECT_EQ(std::system("msgfmt --check -o test.mo test.po"), 0);
    return read_file("test.mo");
}
} // namespace

// Each language's own rule, as its catalogue states it, picks the form a number takes.
TEST(PluralRule, EachLanguagesFormsForEachNumber)
{
    const struct
    {
        const char* rule;
        const char* forms; // the form of 0, 1, 2, 3, 4, 5, 11, 12, 21, 22, 25, 101, 111, 112, 1000
    } Rules[] = {
        {"(n != 1)", "101111111111111"},                                                      // de, es, it, nl, pt_BR, English
        {"(n > 1)", "001111111111111"},                                                       // fr
        {"(n==1) ? 0 : (n>=2 && n<=4) ? 1 : 2", "201112222222222"},                           // cs
        {"(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)", "201112222122222"}, // pl
        {"(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)", "201112220120222"}, // ru, uk
    };
    const unsigned long Numbers[] = {0, 1, 2, 3, 4, 5, 11, 12, 21, 22, 25, 101, 111, 112, 1000};
    for (const auto& R : Rules)
    {
        plural_rule Rule;
        std::string Problem;
        ASSERT_TRUE(Rule.parse(R.rule, Problem)) << Problem;
        std::string Forms;
        for (unsigned long N : Numbers) Forms += (char)('0' + Rule.form(N));
        EXPECT_EQ(Forms, R.forms) << R.rule;
    }
    plural_rule Rule;
    std::string Problem;
    for (const char* Bad : {"", "n ==", "(n > 1", "n ? 1", "m != 1", "n <> 1", "1 2"})
        EXPECT_FALSE(Rule.parse(Bad, Problem)) << Bad;
    EXPECT_EQ(Rule.form(1), 0u) << "a rule refused leaves English's";
}

TEST(Catalog, TranslatesWhatItHoldsWithItsOwnPluralsAndLeavesTheRestInEnglish)
{
    game_dir Dir(false);
    const std::string Po = "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                           "\"Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);\\n\"\n"
                           "msgid \"Paused\"\nmsgstr \"Пауза\"\n"
                           "msgid \"{1} bee home\"\nmsgid_plural \"{1} bees home\"\n"
                           "msgstr[0] \"{1} пчела дома\"\nmsgstr[1] \"{1} пчелы дома\"\nmsgstr[2] \"{1} пчёл дома\"\n"
                           "msgid \"Untranslated\"\nmsgstr \"\"\n";
    catalog C;
    std::string Problem;
    ASSERT_TRUE(C.read(compiled(Po), Problem)) << Problem;
    EXPECT_STREQ(C.text("Paused"), "Пауза");
    EXPECT_STREQ(C.text("Untranslated"), "Untranslated");
    EXPECT_STREQ(C.text("Not in it"), "Not in it");
    EXPECT_EQ(C.plurals, 3);
    const std::pair<unsigned long, const char*> Counts[] = {{1, "{1} пчела дома"}, {3, "{1} пчелы дома"}, {5, "{1} пчёл дома"},
                                                            {11, "{1} пчёл дома"}, {21, "{1} пчела дома"}, {22, "{1} пчелы дома"}};
    for (const auto& [N, Form] : Counts) EXPECT_STREQ(C.plural("{1} bee home", "{1} bees home", N), Form) << N;
    EXPECT_STREQ(C.plural("{1} flower", "{1} flowers", 2), "{1} flowers") << "English where it has none";

    const std::string Whole = compiled(Po);
    for (const std::string& Bad : {std::string(), std::string("hello"), Whole.substr(0, 30), Whole.substr(0, Whole.size() - 20)})
    {
        catalog Broken;
        EXPECT_FALSE(Broken.read(Bad, Problem)) << Bad.size();
        EXPECT_STREQ(Broken.text("Paused"), "Paused");
    }
}

TEST(Language, AskedForAsGettextReadsTheEnvironment)
{
    using L = std::vector<std::string>;
    EXPECT_EQ(languages_asked(nullptr, nullptr, nullptr, "de_DE.UTF-8"), (L{"de_DE", "de"}));
    EXPECT_EQ(languages_asked(nullptr, nullptr, "pt_BR.UTF-8", "de_DE.UTF-8"), (L{"pt_BR", "pt"})) << "LC_MESSAGES before LANG";
    EXPECT_EQ(languages_asked(nullptr, "ru_RU", "pt_BR", "de_DE"), (L{"ru_RU", "ru"})) << "LC_ALL before both";
    EXPECT_EQ(languages_asked("uk:ru", nullptr, nullptr, "de_DE.UTF-8"), (L{"uk", "ru"})) << "LANGUAGE's list first";
    EXPECT_EQ(languages_asked("fr", nullptr, nullptr, "C.UTF-8"), L{}) << "the plain locale speaks English, as gettext's";
    EXPECT_EQ(languages_asked(nullptr, nullptr, nullptr, nullptr), L{});
    EXPECT_EQ(languages_asked(nullptr, "", nullptr, "sr_RS@latin"), (L{"sr_RS", "sr"})) << "an empty LC_ALL is unset";
}
