#include "replay.h"

#include "bytes.h"
#include "die.h"
#include "digest.h"
#include "level.h"
#include "smellgrid.h"
#include "world.h"
#include "platform.h"
#include "safe_file.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace {
const char MAGIC[4] = {'Q', 'B', 'R', 'P'};
const int VERSION = 1;
const size_t HEADER = 4 + 2 + 4 + 4 + 8 + 4 + 4 + 4 + 8 + 1 + 8;
const size_t MOST_EVENTS = 64; // in one frame
const size_t LARGEST_FILE = 16 << 20;

// Frame records: a byte under 0x80 repeats the frame before it that many times and once more; from
// 0x80, the bits below say what changed and follows.
enum record_bits
{
    rb_change = 0x80,
    rb_step = 0x01,      // a byte of milliseconds, or 255 and the exact double
    rb_move = 0x02,      // the pointer moved by whole pixels of the same picture: two signed varints
    rb_place = 0x04,     // the pointer's pixels anew: the picture's height, then two signed varints
    rb_nudge = 0x06,     // moved by -8 to 7 pixels each way: one byte, x in its high half
    rb_exact = 0x08,     // the pointer as two exact doubles
    rb_events = 0x10,    // a count, then each event's kind and signed varint code
    rb_step_up = 0x20,   // a millisecond longer than the step before (frame times wander by one)
    rb_step_down = 0x40, // a millisecond shorter
};

int whole_ms(double Step)
{
    double Ms = std::round(Step * 1000.0);
    return Ms >= 0 && Ms <= 250 && Ms / 1000.0 == Step ? (int)Ms : -1;
}

// The pointer in whole pixels of a picture Scale high, when that is exactly what it is.
bool in_pixels(const rloc& Mouse, int Scale, int64_t& X, int64_t& Y)
{
    if (Scale <= 0) return false;
    X = std::llround(Mouse[0] * Scale), Y = std::llround(Mouse[1] * Scale);
    return X / (double)Scale == Mouse[0] && Y / (double)Scale == Mouse[1];
}

bool same_bits(const rloc& A, const rloc& B)
{
    return std::memcmp(A.components, B.components, sizeof A.components) == 0;
}
} // namespace

replay::replay()
    : level_id(0), seed(0), level_hash(0), rescued_bees(0), killed_bees(0), time(0.0), end(e_left), end_digest(0)
{
}

uint64_t world_digest(const world& W)
{
    digest D;
    const int Counts[3] = {W.rescued_bees, W.killed_bees, (int)W.sprites.size()};
    D.add(Counts, sizeof Counts);
    D.add(&W.animation_counter, sizeof W.animation_counter);
    for (const ref<sprite>& S : W.sprites) D.add(S->position.components, sizeof S->position.components);
    for (const ref<smellgrid>& G : W.smells) D.add(G->grid_data.data(), G->grid_data.size() * sizeof(double));
    return D.value;
}

bool replay::better_than(const replay& Other, const int MedalBees[3]) const
{
    int Mine = medals_for(rescued_bees, MedalBees), Theirs = medals_for(Other.rescued_bees, MedalBees);
    if (Mine != Theirs) return Mine > Theirs;
    if (rescued_bees != Other.rescued_bees) return rescued_bees > Other.rescued_bees;
    return time < Other.time;
}

bool recorded_event(const SDL_Event& E, replay_event& Out)
{
    if (E.type == SDL_MOUSEBUTTONDOWN || E.type == SDL_MOUSEBUTTONUP)
    {
        Out.kind = E.type == SDL_MOUSEBUTTONDOWN ? replay_event::button_down : replay_event::button_up;
        Out.code = E.button.button;
        return true;
    }
    if (E.type != SDL_KEYDOWN && E.type != SDL_KEYUP) return false;
    SDL_Keycode Key = E.key.keysym.sym;
    bool Arrow = Key == SDLK_LEFT || Key == SDLK_RIGHT || Key == SDLK_UP || Key == SDLK_DOWN;
    if (!Arrow && !(Key == SDLK_ESCAPE && E.type == SDL_KEYDOWN)) return false; // pause and restart are no play
    Out.kind = E.type == SDL_KEYDOWN ? replay_event::key_down : replay_event::key_up;
    Out.code = Key;
    return true;
}

