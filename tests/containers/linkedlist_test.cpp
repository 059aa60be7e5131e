#include "ListValues.h"
#include "containers/LinkedList.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

static_assert(!std::is_copy_constructible_v<LinkedList<int>>, "a copy would share the sentinel");
static_assert(!std::is_copy_assignable_v<LinkedList<int>>, "an assignment would share the sentinel");

namespace
{
template <typename T>
void ExpectSameContents(const LinkedList<T>& list, const std::deque<T>& model)
{
    ASSERT_EQ(list.Size(), static_cast<int>(model.size()));
    ASSERT_EQ(list.IsEmpty(), model.empty());
    // ListValues leaves out what Get does not find: as long as the model, it found every position.
    ASSERT_EQ(ListValues(list), std::vector<T>(model.begin(), model.end()));
}

// Runs a long random mix of every operation against a std::deque model.
// makeValue(i) gives the i-th candidate element; afterEachStep may check more.
template <typename T, typename MakeValue, typename Check>
void RunAgainstModel(unsigned seed, int steps, MakeValue makeValue, LinkedList<T>& list, std::deque<T>& model,
                     Check afterEachStep)
{
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    for (int step = 0; step < steps; ++step)
    {
        const int size = static_cast<int>(model.size());
        switch (pick(0, 9))
        {
        case 0:
        case 1:
        case 2:
        {
            const T value = makeValue(pick(0, 1000));
            list.Insert(value);
            model.push_back(value);
            break;
        }
        case 3:
        {
            // Positions around and beyond both ends, valid or not.
            const int position = pick(-2, size + 2);
            const bool valid = position >= 1 && position <= size;
            ASSERT_EQ(list.Remove(position), valid) << "Remove(" << position << ") of " << size;
            if (valid)
            {
                model.erase(model.begin() + (position - 1));
            }
            break;
        }
        case 4:
        {
            ASSERT_EQ(list.RemoveFirst(), !model.empty());
            if (!model.empty())
            {
                model.pop_front();
            }
            break;
        }
        case 5:
        case 6:
        {
            const int position = pick(-2, size + 2);
            const bool valid = position >= 1 && position <= size;
            T value = makeValue(-1);
            const T before = value;
            bool found = !valid;
            list.Get(value, position, found);
            ASSERT_EQ(found, valid) << "Get at " << position << " of " << size;
            ASSERT_EQ(value, valid ? model[position - 1] : before);
            break;
        }
        case 7:
        {
            T value = makeValue(-1);
            const T before = value;
            bool found = model.empty();
            list.First(value, found);
            ASSERT_EQ(found, !model.empty());
            ASSERT_EQ(value, model.empty() ? before : model.front());
            break;
        }
        case 8:
            // Clear seldom, so the list also grows long.
            if (pick(0, 20) == 0)
            {
                list.Clear();
                model.clear();
            }
            break;
        default:
            ASSERT_EQ(list.Size(), size);
            ASSERT_EQ(list.IsEmpty(), model.empty());
            break;
        }
        afterEachStep();
        if (step % 64 == 0)
        {
            ExpectSameContents(list, model);
        }
    }
    ExpectSameContents(list, model);
}
}

TEST(LinkedListModel, IntsFollowADequeOverLongRandomRuns)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        LinkedList<int> list;
        std::deque<int> model;
        RunAgainstModel<int>(
            seed, 4000, [](int i) { return i; }, list, model, [] {});
    }
}

TEST(LinkedListModel, SharedPointersAreHeldOnceEachAndReleasedOnRemoval)
{
    std::vector<std::shared_ptr<int>> pool;
    for (int i = 0; i < 16; ++i)
    {
        pool.push_back(std::make_shared<int>(i));
    }
    const std::shared_ptr<int> probe = std::make_shared<int>(-1);

    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        std::deque<std::shared_ptr<int>> model;
        {
            LinkedList<std::shared_ptr<int>> list;
            // The pool index (or the probe) stands for each element, so every
            // reference count is known: pool + model + list.
            auto make = [&pool, &probe](int i) { return i < 0 ? probe : pool[i % pool.size()]; };
            auto countsAgree = [&pool, &model] {
                for (const auto& element : pool)
                {
                    long occurrences = 0;
                    for (const auto& held : model)
                    {
                        occurrences += held == element ? 1 : 0;
                    }
                    ASSERT_EQ(element.use_count(), 1 + 2 * occurrences);
                }
            };
            RunAgainstModel<std::shared_ptr<int>>(seed, 3000, make, list, model, countsAgree);
        }
        // The list is gone: only the pool and the model hold references now.
        for (const auto& element : pool)
        {
            long occurrences = 0;
            for (const auto& held : model)
            {
                occurrences += held == element ? 1 : 0;
            }
            EXPECT_EQ(element.use_count(), 1 + occurrences);
        }
        EXPECT_EQ(probe.use_count(), 1);
    }
}

TEST(LinkedListEdges, FailedLookupsLeaveTheOutputUntouched)
{
    LinkedList<std::string> list;
    std::string value = "before";
    bool found = true;

    list.First(value, found);
    EXPECT_FALSE(found);
    EXPECT_EQ(value, "before");

    list.Insert("only");
    for (int position : {0, -1, 2})
    {
        found = true;
        list.Get(value, position, found);
        EXPECT_FALSE(found) << position;
        EXPECT_EQ(value, "before") << position;
    }

    list.Get(value, 1, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(value, "only");
}

TEST(LinkedListEdges, RemovingTheOnlyElementLeavesAReusableEmptyRing)
{
    LinkedList<int> list;
    list.Insert(7);
    ASSERT_TRUE(list.Remove(1));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Size(), 0);

    list.Insert(8);
    list.Insert(9);
    int value = 0;
    bool found = false;
    list.First(value, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(value, 8);

    ASSERT_TRUE(list.RemoveFirst());
    ASSERT_TRUE(list.RemoveFirst());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.RemoveFirst());

    list.Insert(10);
    list.Get(value, 1, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(value, 10);
}

TEST(LinkedListEdges, ClearKeepsTheListUsableAndPositionsRestartAtOne)
{
    LinkedList<int> list;
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());

    list.Insert(10);
    list.Insert(20);
    list.Insert(30);
    ASSERT_TRUE(list.Remove(2));
    int value = 0;
    bool found = false;
    list.Get(value, 2, found);
    EXPECT_EQ(value, 30);

    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Size(), 0);
    EXPECT_FALSE(list.Remove(1));

    list.Insert(40);
    list.Get(value, 1, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(value, 40);
    EXPECT_EQ(list.Size(), 1);
}
