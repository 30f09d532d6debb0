// Counted handles: who deletes the object, and when.
#include "ref.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> deaths;

// Records its own destruction, and what one watched handle looked like at that moment.
struct witness
{
    std::string name;
    const ref<witness>* watched = nullptr;

    explicit witness(const std::string& Name) : name(Name) {}
    virtual ~witness()
    {
        deaths.push_back(name);
        if (watched) last_watch_empty = (watched->hub == nullptr);
    }
    static bool last_watch_empty;
};
bool witness::last_watch_empty = false;

struct derived_witness : witness
{
    std::vector<int>* payload;
    explicit derived_witness(const std::string& Name) : witness(Name), payload(new std::vector<int>(100, 7)) {}
    ~derived_witness() override
    {
        delete payload;
        deaths.push_back(name + " (derived part)");
    }
};

class Ref : public ::testing::Test
{
protected:
    void SetUp() override { deaths.clear(); }
};

} // namespace

TEST_F(Ref, EmptyHandles)
{
    ref<witness> Empty;
    EXPECT_EQ(Empty.hub, nullptr);
    EXPECT_EQ(Empty.ptr(), nullptr);
    EXPECT_EQ(Empty.operator->(), nullptr);

    ref<witness> Copy(Empty);
    EXPECT_EQ(Copy.hub, nullptr);
    ref<witness> Assigned;
    Assigned = Empty;
    EXPECT_EQ(Assigned.hub, nullptr);

    Empty.clear();
    Empty.clear();
    EXPECT_EQ(Empty.hub, nullptr);

    ref<witness> FromNull = mkref<witness>(nullptr);
    EXPECT_EQ(FromNull.hub, nullptr);
    EXPECT_TRUE(deaths.empty());
}

TEST_F(Ref, LastOfTwoCopiesDeletes)
{
    ref<witness> A = mkref(new witness("a"));
    ASSERT_NE(A.hub, nullptr);
    EXPECT_EQ(A.hub->count, 1);
    EXPECT_FALSE(A.hub->placeholder);

    ref<witness> B(A);
    EXPECT_EQ(A.hub, B.hub);
    EXPECT_EQ(A.hub->count, 2);
    EXPECT_EQ(B->name, "a");

    A.clear();
    EXPECT_EQ(A.hub, nullptr);
    EXPECT_TRUE(deaths.empty());
    ASSERT_NE(B.hub, nullptr);
    EXPECT_EQ(B.hub->count, 1);
    EXPECT_EQ(B.ptr()->name, "a");

    B.clear();
    EXPECT_EQ(B.hub, nullptr);
    EXPECT_EQ(deaths, std::vector<std::string>{"a"});

    // Nothing left to delete twice.
    A.clear();
    B.clear();
    EXPECT_EQ(deaths.size(), 1u);
}

TEST_F(Ref, HandleGoingOutOfScopeLetsGo)
{
    ref<witness> Outer;
    {
        ref<witness> Inner = mkref(new witness("scoped"));
        Outer = Inner;
        EXPECT_EQ(Outer.hub->count, 2);
    }
    EXPECT_TRUE(deaths.empty());
    EXPECT_EQ(Outer.hub->count, 1);
    {
        ref<witness> Last = mkref(new witness("last"));
    }
    EXPECT_EQ(deaths, std::vector<std::string>{"last"});
}

TEST_F(Ref, ReassignmentDeletesTheOldObjectFirst)
{
    ref<witness> A = mkref(new witness("new"));
    ref<witness> B = mkref(new witness("old"));
    B->watched = &B;

    B = A;
    ASSERT_EQ(deaths, std::vector<std::string>{"old"});
    // B had already let go when its old object died, and did not yet point anywhere.
    EXPECT_TRUE(witness::last_watch_empty);
    EXPECT_EQ(B.hub, A.hub);
    EXPECT_EQ(A.hub->count, 2);
    EXPECT_EQ(B->name, "new");

    // The non-const overload behaves the same.
    ref<witness> C = mkref(new witness("third"));
    ref<witness>& Source = A;
    C = Source;
    EXPECT_EQ(deaths, (std::vector<std::string>{"old", "third"}));
    EXPECT_EQ(A.hub->count, 3);
}

TEST_F(Ref, AssignmentBetweenSharersKeepsTheObject)
{
    ref<witness> A = mkref(new witness("only"));
    A = A; // the last handle assigned to itself must not free what it is about to share
    ASSERT_NE(A.hub, nullptr);
    EXPECT_EQ(A.hub->count, 1);
    EXPECT_EQ(A->name, "only");
    EXPECT_TRUE(deaths.empty());

    ref<witness> B(A);
    B = A;
    EXPECT_EQ(A.hub->count, 2);
    EXPECT_TRUE(deaths.empty());

    ref<witness> Empty;
    B = Empty;
    EXPECT_EQ(B.hub, nullptr);
    EXPECT_EQ(A.hub->count, 1);
    EXPECT_TRUE(deaths.empty());
}

TEST_F(Ref, BaseHandleDeletesTheWholeDerivedObject)
{
    {
        ref<witness> Base = mkref<witness>(new derived_witness("bee"));
        ref<witness> Copy = Base;
    }
    EXPECT_EQ(deaths, (std::vector<std::string>{"bee (derived part)", "bee"}));
}

TEST_F(Ref, PlaceholderNeverDeletesItsObject)
{
    witness OnStack("stack");
    {
        ref<witness> P;
        P.init_placeholder(&OnStack);
        ref<witness> Q = P;
        EXPECT_TRUE(Q.is_placeholder());
        EXPECT_EQ(Q->name, "stack");
        P.clear();
        Q.clear();
    }
    EXPECT_TRUE(deaths.empty());
}