SDL_Event replayed_event(const replay_event& R)
{
    SDL_Event E;
    SDL_zero(E);
    switch (R.kind)
    {
    case replay_event::button_down:
    case replay_event::button_up:
        E.type = R.kind == replay_event::button_down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        E.button.button = (Uint8)R.code;
        E.button.state = R.kind == replay_event::button_down ? SDL_PRESSED : SDL_RELEASED;
        break;
    default:
        E.type = R.kind == replay_event::key_down ? SDL_KEYDOWN : SDL_KEYUP;
        E.key.keysym.sym = R.code;
        E.key.state = R.kind == replay_event::key_down ? SDL_PRESSED : SDL_RELEASED;
        break;
    }
    return E;
}

std::string write_replay(const replay& R)
{
    byte_writer W;
    W.out.append(MAGIC, 4);
    W.word(VERSION, 2);
    W.word((uint32_t)R.level_id, 4);
    W.word(R.seed, 4);
    W.word(R.level_hash, 8);
    W.word(R.frames.size(), 4);
    W.word((uint32_t)R.rescued_bees, 4);
    W.word((uint32_t)R.killed_bees, 4);
    W.real(R.time);
    W.byte(R.end);
    W.word(R.end_digest, 8);

    // What the reader will take the frame before to be: the first frame says everything.
    double Step = -1.0;
    rloc Mouse = mkrloc(-1, -1);
    int Scale = 0;
    int64_t X = 0, Y = 0;
    int Repeats = 0;
    auto flush = [&] {
        for (; Repeats > 0; Repeats -= 128) W.byte((unsigned)(std::min(Repeats, 128) - 1));
        Repeats = 0;
    };
    for (const replay_frame& F : R.frames)
    {
        if (F.events.empty() && F.step == Step && same_bits(F.mouse, Mouse))
        {
            Repeats++;
            continue;
        }
        flush();
        unsigned Tag = rb_change;
        int Ms = whole_ms(F.step), Was = whole_ms(Step);
        int64_t FX = 0, FY = 0;
        bool Pixels = in_pixels(F.mouse, F.scale, FX, FY);
        bool Small = Pixels && F.scale == Scale && FX - X >= -8 && FX - X <= 7 && FY - Y >= -8 && FY - Y <= 7;
        if (F.step != Step) Tag |= Ms >= 0 && Was >= 0 && Ms == Was + 1 ? rb_step_up : Ms >= 0 && Was >= 0 && Ms == Was - 1 ? rb_step_down : rb_step;
        if (!same_bits(F.mouse, Mouse)) Tag |= !Pixels ? rb_exact : Small ? rb_nudge : F.scale == Scale ? rb_move : rb_place;
        if (!F.events.empty()) Tag |= rb_events;
        W.byte(Tag);
        if (Tag & rb_step) Ms >= 0 ? W.byte((unsigned)Ms) : (W.byte(255), W.real(F.step));
        if ((Tag & rb_nudge) == rb_nudge) W.byte((unsigned)((FX - X + 8) << 4 | (FY - Y + 8)));
        else if (Tag & rb_place) W.varint(F.scale), W.varint(FX), W.varint(FY);
        else if (Tag & rb_move) W.varint(FX - X), W.varint(FY - Y);
        if (Tag & rb_exact) W.real(F.mouse[0]), W.real(F.mouse[1]);
        if (Tag & rb_events)
        {
            W.byte((unsigned)F.events.size());
            for (const replay_event& E : F.events) W.byte(E.kind), W.varint(E.code);
        }
        Step = F.step, Mouse = F.mouse;
        if (Pixels) Scale = F.scale, X = FX, Y = FY;
        else Scale = 0;
    }
    flush();
    return W.out;
}

