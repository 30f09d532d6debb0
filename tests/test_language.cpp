// The game in the player's language: catalogues as msgfmt compiles them, each language's plural rule, and
// the language the environment asks for, read as gettext reads it.
#include "helpers.h"

#include "bindings.h"
#include "button.h"
#include "catalog.h"
#include "editor.h"
#include "editor_help.h"
#include "help_card.h"
#include "level.h"
#include "level_edit.h"
#include "level_set.h"
#include "own_levels.h"
#include "picture.h"
#include "play.h"
#include "picture_text.h"
#include "results_card.h"
#include "second_set.h"
#include "text.h"
#include "texts.h"

#include <map>
#include <set>

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

namespace {
// What a language's words would spoil: each fault names the language, the place and the words.
struct fit_faults
{
    std::string language;
    std::vector<std::string> found;

    void note(const std::string& What) { found.push_back((language.empty() ? "English" : language) + ": " + What); }
    // Text drawn at Size on one line where Room is all there is.
    void one_line(const font& Letters, const std::string& Where, const std::string& Text, double Size, double Room)
    {
        const double W = Letters.width(Text, Size);
        if (W > Room) note(Where + " \"" + Text + "\" is " + std::to_string(W) + " wide in " + std::to_string(Room));
    }
    // A size the layout shrank to, against what English gets.
    void legible(const std::string& Where, double Size, double English)
    {
        if (Size < 0.8 * English) note(Where + " shrinks to " + std::to_string(Size) + " from English " + std::to_string(English));
    }
    void apart(const std::string& Where, const button_place& Left, const button_place& Right)
    {
        const double Gap = (Right.center[0] - Right.radius[0]) - (Left.center[0] + Left.radius[0]);
        if (Gap < 0.1) note(Where + ": buttons " + std::to_string(Gap) + " apart");
    }
};

struct english_again
{
    ~english_again() { texts::use_language(""); }
};
} // namespace

