#pragma once

// One link of a LinkedList ring. The list's sentinel is a ListNode too; its value
// is default-constructed and never read.
template <typename T>
struct ListNode
{
    ListNode* next = nullptr;
    ListNode* prev = nullptr;
    T value{};
};