bool read_replay(const std::string& Bytes, replay& Out, std::string& Problem)
{
    auto refuse = [&](const std::string& Why) {
        Problem = Why;
        return false;
    };
    if (Bytes.size() < HEADER || std::memcmp(Bytes.data(), MAGIC, 4) != 0) return refuse("not a Quorvel Bees replay");
    byte_reader In(Bytes);
    In.at = 4;
    unsigned Version = (unsigned)In.word(2);
    if (Version != VERSION) return refuse("a replay of another version (" + std::to_string(Version) + ")");
    replay R;
    R.level_id = (int32_t)In.word(4);
    R.seed = (uint32_t)In.word(4);
    R.level_hash = In.word(8);
    uint32_t Count = (uint32_t)In.word(4);
    R.rescued_bees = (int32_t)In.word(4);
    R.killed_bees = (int32_t)In.word(4);
    R.time = In.real();
    unsigned End = In.byte();
    R.end_digest = In.word(8);
    if (Count > REPLAY_MOST_FRAMES) return refuse("more frames than a play can have");
    if (End > replay::e_over || !std::isfinite(R.time) || R.rescued_bees < 0 || R.killed_bees < 0)
        return refuse("its recorded end makes no sense");
    R.end = (replay::ends)End;

    replay_frame Last{0.0, mkrloc(0, 0), 0, {}};
    int64_t X = 0, Y = 0;
    bool Started = false;
    R.frames.reserve(Count);
    while (R.frames.size() < Count)
    {
        unsigned Tag = In.byte();
        if (!In.ok) return refuse("cut short");
        if (!(Tag & rb_change))
        {
            if (!Started || R.frames.size() + Tag + 1 > Count) return refuse("a run of frames out of place");
            Last.events.clear();
            R.frames.insert(R.frames.end(), Tag + 1, Last);
            continue;
        }
        unsigned Pointer = Tag & (rb_nudge | rb_exact), Step = Tag & (rb_step | rb_step_up | rb_step_down);
        if (Pointer & rb_exact && Pointer != rb_exact) return refuse("a pointer given twice");
        if (Step && Step != rb_step && Step != rb_step_up && Step != rb_step_down) return refuse("a step given twice");
        if (!Started && (Step != rb_step || !(Pointer == rb_place || Pointer == rb_exact)))
            return refuse("a first frame without its step and pointer");
        if (Step == rb_step)
        {
            unsigned Ms = In.byte();
            Last.step = Ms == 255 ? In.real() : Ms / 1000.0;
            if (!(Last.step >= 0.0 && Last.step <= 1.0)) return refuse("a time step out of bounds");
        }
        else if (Step)
        {
            int Ms = whole_ms(Last.step) + (Step == rb_step_up ? 1 : -1);
            if (whole_ms(Last.step) < 0 || Ms < 0 || Ms > 250) return refuse("a time step out of bounds");
            Last.step = Ms / 1000.0;
        }
        if (Pointer == rb_nudge)
        {
            if (Last.scale <= 0) return refuse("a pointer moved in no picture");
            unsigned Nudge = In.byte();
            X += (int)(Nudge >> 4) - 8;
            Y += (int)(Nudge & 15) - 8;
        }
        if (Pointer == rb_place || Pointer == rb_move)
        {
            if (Tag & rb_place) Last.scale = (int)In.varint(), X = 0, Y = 0;
            else if (Last.scale <= 0) return refuse("a pointer moved in no picture");
            X += In.varint();
            Y += In.varint();
        }
        if (Pointer == rb_nudge || Pointer == rb_place || Pointer == rb_move)
        {
            if (Last.scale < 1 || Last.scale > 100000 || X < 0 || Y < 0 || X > 2 * Last.scale || Y > Last.scale)
                return refuse("a pointer out of the picture");
            Last.mouse = mkrloc(X / (double)Last.scale, Y / (double)Last.scale);
        }
        if (Pointer == rb_exact)
        {
            double MX = In.real(); // one read after the other: arguments may be read in any order
            Last.mouse = mkrloc(MX, In.real());
            Last.scale = 0;
            if (!(Last.mouse[0] >= 0 && Last.mouse[0] <= 2 && Last.mouse[1] >= 0 && Last.mouse[1] <= 1))
                return refuse("a pointer out of the picture");
        }
        Last.events.clear();
        if (Tag & rb_events)
        {
            size_t N = In.byte();
            if (N == 0 || N > MOST_EVENTS) return refuse("a frame with too many events");
            for (size_t e = 0; e < N && In.ok; e++)
            {
                replay_event E;
                E.kind = (uint8_t)In.byte();
                int64_t Code = In.varint();
                if (E.kind < replay_event::button_down || E.kind > replay_event::key_up || Code < INT32_MIN || Code > INT32_MAX)
                    return refuse("an unknown event");
                E.code = (int32_t)Code;
                Last.events.push_back(E);
            }
        }
        if (!In.ok) return refuse("cut short");
        Started = true;
        R.frames.push_back(Last);
    }
    if (In.at != Bytes.size()) return refuse("bytes after its last frame");
    Out = std::move(R);
    return true;
}