// Every language's words stand in their places: no line past its panel, no button over another, no card
// shrunk to where it is hard to read. English is measured too, as what the others are held to.
TEST(Language, EveryTextFitsItsPlaceInEveryLanguage)
{
    game_dir Dir;
    fresh_level_table();
    english_again Afterwards;
    font Letters;
    level_set Second;
    Second.load();
    EXPECT_FALSE(Second.levels.empty());
    struct sizes
    {
        double help[3], editor_help[2], editor_labels, rules, results;
    } English{};
    std::vector<std::string> Faults;
    for (size_t l = 0; l <= texts::LANGUAGE_COUNT; l++)
    {
        const std::string Code = l ? texts::LANGUAGES[l - 1].code : "";
        ASSERT_TRUE(texts::use_language(Code)) << "no catalogue for " << Code;
        fit_faults F{Code, {}};
        sizes Now;

        // The help cards: keys, keys where Escape stays, a phone's buttons and gestures.
        for (int Case = 0; Case < 3; Case++)
        {
            const bool Touch = Case == 2;
            const help_layout L = lay_out_help(Letters, Touch, Case == 0);
            const std::string Where = "help card " + std::to_string(Case);
            Now.help[Case] = L.size;
            if (L.bottom > 8.45) F.note(Where + " runs off the card");
            for (const auto& Lines : L.explained)
                for (const std::string& Line : Lines) F.one_line(Letters, Where, Line, L.size, 12.2 - 1.1 - 3.0);
            for (size_t r = 0; r < L.rows.size(); r++)
            {
                const double ColumnRight = L.columns == 1 || L.key_edge(r) > PICTURE_MIDDLE ? 12.2 : 1.1 + (12.2 - 1.1) / 2;
                for (const std::string& Line : L.does[r]) F.one_line(Letters, Where, Line, L.size, ColumnRight - L.key_edge(r) - 0.25);
            }
            F.one_line(Letters, Where, Touch ? texts::HELP_CLOSE_TOUCH : texts::HELP_CLOSE, 0.32, 11.1);
        }
        // The title's right end stays clear of the language button in the corner.
        F.one_line(Letters, "help title", texts::HELP_TITLE, 0.6,
                   2 * (12.2 - 2 * button_radius(Letters, texts::LANGUAGE_NAME)[0] - 0.1 - PICTURE_MIDDLE));
        for (int Touch = 0; Touch < 2; Touch++)
        {
            const editor_help_layout L = lay_out_editor_help(Letters, Touch);
            Now.editor_help[Touch] = L.size;
            if (L.bottom > 8.5) F.note("editor help runs off the card");
        }
        F.one_line(Letters, "editor help title", texts::EDITOR_HELP_TITLE, 0.6, 11.3);

        // The pictures' words where the painted English ones stood.
        Now.rules = rules_words_size(Letters, 4.0);
        Now.results = result_words_size(Letters, 4.0);

        // The title: its buttons either side of the go button, the row's label, why the go button shook.
        const double GoLeft = PICTURE_MIDDLE - 0.66 - 0.1, GoRight = PICTURE_MIDDLE + 0.66 + 0.1;
        if (button_radius(Letters, texts::EDITOR_BUTTON)[0] > std::min(3.666 - 0.9, GoLeft - 3.666)) F.note("the editor's button reaches the go button");
        if (12.42 - 0.32 - 0.25 - 2 * button_radius(Letters, texts::OWN_LEVELS_BUTTON)[0] < GoRight) F.note("the levels' button reaches the go button");
        for (int i = 0; i < count_levels(); i++)
        {
            F.one_line(Letters, "row label", texts::fill(texts::LOCKED, {texts::level_label(i)}), 0.45, 11.0);
            F.one_line(Letters, "banner", texts::level_label(i), 0.8, PICTURE_W - 0.6);
            F.one_line(Letters, "goal", texts::count(texts::GOAL, all_levels[i].medal_bees[0]), 0.45, PICTURE_W - 0.6);
        }
        F.one_line(Letters, "goal", texts::GOAL_ONE, 0.45, PICTURE_W - 0.6);
        if (12.74 - 2 * button_radius(Letters, texts::SECOND_SET_BUTTON)[0] < 6.0) F.note("the second set's button reaches the title");

        // The second set: its tiles' names on two lines, what the chosen one asks, its buttons.
        for (const set_level& S : Second.levels)
        {
            const std::string Name = "20 · " + std::string(texts::message{S.data.name.c_str()});
            const double Wide = second_set_layout::LINE_WIDE;
            if (Letters.wrap(Name, 0.26, second_set_layout::TILE_NAME_WIDE).size() > 2) F.note("second set: " + Name + " takes more than two lines");
            F.one_line(Letters, "second set", texts::fill(texts::LEVEL, {"20", texts::message{S.data.name.c_str()}}), 0.42, Wide);
            F.one_line(Letters, "second set", texts::message{S.data.line.c_str()}, 0.3, Wide);
            F.one_line(Letters, "banner", texts::fill(texts::LEVEL, {"20", texts::message{S.data.name.c_str()}}), 0.8, PICTURE_W - BANNER_MARGIN);
            if (Letters.wrap(texts::message{S.data.line.c_str()}, 0.4, PICTURE_W - BANNER_MARGIN).size() > 2)
                F.note("opening line on more than two lines: " + std::string(texts::message{S.data.line.c_str()}));
        }
        F.one_line(Letters, "second set", texts::SECOND_SET, 0.6, second_set_layout::LINE_WIDE);
        F.one_line(Letters, "second set", texts::SECOND_SET_CLOSED, 0.3, second_set_layout::LINE_WIDE);
        F.one_line(Letters, "second set", texts::SECOND_SET_KEYS, 0.26, second_set_layout::LINE_WIDE);
        F.one_line(Letters, "second set", texts::fill(texts::NO_DEMO, {"no such file"}), 0.28, second_set_layout::LINE_WIDE);
        button_place Set[second_set_layout::BUTTONS];
        second_set_layout::buttons(Letters, Set);
        F.apart("second set", Set[1], Set[2]);
        F.apart("second set", Set[2], Set[3]);
        F.one_line(Letters, "refusal", texts::fill(texts::OPENS_AFTER, {"10"}), 0.4, 11.3);
        F.one_line(Letters, "refusal", texts::NO_REPLAY, 0.4, 11.3);

        // In play: the first level's lesson, a replay's marks, the paused card.
        for (const texts::message* M : {&texts::LESSON, &texts::LESSON_TOUCH}) F.one_line(Letters, "lesson", *M, 0.5, PICTURE_W - 0.6);
        for (const texts::message* M : {&texts::DEMO_MARK, &texts::DEMO_MARK_FAST, &texts::REPLAY_MARK, &texts::REPLAY_MARK_FAST})
            F.one_line(Letters, "replay mark", *M, 0.55, PICTURE_W - 0.8);
        for (const texts::message* M : {&texts::REPLAY_KEYS, &texts::REPLAY_KEYS_TOUCH}) F.one_line(Letters, "replay keys", *M, 0.32, PICTURE_W - 0.8);
        for (const texts::message* M : {&texts::PAUSED_KEYS, &texts::PAUSED_TOUCH, &texts::PAUSED_REPLAY_KEYS, &texts::PAUSED_REPLAY_TOUCH})
            F.one_line(Letters, "paused card", *M, 0.36, PICTURE_W - 1.4);
        F.one_line(Letters, "paused card", texts::PAUSED, 0.9, PICTURE_W - 1.4);

        // The results: the counts, each level's medals, the verdict, and the buttons with every label they take.
        for (int i = 0; i < count_levels(); i++)
        {
            const level& V = all_levels[i];
            const std::vector<std::string> Counts = {texts::count(texts::HOME_OF, V.num_bees, {std::to_string(V.num_bees - 1)}),
                                                     texts::count(texts::LOST, 1), texts::count(texts::STILL_OUT, 1),
                                                     texts::fill(texts::TIME, {"10:00"})};
            double Across = Letters.width("  ·  ", 0.5) * 3, Medals = 0;
            for (const std::string& C : Counts) Across += Letters.width(C, 0.5);
            if (Across > 10.4 / 0.65) F.note("the counts shrink to " + std::to_string(10.4 / Across) + ": " + Counts[0]);
            const int Possible = medals_for(V.num_bees, V.medal_bees);
            for (int m = 0; m < Possible; m++)
            {
                const texts::counted& Pattern = m < Possible - 1 || Possible == 3 ? texts::MEDAL_NEEDS : Possible == 1 ? texts::MEDAL_ONLY : texts::MEDAL_BEST;
                Medals += 0.55 + Letters.width(texts::count(Pattern, V.medal_bees[m], {texts::MEDAL_NAMES[m].c_str()}), 0.34) + (m ? 0.6 : 0);
            }
            if (Medals > 10.4 / 0.8) F.note("level " + std::to_string(i) + "'s medals shrink to " + std::to_string(10.4 / Medals));
        }
        F.one_line(Letters, "results", texts::BETTER, 0.5, 10.4);
        for (const texts::message& M : texts::BEST_SO_FAR) F.one_line(Letters, "results", M, 0.4, 10.4);
        std::vector<std::string> Nexts = {""};
        for (int i = 1; i < count_levels(); i++) Nexts.push_back(texts::fill(texts::NEXT, {texts::level_label(i)}));
        // The row's results lead on to the next level; a level of the player's is played again.
        std::vector<std::pair<std::string, std::string>> Buttons;
        for (const std::string& Next : Nexts) Buttons.push_back({texts::TO_ROW, Next});
        for (const texts::message* Back : {&texts::TO_OWN_LEVELS, &texts::TO_EDITOR}) Buttons.push_back({*Back, texts::PLAY_AGAIN});
        for (const auto& [Back, Next] : Buttons)
        {
            button_place B, W, N;
            results_buttons(Letters, Back, Next, B, W, N);
            F.apart("results " + Back + " | " + Next, B, W);
            if (!Next.empty()) F.apart("results " + Back + " | " + Next, W, N);
        }

        // The player's levels: the bottom row, and the editor's two in the corners either side of the heading.
        button_place Own[own_levels_layout::BUTTONS];
        own_levels_layout::buttons(Letters, Own);
        for (int b = 1; b < 4; b++) F.apart("your levels", Own[b], Own[b + 1]);
        const double Heading = Letters.width(texts::OWN_LEVELS, 0.6) / 2 + 0.1;
        const button_place Title = {mkrpos(PICTURE_MIDDLE, 0.65, 0), mkrpos(Heading, 0.3, 0)};
        F.apart("your levels heading", Own[6], Title);
        F.apart("your levels heading", Title, Own[5]);
        F.one_line(Letters, "your levels", texts::OWN_LEVELS_KEYS, 0.26, 11.2);
        if (Letters.wrap(texts::NO_OWN_LEVELS, 0.4, 9.5).size() > 8) F.note("no levels yet: too many lines");

        // The editor: its start card, its labels as large as they fit, its fields, its verdict.
        F.one_line(Letters, "editor start", texts::START_TITLE, 0.6, 12.0);
        F.one_line(Letters, "editor start", texts::START_NEW, 0.3, 3.4);
        F.one_line(Letters, "editor start", texts::START_COPY, 0.3, 8.0);
        for (const auto& Size : NEW_LEVEL_SIZES)
            if (button_radius(Letters, texts::fill(texts::START_SIZE, {std::to_string(Size[0]), std::to_string(Size[1])}))[0] > 1.45)
                F.note("editor start: a size's button is too narrow");
        {
            editor E;
            Now.editor_labels = E.label_size();
            const double Less = 11.62 - 0.3 - (EDITOR_PANEL_LEFT + 0.15);
            for (const texts::message* M : {&texts::FLOWERS_LABEL, &texts::HORSEFLIES_LABEL, &texts::BEES_LABEL})
                F.one_line(Letters, "editor field", *M, E.label_size(), Less);
            // A medal's name may shrink to fit beside its medal, not past legibility.
            for (const texts::message& M : texts::MEDAL_NAMES) F.one_line(Letters, "editor field", M, EDITOR_LEAST_FIELD, Less - 0.42);
        }
        const double Verdict = EDITOR_PANEL_LEFT - 0.3 - 0.55; // the box grows to its longest line
        F.one_line(Letters, "verdict", texts::VERDICT_TITLE, 0.34, Verdict);
        F.one_line(Letters, "verdict", texts::fill(texts::VERDICT_PLAYING, {"20", "20"}), 0.29, Verdict);
        F.one_line(Letters, "verdict", texts::VERDICT_UNPROVEN, 0.29, Verdict);
        F.one_line(Letters, "verdict", texts::VERDICT_NONE_LOST, 0.29, Verdict);
        F.one_line(Letters, "verdict", texts::fill(texts::VERDICT_LOST, {"12", "240"}), 0.29, Verdict);
        F.one_line(Letters, "verdict", texts::fill(texts::VERDICT_TIME, {"10:00", "10:00"}), 0.29, Verdict);
        F.one_line(Letters, "verdict", texts::count(texts::VERDICT_TIME_OUT, 20, {"20"}), 0.29, Verdict);
        for (const texts::message& M : texts::MEDAL_NAMES)
            F.one_line(Letters, "verdict", texts::count(texts::VERDICT_MEDAL, 20, {M.c_str(), "20"}), 0.29, Verdict - 0.4);

        if (Code.empty()) English = Now;
        for (int c = 0; c < 3; c++) F.legible("help card " + std::to_string(c), Now.help[c], English.help[c]);
        for (int c = 0; c < 2; c++) F.legible("editor help " + std::to_string(c), Now.editor_help[c], English.editor_help[c]);
        F.legible("editor labels", Now.editor_labels, English.editor_labels);
        F.legible("rules picture", Now.rules, English.rules);
        F.legible("results picture", Now.results, English.results);
        Faults.insert(Faults.end(), F.found.begin(), F.found.end());
    }
    std::string All;
    for (const std::string& Fault : Faults) All += "\n  " + Fault;
    EXPECT_TRUE(Faults.empty()) << Faults.size() << " texts do not fit:" << All;
}

