#include "catalog.h"

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {
const size_t LONGEST_RULE = 200;

// Reads a catalogue's 32-bit words in the byte order its magic number says.
class words
{
public:
    const std::string& bytes;
    bool swapped = false;
    explicit words(const std::string& Bytes) : bytes(Bytes) {}
    bool at(size_t Offset, uint32_t& Out) const
    {
        if (Offset > bytes.size() || bytes.size() - Offset < 4) return false;
        const unsigned char* P = (const unsigned char*)bytes.data() + Offset;
        Out = swapped ? (uint32_t)P[0] << 24 | (uint32_t)P[1] << 16 | (uint32_t)P[2] << 8 | P[3]
                      : (uint32_t)P[3] << 24 | (uint32_t)P[2] << 16 | (uint32_t)P[1] << 8 | P[0];
        return true;
    }
    // The string a table's entry Index describes: its length, then its offset.
    bool string(uint32_t Table, uint32_t Index, std::string& Out) const
    {
        uint32_t Length, Offset;
        if (!at((size_t)Table + 8 * (size_t)Index, Length) || !at((size_t)Table + 8 * (size_t)Index + 4, Offset)) return false;
        if (Offset > bytes.size() || bytes.size() - Offset < (size_t)Length + 1) return false; // NUL-ended
        Out.assign(bytes, Offset, Length);
        return true;
    }
};

// A recursive descent over a plural rule's tokens, by C's precedence: ?: below ||, &&, ==/!=, relations,
// +/-, *,/,%, then ! and the operands.
class rule_parser
{
public:
    const std::string& text;
    size_t at = 0;
    bool ok = true;
    explicit rule_parser(const std::string& Text) : text(Text) {}

    void blanks()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) at++;
    }
    bool take(const char* Token)
    {
        blanks();
        size_t N = std::strlen(Token);
        if (text.compare(at, N, Token) != 0) return false;
        // "<" must not take the first half of "<=", nor "!" of "!=", nor "=" be taken alone.
        if (N == 1 && at + 1 < text.size() && text[at + 1] == '=' && std::strchr("<>!=", Token[0])) return false;
        at += N;
        return true;
    }
};
} // namespace

plural_rule::plural_rule()
{
    std::string Ignored;
    parse("n != 1", Ignored);
}

bool plural_rule::parse(const std::string& Expression, std::string& Problem)
{
    if (Expression.size() > LONGEST_RULE) return Problem = "a plural rule too long", false;
    std::vector<node> Nodes;
    rule_parser P(Expression);
    auto add = [&](char Op, unsigned long Value, int A, int B, int C) {
        Nodes.push_back({Op, Value, A, B, C});
        return (int)Nodes.size() - 1;
    };
    // One function per level, each calling the next; depth is bounded by the rule's length.
    std::function<int()> choice, either, both, equality, relation, sum, product, unary;
    unary = [&]() -> int {
        if (!P.ok) return -1;
        if (P.take("!")) return add('!', 0, unary(), -1, -1);
        if (P.take("("))
        {
            int Inside = choice();
            if (!P.take(")")) P.ok = false;
            return Inside;
        }
        P.blanks();
        if (P.at < Expression.size() && Expression[P.at] == 'n') return P.at++, add('n', 0, -1, -1, -1);
        unsigned long V = 0;
        size_t Start = P.at;
        while (P.at < Expression.size() && Expression[P.at] >= '0' && Expression[P.at] <= '9' && V < 100000000)
            V = V * 10 + (unsigned long)(Expression[P.at++] - '0');
        if (P.at == Start) P.ok = false;
        return add('#', V, -1, -1, -1);
    };
    auto binary = [&](std::function<int()>& Next, std::vector<std::pair<const char*, char>> Ops) {
        int Left = Next();
        for (bool More = true; More && P.ok;)
        {
            More = false;
            for (const auto& [Token, Op] : Ops)
                if (P.take(Token))
                {
                    Left = add(Op, 0, Left, Next(), -1);
                    More = true;
                    break;
                }
        }
        return Left;
    };
    product = [&] { return binary(unary, {{"*", '*'}, {"/", '/'}, {"%", '%'}}); };
    sum = [&] { return binary(product, {{"+", '+'}, {"-", '-'}}); };
    relation = [&] { return binary(sum, {{"<=", 'l'}, {">=", 'g'}, {"<", '<'}, {">", '>'}}); };
    equality = [&] { return binary(relation, {{"==", '='}, {"!=", 'x'}}); };
    both = [&] { return binary(equality, {{"&&", '&'}}); };
    either = [&] { return binary(both, {{"||", '|'}}); };
    choice = [&]() -> int {
        int Test = either();
        if (!P.ok || !P.take("?")) return Test;
        int Yes = choice();
        if (!P.take(":")) P.ok = false;
        return add('?', 0, Test, Yes, choice());
    };
    int Root = choice();
    P.blanks();
    if (!P.ok || P.at != Expression.size() || Nodes.size() > 200) return Problem = "no plural rule: " + Expression, false;
    nodes.swap(Nodes);
    root = Root;
    return true;
}