bool level_hash(const level& L, uint64_t& Hash, std::string& Problem)
{
    std::ifstream Map;
    if (open_plain_file(L.map_file, Map, Problem) != or_open)
    {
        if (Problem.empty()) Problem = std::string("no map ") + L.map_file;
        return false;
    }
    byte_writer Record; // the level's own values, as they decide a play
    Record.word((uint32_t)L.level_id, 4);
    Record.real(L.hive_pos[0]);
    Record.real(L.hive_pos[1]);
    for (int V : {L.num_flowers, L.num_flies, L.num_bees, L.medal_bees[0], L.medal_bees[1], L.medal_bees[2]})
        Record.word((uint32_t)V, 4);
    digest D;
    char Buffer[4096];
    while (Map.read(Buffer, sizeof Buffer) || Map.gcount() > 0) D.add(Buffer, (size_t)Map.gcount());
    D.add(Record.out.data(), Record.out.size());
    Hash = D.value;
    return true;
}

int replay_level(const replay& R, std::string& Problem)
{
    for (int a = 0; a < count_levels(); a++)
    {
        if (all_levels[a].level_id != R.level_id) continue;
        uint64_t Hash;
        if (!level_hash(all_levels[a], Hash, Problem)) return -1;
        if (Hash == R.level_hash) return a;
        Problem = "made on another map or level of " + std::to_string(R.level_id);
        return -1;
    }
    Problem = "made on a level this game does not have (" + std::to_string(R.level_id) + ")";
    return -1;
}

std::string replay_path(int LevelId, const char* Which)
{
    return kept_path("replays/level" + std::to_string(LevelId) + "-" + Which + ".qbr");
}

bool read_replay_file(const std::string& Path, replay& Out, std::string& Problem)
{
    std::ifstream In;
    switch (open_plain_file(Path, In, Problem))
    {
    case or_missing:
        Problem = "no such file";
        return false;
    case or_refused:
        return false;
    case or_open:
        break;
    }
    std::string Bytes(LARGEST_FILE + 1, '\0');
    In.read(&Bytes[0], (std::streamsize)Bytes.size());
    Bytes.resize((size_t)In.gcount());
    if (Bytes.size() > LARGEST_FILE) return Problem = "larger than any replay", false;
    return read_replay(Bytes, Out, Problem);
}

bool load_replay(const std::string& Path, replay& Out, std::string& Problem)
{
    replay R;
    if (!read_replay_file(Path, R, Problem) || replay_level(R, Problem) < 0) return false;
    Out = std::move(R);
    return true;
}

void keep_replay_at(const replay& R, const std::string& Last, const std::string& Best, const int MedalBees[3])
{
    if (R.frames.empty()) return; // nothing played
    ::mkdir(kept_path("replays").c_str(), 0755); // there already, or the write below says why not
    const std::string Bytes = write_replay(R);
    replay Kept;
    std::string Problem;
    bool Better = !read_replay_file(Best, Kept, Problem) || Kept.level_id != R.level_id || Kept.level_hash != R.level_hash ||
                  R.better_than(Kept, MedalBees);
    for (const std::string* Path : {&Last, &Best})
    {
        if (Path == &Best && !Better) continue;
        if (!replace_file(*Path, Bytes, Problem)) trace('!', "replays: can't write ", Problem);
    }
}

void keep_replay(const replay& R)
{
    std::string Problem;
    int Index = replay_level(R, Problem);
    if (Index < 0) return; // a level not of this game
    keep_replay_at(R, replay_path(R.level_id, "last"), replay_path(R.level_id, "best"), all_levels[Index].medal_bees);
}