// One table of bindings: a key bound with Ctrl wants it and one bound without takes any; the help card
// names every action the screens take from the table and each as the table binds it, in English as the
// card always read, and in another language by the keyboards' names there, a key's Pause apart from the
// page's Pause button.
TEST(Bindings, TheScreensAndTheHelpCardReadOneTable)
{
    EXPECT_TRUE(acts(SDLK_v, KMOD_LCTRL, ac_paste));
    EXPECT_FALSE(acts(SDLK_v, 0, ac_paste));
    EXPECT_TRUE(acts(SDLK_l, KMOD_LCTRL, ac_own_levels));
    EXPECT_TRUE(acts(SDLK_KP_ENTER, 0, ac_start));
    SDL_Event Up = event(SDL_KEYUP, SDLK_p);
    EXPECT_FALSE(acts(Up, ac_pause)) << "a key let go does nothing";

    std::set<actions> Named;
    std::map<std::string, std::string> English;
    for (const texts::help_row* R = texts::HELP_ROWS; R->does.english; R++)
    {
        for (actions A : R->bound)
            if (A != ac_none) Named.insert(A);
        if (R->bound[0] != ac_none) English[R->does.english] = R->keys_text();
    }
    for (size_t b = 0; b < BINDING_COUNT; b++) EXPECT_TRUE(Named.count(BINDINGS[b].action)) << "action " << BINDINGS[b].action << " is on the card";
    EXPECT_EQ(English["scroll the map"], "Edges, arrow keys");
    EXPECT_EQ(English["pick and start a level; Enter after one: the next"], "Left, Right, Enter") << "the keypad's Enter named once";
    EXPECT_EQ(English["pause (also when the window loses the focus)"], "P, Pause");
    EXPECT_EQ(English["your own levels; the level editor; a level's code pasted joins your levels"], "L, E, Ctrl+V");
    EXPECT_EQ(English["quit"], "F12");

    game_dir Dir(false);
    english_again Afterwards;
    const std::string Po = "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                           "msgctxt \"key\"\nmsgid \"Pause\"\nmsgstr \"Pausetaste\"\n"
                           "msgid \"Pause\"\nmsgstr \"Anhalten\"\n"
                           "msgctxt \"key\"\nmsgid \"Ctrl+{1}\"\nmsgstr \"Strg+{1}\"\n"
                           "msgid \"{1}, {2}\"\nmsgstr \"{1} · {2}\"\n";
    fs::create_directories("locale/de/LC_MESSAGES");
    write_file("locale/de/LC_MESSAGES/quorvel-bees.mo", compiled(Po));
    setenv("QUORVEL_LOCALEDIR", (fs::current_path() / "locale").c_str(), 1);
    const bool Spoken = texts::use_language("de");
    unsetenv("QUORVEL_LOCALEDIR");
    ASSERT_TRUE(Spoken);
    const actions Pause[] = {ac_pause}, Levels[] = {ac_own_levels, ac_editor, ac_paste}, Space[] = {ac_faster};
    EXPECT_EQ(texts::key_names(Pause, 1), "P · Pausetaste");
    EXPECT_STREQ(texts::message{"Pause"}.c_str(), "Anhalten") << "the button's word apart from the key's";
    EXPECT_EQ(texts::key_names(Levels, 3), "L · E · Strg+V");
    EXPECT_EQ(texts::key_names(Space, 1), "Space") << "untranslated, the English without its context";
}
