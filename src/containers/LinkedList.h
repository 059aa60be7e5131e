#pragma once

#include "containers/ListNode.h"

// Circular doubly linked list with a sentinel node, used by the game as a list
// (1-based positions) and as a first-in first-out queue (Insert at the back,
// First + RemoveFirst at the front). Elements are held by value.
//
// Look-ups that can fail report through a found-flag and leave the caller's
// output variable untouched on failure. Bad positions are never errors.
template <typename T>
class LinkedList
{
public:
    LinkedList()
        : m_head(new ListNode<T>())
        , m_size(0)
    {
        m_head->next = m_head;
        m_head->prev = m_head;
    }

    ~LinkedList()
    {
        while (m_head->next != m_head)
        {
            ListNode<T>* node = m_head->next;
            m_head->next = node->next;
            delete node;
        }
        delete m_head;
        m_size = 0;
    }

    // Two lists sharing one sentinel would free it twice.
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;

    // Appends a copy of value at the back.
    void Insert(const T& value)
    {
        ListNode<T>* node = new ListNode<T>();
        node->value = value;
        node->next = m_head;
        node->prev = m_head->prev;
        if (IsEmpty())
        {
            m_head->next = node;
            m_head->prev = node;
        }
        else
        {
            m_head->prev->next = node;
            m_head->prev = node;
        }
        ++m_size;
    }

    // Removes the element at position (1-based); false, with nothing changed,
    // when there is no such position.
    bool Remove(const int& position)
    {
        if (IsEmpty() || position < 1 || position > m_size)
        {
            return false;
        }
        ListNode<T>* node = NodeAt(position);
        node->prev->next = node->next;
        node->next->prev = node->prev;
        delete node;
        --m_size;
        return true;
    }

    // Removes the front element; false on an empty list.
    bool RemoveFirst()
    {
        if (IsEmpty())
        {
            return false;
        }
        ListNode<T>* node = m_head->next;
        m_head->next = node->next;
        node->next->prev = m_head;
        delete node;
        --m_size;
        return true;
    }

    // Copies the element at position into value; found tells whether it did.
    void Get(T& value, const int& position, bool& found) const
    {
        if (IsEmpty() || position < 1 || position > m_size)
        {
            found = false;
            return;
        }
        value = NodeAt(position)->value;
        found = true;
    }

    // Copies the front element into value; found tells whether it did.
    void First(T& value, bool& found) const
    {
        if (IsEmpty())
        {
            found = false;
            return;
        }
        value = m_head->next->value;
        found = true;
    }

    // Decided by the links rather than the count, so a broken count cannot hide
    // a non-empty ring.
    bool IsEmpty() const
    {
        return m_head->next == m_head && m_head->prev == m_head;
    }

    int Size() const
    {
        return m_size;
    }

    // Removes every element; the list stays usable.
    void Clear()
    {
        while (m_head->next != m_head)
        {
            ListNode<T>* node = m_head->next;
            m_head->next = node->next;
            if (m_head->next == m_head)
            {
                m_head->prev = m_head;
            }
            delete node;
        }
        m_size = 0;
    }

private:
    // Walks forward from the sentinel; position must be valid.
    ListNode<T>* NodeAt(int position) const
    {
        ListNode<T>* node = m_head;
        for (int i = 1; i <= position; ++i)
        {
            node = node->next;
        }
        return node;
    }

    ListNode<T>* m_head;
    int m_size;
};