unsigned long plural_rule::eval(int Node, unsigned long N) const
{
    const node& X = nodes[Node];
    switch (X.op)
    {
    case 'n':
        return N;
    case '#':
        return X.value;
    case '!':
        return !eval(X.a, N);
    case '?':
        return eval(X.a, N) ? eval(X.b, N) : eval(X.c, N);
    case '&':
        return eval(X.a, N) && eval(X.b, N);
    case '|':
        return eval(X.a, N) || eval(X.b, N);
    }
    const unsigned long A = eval(X.a, N), B = eval(X.b, N);
    switch (X.op)
    {
    case '*':
        return A * B;
    case '/':
        return B ? A / B : 0; // a rule that divides by zero is no rule of ours: the first form
    case '%':
        return B ? A % B : 0;
    case '+':
        return A + B;
    case '-':
        return A - B;
    case '<':
        return A < B;
    case '>':
        return A > B;
    case 'l':
        return A <= B;
    case 'g':
        return A >= B;
    case '=':
        return A == B;
    default: // 'x'
        return A != B;
    }
}

unsigned long plural_rule::form(unsigned long N) const
{
    return eval(root, N);
}

catalog::catalog() : plurals(2) {}

bool catalog::read(const std::string& Bytes, std::string& Problem)
{
    words W(Bytes);
    uint32_t Magic = 0, Revision, Count, Originals, Translations;
    if (!W.at(0, Magic) || (Magic != 0x950412de && Magic != 0xde120495)) return Problem = "not a message catalogue", false;
    W.swapped = Magic == 0xde120495;
    if (!W.at(4, Revision) || Revision >> 16 != 0 || !W.at(8, Count) || !W.at(12, Originals) || !W.at(16, Translations))
        return Problem = "a message catalogue of another revision", false;
    std::map<std::string, std::string> Messages;
    for (uint32_t a = 0; a < Count; a++)
    {
        std::string Original, Translation;
        if (!W.string(Originals, a, Original) || !W.string(Translations, a, Translation))
            return Problem = "a message catalogue cut short", false;
        // A plural's key is its singular, which comes first.
        Messages[Original.substr(0, Original.find('\0'))] = Translation;
    }
    plural_rule Rule;
    int Plurals = 2;
    const std::string& Header = Messages[""];
    size_t Forms = Header.find("Plural-Forms:");
    if (Forms != std::string::npos)
    {
        std::string Line = Header.substr(Forms, Header.find('\n', Forms) - Forms);
        size_t N = Line.find("nplurals="), Rule_ = Line.find("plural=", N == std::string::npos ? 0 : N + 9);
        if (N == std::string::npos || Rule_ == std::string::npos) return Problem = "a catalogue's plural forms unread", false;
        Plurals = std::atoi(Line.c_str() + N + 9);
        std::string Expression = Line.substr(Rule_ + 7);
        Expression = Expression.substr(0, Expression.find(';'));
        if (Plurals < 1 || Plurals > 6 || !Rule.parse(Expression, Problem)) return Problem = "a catalogue's plural forms unread", false;
    }
    messages.swap(Messages);
    rule = Rule;
    plurals = Plurals;
    return true;
}

const char* catalog::text(const char* Message) const
{
    auto Found = messages.find(Message);
    return Found == messages.end() || Found->second.empty() ? Message : Found->second.c_str();
}

const char* catalog::plural(const char* Singular, const char* Plural, unsigned long N) const
{
    auto Found = messages.find(Singular);
    if (Found == messages.end()) return N == 1 ? Singular : Plural;
    unsigned long Form = rule.form(N);
    const std::string& Forms = Found->second;
    size_t At = 0;
    for (unsigned long f = 0; f < Form && At != std::string::npos; f++)
    {
        At = Forms.find('\0', At);
        if (At != std::string::npos) At++;
    }
    if (At == std::string::npos || At >= Forms.size()) return N == 1 ? Singular : Plural; // fewer forms than the rule says
    return Forms.c_str() + At;
}

std::vector<std::string> languages_asked(const char* Language, const char* LcAll, const char* LcMessages, const char* Lang)
{
    auto set = [](const char* V) { return V && *V; };
    const char* Locale = set(LcAll) ? LcAll : set(LcMessages) ? LcMessages : set(Lang) ? Lang : "C";
    const std::string Plain = std::string(Locale).substr(0, std::string(Locale).find_first_of(".@"));
    std::vector<std::string> Asked;
    if (Plain == "C" || Plain == "POSIX") return Asked; // gettext too: the plain locale speaks English
    std::string List = set(Language) ? Language : Locale;
    for (size_t Start = 0; Start <= List.size();)
    {
        size_t End = List.find(':', Start);
        if (End == std::string::npos) End = List.size();
        std::string One = List.substr(Start, End - Start);
        One = One.substr(0, One.find_first_of(".@"));
        if (!One.empty())
        {
            Asked.push_back(One);
            size_t Country = One.find('_');
            if (Country != std::string::npos) Asked.push_back(One.substr(0, Country));
        }
        Start = End + 1;
    }
    return Asked;
}
